#include "state/LibrarySession.hpp"

#include <QSettings>
#include <algorithm>
#include <exception>
#include <mutex>
#include <new>
#include <system_error>

namespace cuevox::state {
namespace {

// Why a load gave no collection; nothing when it was asked to stop.
tl::unexpected<std::optional<importing::LoadError>>
failedWith(std::optional<importing::LoadError> why) {
    return tl::unexpected(std::move(why));
}

tl::unexpected<std::optional<importing::LoadError>> failedWith(importing::FileReadError why) {
    return failedWith(importing::LoadError{std::move(why)});
}

// What a load had prepared when the program closed, left for the program's end to reclaim:
// freeing a million tracks takes most of a second, which closing should not wait for. Kept
// where it stays reachable, so that a leak checker sees nothing lost.
void keepUntilExit(std::shared_ptr<const tracklist::PreparedLibrary> library) {
    static std::mutex guard;
    static auto* kept = new std::vector<std::shared_ptr<const tracklist::PreparedLibrary>>();
    const std::lock_guard lock(guard);
    kept->push_back(std::move(library));
}

} // namespace

int LoadProgress::percent() const {
    if (totalBytes == 0) {
        return 0;
    }
    // In floating point, as a size near the top of the range would overflow times 100.
    return static_cast<int>(100.0 * static_cast<double>(std::min(bytesRead, totalBytes)) /
                            static_cast<double>(totalBytes));
}

LibrarySession::LibrarySession(QSettings& settings, LibraryBookmarks bookmarks, Reader reader,
                               QObject* parent)
    : QObject(parent), m_settings(settings), m_bookmarks(std::move(bookmarks)),
      m_reader(std::move(reader)) {
    connect(this, &LibrarySession::blockRead, this, &LibrarySession::takeProgress,
            Qt::QueuedConnection);
    connect(this, &LibrarySession::readEnded, this, &LibrarySession::finish, Qt::QueuedConnection);
}

LibrarySession::~LibrarySession() {
    m_closing = true;
    // Ask all first, so the threads wind down together rather than one after the other.
    for (auto& [generation, load] : m_loads) {
        load.thread.request_stop();
    }
}

tl::expected<metadata::RekordboxLibrary, importing::LoadError>
LibrarySession::readFile(const std::filesystem::path& path, std::stop_token stop,
                         const importing::XMLLibraryReader::ReadProgress& progress,
                         const importing::LibraryReadOptions& options) {
    return importing::XMLLibraryReader(path, options).loadLibrary(stop, progress);
}

void LibrarySession::load(const std::filesystem::path& path) {
    start(path, true);
}

void LibrarySession::reopenRemembered() {
    const QVariant stored = m_settings.value(kLastLibraryKey);
    if (!stored.isValid()) {
        return;
    }
    if (const std::optional<LibraryBookmarks::Resolved> resolved = m_bookmarks.resolve(stored)) {
        // A value that still resolves is kept as it is: only a stale one is written again.
        start(resolved->path, resolved->stale);
    }
}

void LibrarySession::setReadOptions(const importing::LibraryReadOptions& options) {
    if (options == m_options) {
        return;
    }
    m_options = options;
    if (const auto newest = m_loads.find(m_generation); newest != m_loads.end()) {
        start(newest->second.path, newest->second.rememberOnSuccess);
    } else if (m_openPath) {
        start(*m_openPath, false);
    }
}

void LibrarySession::start(const std::filesystem::path& path, bool rememberOnSuccess) {
    for (auto& [generation, load] : m_loads) {
        load.thread.request_stop();
    }
    const std::uint64_t generation = ++m_generation;
    // Fixed now: the working directory may change before the thread opens the file.
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) {
        absolute = path;
    }
    m_progress = LoadProgress{absolute};
    emit progressChanged();
    Load& load = m_loads[generation];
    load.path = absolute;
    load.rememberOnSuccess = rememberOnSuccess;
    try {
        load.thread = std::jthread([this, generation, absolute, options = m_options,
                                    &outcome = load.outcome](std::stop_token stop) {
            run(stop, generation, absolute, options, outcome);
        });
    } catch (const std::system_error& failure) {
        // No thread to be had (the system is out of them): the load fails like any other.
        load.outcome = failedWith(importing::FileReadError{absolute.string(), failure.code()});
        finish(generation);
    }
}

