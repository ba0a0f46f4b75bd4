#include "state/ListModesState.hpp"

#include <QSettings>
#include <array>
#include <string_view>
#include <utility>

namespace cuevox::state {
namespace {

constexpr const char* kPitchRange = "listModes/pitchRange";
constexpr const char* kHalfDouble = "listModes/halfDouble";
constexpr const char* kEnergyDirection = "listModes/energyDirection";
constexpr const char* kCrate = "listModes/crate";
constexpr const char* kHidePlayed = "listModes/hidePlayed";
constexpr const char* kVaryArtists = "listModes/varyArtists";
constexpr const char* kOpenKey = "openKey";

using tracklist::EnergyDirection;

// Stored by name, so that the settings file reads as what the DJ chose.
constexpr std::array<std::pair<EnergyDirection, std::string_view>, 3> kDirectionNames{{
    {EnergyDirection::hold, "hold"},
    {EnergyDirection::up, "up"},
    {EnergyDirection::down, "down"},
}};

bool readSwitch(const QSettings& settings, const char* key) {
    const QVariant stored = settings.value(key);
    return stored.typeId() == QMetaType::Bool ? stored.toBool()
                                              : stored.toString() == QStringLiteral("true");
}

tracklist::ListModes readModes(const QSettings& settings) {
    tracklist::ListModes modes;
    bool isNumber = false;
    const int percent = settings.value(kPitchRange).toInt(&isNumber);
    if (const auto range = tracklist::PitchRange::fromPercent(percent); isNumber && range) {
        modes.pitchRange = *range;
    }
    modes.halfDouble = readSwitch(settings, kHalfDouble);
    const QByteArray direction = settings.value(kEnergyDirection).toString().toUtf8();
    for (const auto& [value, name] : kDirectionNames) {
        if (std::string_view(direction.constData(), direction.size()) == name) {
            modes.energyDirection = value;
        }
    }
    if (const QVariant crate = settings.value(kCrate); crate.isValid()) {
        modes.playlistID = crate.toString().toStdString();
    }
    modes.hidePlayed = readSwitch(settings, kHidePlayed);
    modes.varyArtists = readSwitch(settings, kVaryArtists);
    return modes;
}

void writeModes(QSettings& settings, const tracklist::ListModes& modes) {
    settings.setValue(kPitchRange, modes.pitchRange.percent());
    settings.setValue(kHalfDouble, modes.halfDouble);
    for (const auto& [value, name] : kDirectionNames) {
        if (value == modes.energyDirection) {
            settings.setValue(kEnergyDirection,
                              QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        }
    }
    if (modes.playlistID) {
        settings.setValue(kCrate, QString::fromStdString(*modes.playlistID));
    } else {
        settings.remove(kCrate);
    }
    settings.setValue(kHidePlayed, modes.hidePlayed);
    settings.setValue(kVaryArtists, modes.varyArtists);
}

// `modes` with one field changed.
template <typename T>
tracklist::ListModes with(tracklist::ListModes modes, T tracklist::ListModes::*field, T value) {
    modes.*field = std::move(value);
    return modes;
}

} // namespace

ListModesState::ListModesState(QSettings& settings, QObject* parent)
    : QObject(parent), m_settings(settings), m_modes(readModes(settings)),
      m_openKey(readSwitch(settings, kOpenKey)) {}

void ListModesState::take(tracklist::ListModes modes) {
    if (modes == m_modes) {
        return;
    }
    m_modes = std::move(modes);
    writeModes(m_settings, m_modes);
    emit modesChanged();
}

void ListModesState::setPitchRange(tracklist::PitchRange range) {
    take(with(m_modes, &tracklist::ListModes::pitchRange, range));
}

void ListModesState::setHalfDouble(bool on) {
    take(with(m_modes, &tracklist::ListModes::halfDouble, on));
}

void ListModesState::setEnergyDirection(tracklist::EnergyDirection direction) {
    take(with(m_modes, &tracklist::ListModes::energyDirection, direction));
}

void ListModesState::setCrate(std::optional<std::string> playlistID) {
    take(with(m_modes, &tracklist::ListModes::playlistID, std::move(playlistID)));
}

void ListModesState::setHidePlayed(bool on) {
    take(with(m_modes, &tracklist::ListModes::hidePlayed, on));
}

void ListModesState::setVaryArtists(bool on) {
    take(with(m_modes, &tracklist::ListModes::varyArtists, on));
}

void ListModesState::setOpenKey(bool on) {
    if (on == m_openKey) {
        return;
    }
    m_openKey = on;
    m_settings.setValue(kOpenKey, on);
    emit openKeyChanged();
}

} // namespace cuevox::state
