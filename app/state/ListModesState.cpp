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
constexpr const char* kHarmonicStrictness = "listModes/harmonicStrictness";
constexpr const char* kCrate = "listModes/crate";
constexpr const char* kOpenKey = "openKey";

// The switches, each under its key.
constexpr std::array<std::pair<bool ListModes::*, const char*>, 6> kSwitches{{
    {&ListModes::halfDouble, "listModes/halfDouble"},
    {&ListModes::hidePlayed, "listModes/hidePlayed"},
    {&ListModes::varyArtists, "listModes/varyArtists"},
    {&ListModes::style, "listModes/style"},
    {&ListModes::keyLock, "listModes/keyLock"},
    {&ListModes::keyMoves, "listModes/keyMoves"},
}};

// `fallback` when the key is absent or holds neither true nor false: key lock stays on unless
// the DJ turned it off.
bool readSwitch(const QSettings& settings, const char* key, bool fallback = false) {
    const QVariant stored = settings.value(key);
    if (stored.typeId() == QMetaType::Bool) {
        return stored.toBool();
    }
    const QString text = stored.toString();
    return text == QStringLiteral("true") || (text != QStringLiteral("false") && fallback);
}

// The text form of a named mode's value, for the settings file.
template <typename Enum, std::size_t N>
QString storedName(const std::array<tracklist::Named<Enum>, N>& names, Enum value) {
    const std::string_view name = tracklist::nameOf(names, value);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The value stored by name, or `fallback` for an absent or unknown name.
template <typename Enum, std::size_t N>
Enum readNamed(const QSettings& settings, const char* key,
               const std::array<tracklist::Named<Enum>, N>& names, Enum fallback) {
    const std::string name = settings.value(key).toString().toStdString();
    return tracklist::valueNamed(names, name).value_or(fallback);
}

ListModes readModes(const QSettings& settings) {
    ListModes modes;
    bool isNumber = false;
    const int percent = settings.value(kPitchRange).toInt(&isNumber);
    if (const auto range = tracklist::PitchRange::fromPercent(percent); isNumber && range) {
        modes.pitchRange = *range;
    }
    // Stored by name, so that the settings file reads as what the DJ chose.
    modes.energyDirection = readNamed(settings, kEnergyDirection, tracklist::kEnergyDirectionNames,
                                      modes.energyDirection);
    modes.harmonicStrictness =
        readNamed(settings, kHarmonicStrictness, tracklist::kHarmonicStrictnessNames,
                  modes.harmonicStrictness);
    if (const QVariant crate = settings.value(kCrate); crate.isValid()) {
        modes.playlistID = crate.toString().toStdString();
    }
    for (const auto& [field, key] : kSwitches) {
        modes.*field = readSwitch(settings, key, modes.*field);
    }
    return modes;
}

void writeModes(QSettings& settings, const ListModes& modes) {
    settings.setValue(kPitchRange, modes.pitchRange.percent());
    settings.setValue(kEnergyDirection,
                      storedName(tracklist::kEnergyDirectionNames, modes.energyDirection));
    settings.setValue(kHarmonicStrictness,
                      storedName(tracklist::kHarmonicStrictnessNames, modes.harmonicStrictness));
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