void LibrarySession::run(std::stop_token stop, std::uint64_t generation,
                         const std::filesystem::path& path,
                         const importing::LibraryReadOptions& options, Outcome& outcome) {
    outcome = read(stop, generation, path, options);
    // A load that was superseded or abandoned is dropped here, so that a big collection is not
    // freed on the main thread.
    if (stop.stop_requested()) {
        if (m_closing && outcome) {
            keepUntilExit(std::move(*outcome));
        }
        outcome = failedWith(std::nullopt);
    }
    emit readEnded(generation, QPrivateSignal());
}

LibrarySession::Outcome LibrarySession::read(std::stop_token stop, std::uint64_t generation,
                                             const std::filesystem::path& path,
                                             const importing::LibraryReadOptions& options) {
    const auto failure = [&path](std::error_code code) {
        return failedWith(importing::FileReadError{path.string(), code});
    };
    // Nothing a load throws may end the program: whatever it is fails the load.
    try {
        int shownPercent = 0;
        const auto report = [&](std::uint64_t bytesRead, std::uint64_t totalBytes) {
            // Only a new percentage is worth a trip to the main thread.
            if (const int percent = LoadProgress{{}, bytesRead, totalBytes}.percent();
                percent != shownPercent) {
                shownPercent = percent;
                emit blockRead(generation, bytesRead, totalBytes, QPrivateSignal());
            }
        };
        auto library = m_reader(path, stop, report, options);
        if (!library) {
            return failedWith(std::move(library.error()));
        }
        // Preparing a million tracks takes seconds; a stop request ends it within milliseconds.
        const auto unfinished = [this](std::unique_ptr<const tracklist::PreparedLibrary> made) {
            if (m_closing) {
                keepUntilExit(std::move(made));
            }
        };
        if (auto prepared =
                tracklist::PreparedLibrary::prepare(std::move(*library), stop, unfinished)) {
            return prepared;
        }
        return failedWith(std::nullopt);
    } catch (const std::bad_alloc&) {
        return failure(std::make_error_code(std::errc::not_enough_memory));
    } catch (const std::system_error& error) {
        return failure(error.code());
    } catch (...) {
        return failure(importing::FileReadErrc::unexpectedFailure);
    }
}

void LibrarySession::takeProgress(std::uint64_t generation, std::uint64_t bytesRead,
                                  std::uint64_t totalBytes) {
    if (generation == m_generation && m_progress) {
        m_progress = LoadProgress{m_progress->file, bytesRead, totalBytes};
        emit progressChanged();
    }
}

void LibrarySession::finish(std::uint64_t generation) {
    auto ended = m_loads.extract(generation);
    if (ended.empty()) {
        return;
    }
    Load& load = ended.mapped();
    // The thread has said its last word: joining it takes no time, and makes what it wrote
    // safe to read.
    if (load.thread.joinable()) {
        load.thread.join();
    }
    if (generation == m_generation) {
        m_progress.reset();
        emit progressChanged();
        if (load.outcome) {
            m_openPath = load.path;
            if (load.rememberOnSuccess) {
                remember(load.path);
            }
            emit loaded(*load.outcome);
        } else if (load.outcome.error()) {
            emit failed(LoadFailure{load.path, *load.outcome.error()});
        }
    }
    if (m_loads.empty()) {
        emit threadsJoined();
    }
}

void LibrarySession::remember(const std::filesystem::path& path) {
    const QVariant stored = m_bookmarks.make(path);
    if (stored.isValid()) {
        m_settings.setValue(kLastLibraryKey, stored);
    } else {
        // What was stored names another file, which must not come back at the next start.
        m_settings.remove(kLastLibraryKey);
    }
}

} // namespace cuevox::state
