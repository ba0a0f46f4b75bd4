#pragma once

#include "tracklist/ListModes.hpp"

#include <QObject>
#include <string>
#include <vector>

class QSettings;

namespace cuevox::state {

// The live-set modes and the Open Key reading, as the DJ left them: read from the settings
// at the start and written back at every change. A value the settings hold that this version
// cannot read counts as the mode's default.
class ListModesState : public QObject {
    Q_OBJECT

public:
    // `settings` must outlive the state.
    explicit ListModesState(QSettings& settings, QObject* parent = nullptr);

    const tracklist::ListModes& modes() const { return m_modes; }
    bool openKey() const { return m_openKey; }

    // Sets one mode, e.g. set(&tracklist::ListModes::hidePlayed, true).
    template <typename T, typename Value>
    void set(T tracklist::ListModes::*field, Value&& value) {
        tracklist::ListModes changed = m_modes;
        changed.*field = std::forward<Value>(value);
        take(std::move(changed));
    }
    // Back to the whole collection when the crate picked is none of `crateIDs`.
    void dropCrateUnlessIn(const std::vector<std::string>& crateIDs);
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
