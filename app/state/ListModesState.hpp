#pragma once

#include "tracklist/ListModes.hpp"

#include <QObject>
#include <optional>
#include <string>

class QSettings;

namespace cuevox::state {

// The live-set modes and the Open Key reading, as the DJ left them: read from the settings
// at the start and written back at every change. A value the settings hold that this version
// cannot read counts as off.
class ListModesState : public QObject {
    Q_OBJECT

public:
    // `settings` must outlive the state.
    explicit ListModesState(QSettings& settings, QObject* parent = nullptr);

    const tracklist::ListModes& modes() const { return m_modes; }
    bool openKey() const { return m_openKey; }

    void setPitchRange(tracklist::PitchRange range);
    void setHalfDouble(bool on);
    void setEnergyDirection(tracklist::EnergyDirection direction);
    // No id is the whole collection.
    void setCrate(std::optional<std::string> playlistID);
    void setHidePlayed(bool on);
    void setVaryArtists(bool on);
    void setOpenKey(bool on);

signals:
    void modesChanged();
    void openKeyChanged();

private:
    void take(tracklist::ListModes modes);

    QSettings& m_settings;
    tracklist::ListModes m_modes;
    bool m_openKey = false;
};

} // namespace cuevox::state
