#include "state/StyleSession.hpp"

#include "importing/M3U8Reader.hpp"
#include "state/ListModesState.hpp"
#include "style/SetLog.hpp"
#include "text/Text.hpp"

#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <span>
#include <system_error>
#include <vector>

namespace cuevox::state {
namespace {

using Histories = std::vector<importing::M3U8Reader::M3U8Playlist>;

QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The playlist files of the folder, in name order (rekordbox names its exports by date); a
// file that cannot be read is left out, as a history is a hint, not a requirement.
Histories readHistories(const std::optional<std::filesystem::path>& folder) {
    Histories histories;
    if (!folder) {
        return histories;
    }
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(*folder, error)) {
        const std::string extension = text::foldCase(entry.path().extension().string());
        if ((extension == ".m3u8" || extension == ".m3u") && entry.is_regular_file(error)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
        if (auto history = importing::M3U8Reader::read(file)) {
            histories.push_back(std::move(*history));
        }
    }
    return histories;
}

} // namespace

StyleSession::StyleSession(QSettings& settings, const ListModesState& modes,
                           std::chrono::milliseconds heldFor, QObject* parent)
    : QObject(parent), m_settings(settings), m_modes(modes) {
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(heldFor);
    connect(&m_holdTimer, &QTimer::timeout, this, &StyleSession::remember);
    connect(this, &StyleSession::prepared, this, &StyleSession::takePrepared, Qt::QueuedConnection);
    connect(&modes, &ListModesState::modesChanged, this, [this] {
        if (m_modes.modes().style) {
            prepareFor(m_collection);
        }
    });
}

StyleSession::~StyleSession() = default;

void StyleSession::setCollection(std::shared_ptr<const tracklist::PreparedLibrary> library) {
    m_collection = std::move(library);
    prepareFor(m_modes.modes().style ? m_collection : nullptr);
}

void StyleSession::prepareFor(std::shared_ptr<const tracklist::PreparedLibrary> library) {
    if (library == m_library && (m_model || m_thread.joinable())) {
        return;
    }
    m_library = std::move(library);
    if (!m_library) {
        // Nothing kept of a collection the window has let go.
        m_model.reset();
        m_modelLibrary.reset();
        return;
    }
    start();
}

void StyleSession::start() {
    if (m_thread.joinable()) {
        m_stale = true;
        return;
    }
    if (!m_library) {
        return;
    }
    m_madeFor = m_library;
    m_thread =
        std::jthread([this, library = m_library, histories = historyFolder(), log = logFolder()] {
            // Nothing a preparation throws may end the program: the list then ranks as without.
            try {
                Histories sets = readHistories(histories);
                for (auto& set : style::SetLog(log).sets()) {
                    sets.push_back(std::move(set));
                }
                m_made = std::make_shared<const style::StyleModel>(
                    std::span(library->tracks()), std::span(library->playlists()), std::span(sets));
            } catch (...) {
                m_made.reset();
            }
            emit prepared(QPrivateSignal());
        });
}

void StyleSession::takePrepared() {
    m_thread.join();
    m_thread = {};
    auto made = std::move(m_made);
    auto madeFor = std::move(m_madeFor);
    if (m_stale) {
        m_stale = false;
        start();
    } else if (madeFor == m_library) {
        m_model = std::move(made);
        m_modelLibrary = std::move(madeFor);
        emit modelChanged();
    }
}

bool StyleSession::remembersSets() const {
    return m_settings.value(kRememberSetsKey).toBool();
}

void StyleSession::setRemembersSets(bool on) {
    if (on != remembersSets()) {
        m_settings.setValue(kRememberSetsKey, on);
        emit settingsChanged();
    }
}

std::optional<std::filesystem::path> StyleSession::historyFolder() const {
    const QString folder = m_settings.value(kHistoryFolderKey).toString();
    return folder.isEmpty() ? std::nullopt
                            : std::optional(std::filesystem::path(folder.toStdString()));
}

void StyleSession::setHistoryFolder(const std::optional<std::filesystem::path>& folder) {
    if (folder == historyFolder()) {
        return;
    }
    if (folder) {
        m_settings.setValue(kHistoryFolderKey, fromPath(*folder));
    } else {
        m_settings.remove(kHistoryFolderKey);
    }
    emit settingsChanged();
    // What the model learnt from changed; the old one serves until the new one is made.
    if (m_library) {
        start();
    }
}

std::filesystem::path StyleSession::logFolder() const {
    const QString folder = m_settings.value(kLogFolderKey).toString();
    if (!folder.isEmpty()) {
        return folder.toStdString();
    }
    return std::filesystem::path(
               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()) /
           "Sets";
}

void StyleSession::sourceChanged(const std::optional<metadata::Track>& source) {
    const auto idOf = [](const std::optional<metadata::Track>& track) {
        return track ? std::optional(track->id) : std::nullopt;
    };
    if (idOf(source) == idOf(m_held)) {
        return;
    }
    m_held = source;
    m_heldSince = std::chrono::system_clock::now();
    if (m_held) {
        m_holdTimer.start();
    } else {
        m_holdTimer.stop();
    }
}

void StyleSession::remember() {
    if (!m_held || !remembersSets()) {
        return;
    }
    const std::optional<std::string> failure =
        style::SetLog(logFolder()).append(*m_held, m_heldSince);
    if (!failure) {
        m_failureShown = false;
    } else if (!m_failureShown) {
        m_failureShown = true;
        emit logFailed(QString::fromStdString(*failure));
    }
}

} // namespace cuevox::state
