#include "state/ListModesState.hpp"

#include "tracklist/ListModeNames.hpp"

#include <QSettings>
#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace cuevox::state {
namespace {

using tracklist::ListModes;

constexpr const char* kPitchRange = "listModes/pitchRange";
constexpr const char* kEnergyDirection = "listModes/energyDirection";
constexpr const char* kCrate = "listModes/crate";
constexpr const char* kOpenKey = "openKey";

// The switches, each under its key.
constexpr std::array<std::pair<bool ListModes::*, const char*>, 4> kSwitches{{
    {&ListModes::halfDouble, "listModes/halfDouble"},
    {&ListModes::hidePlayed, "listModes/hidePlayed"},
    {&ListModes::varyArtists, "listModes/varyArtists"},
    {&ListModes::style, "listModes/style"},
}};

bool readSwitch(const QSettings& settings, const char* key) {
    const QVariant stored = settings.value(key);
    return stored.typeId() == QMetaType::Bool ? stored.toBool()
                                              : stored.toString() == QStringLiteral("true");
}

ListModes readModes(const QSettings& settings) {
    ListModes modes;
    bool isNumber = false;
    const int percent = settings.value(kPitchRange).toInt(&isNumber);
    if (const auto range = tracklist::PitchRange::fromPercent(percent); isNumber && range) {
        modes.pitchRange = *range;
    }
    // Stored by name, so that the settings file reads as what the DJ chose.
    const std::string direction = settings.value(kEnergyDirection).toString().toStdString();
    modes.energyDirection = tracklist::valueNamed(tracklist::kEnergyDirectionNames, direction)
                                .value_or(tracklist::EnergyDirection::hold);
    if (const QVariant crate = settings.value(kCrate); crate.isValid()) {
        modes.playlistID = crate.toString().toStdString();
    }
    for (const auto& [field, key] : kSwitches) {
        modes.*field = readSwitch(settings, key);
    }
    return modes;
}

void writeModes(QSettings& settings, const ListModes& modes) {
    settings.setValue(kPitchRange, modes.pitchRange.percent());
    const std::string_view direction =
        tracklist::nameOf(tracklist::kEnergyDirectionNames, modes.energyDirection);
    settings.setValue(kEnergyDirection, QString::fromUtf8(direction.data(),
                                                          static_cast<qsizetype>(direction.size())));
    if (modes.playlistID) {
        settings.setValue(kCrate, QString::fromStdString(*modes.playlistID));
    } else {
        settings.remove(kCrate);
    }
    for (const auto& [field, key] : kSwitches) {
        settings.setValue(key, modes.*field);
    }
}

} // namespace

ListModesState::ListModesState(QSettings& settings, QObject* parent)
    : QObject(parent), m_settings(settings), m_modes(readModes(settings)),
      m_openKey(readSwitch(settings, kOpenKey)) {}

void ListModesState::take(ListModes modes) {
    if (modes == m_modes) {
        return;
    }
    m_modes = std::move(modes);
    writeModes(m_settings, m_modes);
    emit modesChanged();
}

void ListModesState::dropCrateUnlessIn(const std::vector<std::string>& crateIDs) {
    if (m_modes.playlistID &&
        std::find(crateIDs.begin(), crateIDs.end(), *m_modes.playlistID) == crateIDs.end()) {
        set(&ListModes::playlistID, std::nullopt);
    }
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
