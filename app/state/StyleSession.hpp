#pragma once

#include "metadata/Track.hpp"
#include "style/StyleModel.hpp"
#include "tracklist/PreparedLibrary.hpp"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>

class QSettings;

namespace cuevox::state {

class ListModesState;

// The DJ's style as the window learns it. Prepares the style model of the open collection on
// a thread of its own, from its crates and sets, the history files in a folder the DJ names
// and the sets Cuevox remembered; and, only when the DJ asks for it, remembers the set: a track
// that stays the source for a minute joins the day's set log. Lives on the main thread.
class StyleSession : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kRememberSetsKey = "sets/remember";
    static constexpr const char* kHistoryFolderKey = "sets/historyFolder";
    // Where the set log is kept; the application's data folder when not set.
    static constexpr const char* kLogFolderKey = "sets/logFolder";

    // `settings` and `modes` must outlive the session.
    StyleSession(QSettings& settings, const ListModesState& modes,
                 std::chrono::milliseconds heldFor = std::chrono::minutes(1),
                 QObject* parent = nullptr);
    // Waits for a preparation under way.
    ~StyleSession() override;

    // The model made for this very collection; null until it is ready, and for any other.
    std::shared_ptr<const style::StyleModel>
    modelFor(const tracklist::PreparedLibrary& library) const {
        return m_modelLibrary.get() == &library ? m_model : nullptr;
    }
    // The open collection, whose model is prepared in the background while the style mode is
    // on: it costs a moment and memory per track. Another collection lets the old model go.
    void setCollection(std::shared_ptr<const tracklist::PreparedLibrary> library);

    bool remembersSets() const;
    void setRemembersSets(bool on);
    // The folder of history files (M3U8) the model learns from too.
    std::optional<std::filesystem::path> historyFolder() const;
    void setHistoryFolder(const std::optional<std::filesystem::path>& folder);
    std::filesystem::path logFolder() const;

    // What plays now; the same track still playing after the hold time is remembered.
    void sourceChanged(const std::optional<metadata::Track>& source);

signals:
    void modelChanged();
    void settingsChanged();
    // The set log could not be written; once, until a write succeeds again.
    void logFailed(const QString& reason);
    // From the preparing thread, queued.
    void prepared(QPrivateSignal);

private:
    // Prepares the model of `library`, unless it is the one already made or being made.
    void prepareFor(std::shared_ptr<const tracklist::PreparedLibrary> library);
    void start();
    void takePrepared();
    void remember();

    QSettings& m_settings;
    const ListModesState& m_modes;
    std::shared_ptr<const tracklist::PreparedLibrary> m_collection;
    // The collection of the model made or being made.
    std::shared_ptr<const tracklist::PreparedLibrary> m_library;
    std::shared_ptr<const style::StyleModel> m_model;
    std::shared_ptr<const tracklist::PreparedLibrary> m_modelLibrary;
    // Asked for while another was prepared: made next.
    bool m_stale = false;
    std::optional<metadata::Track> m_held;
    std::chrono::system_clock::time_point m_heldSince;
    QTimer m_holdTimer;
    bool m_failureShown = false;
    // The collection the thread prepares for, set before it starts.
    std::shared_ptr<const tracklist::PreparedLibrary> m_madeFor;
    // Written by the thread, read once it is joined.
    std::shared_ptr<const style::StyleModel> m_made;
    // Last, so it is joined before what it writes is destroyed.
    std::jthread m_thread;
};

} // namespace cuevox::state
