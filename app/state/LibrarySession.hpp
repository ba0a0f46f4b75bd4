#pragma once

#include "importing/LibraryReadOptions.hpp"
#include "importing/LoadError.hpp"
#include "importing/XMLLibraryReader.hpp"
#include "metadata/RekordboxLibrary.hpp"
#include "state/LibraryBookmarks.hpp"
#include "tracklist/PreparedLibrary.hpp"

#include <tl/expected.hpp>

#include <QObject>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

class QSettings;

namespace cuevox::state {

// How far the file being loaded has been read.
struct LoadProgress {
    std::filesystem::path file;
    std::uint64_t bytesRead = 0;
    // 0 when the size is not known.
    std::uint64_t totalBytes = 0;

    // 0 to 100; a file that grew while read stops at 100.
    int percent() const;

    bool operator==(const LoadProgress&) const = default;
};

// A load that failed: which file, and why.
struct LoadFailure {
    std::filesystem::path file;
    importing::LoadError error;

    bool operator==(const LoadFailure&) const = default;
};

// The collection file behind the window: reads it on a thread of its own so the window stays
// usable, lets a newer request cancel an older one, remembers the file that loaded and opens it
// again at the next start. Lives on the main thread and announces everything there.
class LibrarySession : public QObject {
    Q_OBJECT

public:
    using Reader = std::function<tl::expected<metadata::RekordboxLibrary, importing::LoadError>(
        const std::filesystem::path& path, std::stop_token stop,
        const importing::XMLLibraryReader::ReadProgress& progress,
        const importing::LibraryReadOptions& options)>;

    static constexpr const char* kLastLibraryKey = "lastLibraryURL";

    // `settings` must outlive the session.
    LibrarySession(QSettings& settings, LibraryBookmarks bookmarks, Reader reader = readFile,
                   QObject* parent = nullptr);
    // Asks every load to stop between two blocks and joins its thread; nothing is announced.
    ~LibrarySession() override;

    // Starts reading the file and returns; on success the file is remembered. A load still
    // running is asked to stop and is never announced.
    void load(const std::filesystem::path& path);
    // Loads the file remembered in the settings, if what is stored still names one. Only a
    // stale value is written again.
    void reopenRemembered();
    // Reads later loads with `options`; when they differ, the open collection (or the one
    // being loaded) is read again with them, and stays open until that succeeds.
    void setReadOptions(const importing::LibraryReadOptions& options);

    // The newest load's progress; absent while none runs.
    const std::optional<LoadProgress>& progress() const { return m_progress; }
    // The file of the collection last announced as loaded.
    const std::optional<std::filesystem::path>& openPath() const { return m_openPath; }

    // The collection file, read by XMLLibraryReader.
    static tl::expected<metadata::RekordboxLibrary, importing::LoadError>
    readFile(const std::filesystem::path& path, std::stop_token stop,
             const importing::XMLLibraryReader::ReadProgress& progress,
             const importing::LibraryReadOptions& options);

signals:
    void progressChanged();
    // The newest load's outcome: one of the two, once per load that is not superseded.
    void loaded(std::shared_ptr<const cuevox::tracklist::PreparedLibrary> library);
    void failed(const cuevox::state::LoadFailure& failure);
    // Every load has ended and its thread is joined (for tests).
    void threadsJoined();

    // From a load's thread to the session, queued: the event carries the values, so nothing
    // is shared with the thread but what is read after joining it.
    void blockRead(std::uint64_t generation, std::uint64_t bytesRead, std::uint64_t totalBytes,
                   QPrivateSignal);
    void readEnded(std::uint64_t generation, QPrivateSignal);

private:
    // What a thread hands back: the library, or why there is none (nothing to announce when
    // the load was asked to stop).
    using Outcome = tl::expected<std::shared_ptr<const tracklist::PreparedLibrary>,
                                 std::optional<importing::LoadError>>;

    struct Load {
        std::filesystem::path path;
        bool rememberOnSuccess = false;
        // Written by the load's thread, read on the main thread once that thread is joined.
        Outcome outcome;
        // Last, so it is joined before the outcome it writes is destroyed.
        std::jthread thread;
    };

    void start(const std::filesystem::path& path, bool rememberOnSuccess);
    // On the load's own thread.
    void run(std::stop_token stop, std::uint64_t generation, const std::filesystem::path& path,
             const importing::LibraryReadOptions& options, Outcome& outcome);
    Outcome read(std::stop_token stop, std::uint64_t generation, const std::filesystem::path& path,
                 const importing::LibraryReadOptions& options);
    void takeProgress(std::uint64_t generation, std::uint64_t bytesRead, std::uint64_t totalBytes);
    void finish(std::uint64_t generation);
    void remember(const std::filesystem::path& path);

    QSettings& m_settings;
    LibraryBookmarks m_bookmarks;
    Reader m_reader;
    importing::LibraryReadOptions m_options;
    // The file of the collection last announced as loaded.
    std::optional<std::filesystem::path> m_openPath;
    std::optional<LoadProgress> m_progress;
    std::uint64_t m_generation = 0;
    // Set when the session is destroyed: its loads' threads are then asked to stop for good.
    std::atomic<bool> m_closing = false;
    // The loads whose thread is not joined yet, by generation; all but the newest have been
    // asked to stop. Last, so they are joined before anything they use is destroyed.
    std::map<std::uint64_t, Load> m_loads;
};

} // namespace cuevox::state
