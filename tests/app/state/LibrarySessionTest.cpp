#include "state/LibrarySession.hpp"

#include "support/WaitUntil.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <new>
#include <stdexcept>

namespace cuevox::state {
namespace {

using ReadResult = tl::expected<metadata::RekordboxLibrary, importing::LoadError>;
using Progress = importing::XMLLibraryReader::ReadProgress;

metadata::RekordboxLibrary trackNamedAfter(const std::filesystem::path& path) {
    metadata::Track track{};
    track.id = path.filename().string();
    return {{track}, {}};
}

// Holds a load until the test opens it, or until the load is asked to stop.
class Gate {
public:
    void open() {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    void wait(std::stop_token stop = {}) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, stop, [this] { return m_open; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable_any m_changed;
    bool m_open = false;
};

class LibrarySessionTest : public ::testing::Test {
protected:
    QTemporaryDir directory;
    QSettings settings{directory.filePath("settings.ini"), QSettings::IniFormat};
};

TEST_F(LibrarySessionTest, ANewerLoadWinsAndTheOlderIsAskedToStop) {
    Gate gate;
    std::atomic<bool> olderAskedToStop = false;
    // The older load ignores the request and ends with a collection all the same.
    LibrarySession session(settings, {},
                           [&](const auto& path, std::stop_token stop, const auto&, const auto&) {
                               if (path == "/older.xml") {
                                   gate.wait();
                                   olderAskedToStop = stop.stop_requested();
                               }
                               return ReadResult(trackNamedAfter(path));
                           });
    std::vector<std::string> loaded;
    QObject::connect(&session, &LibrarySession::loaded,
                     [&](const auto& library) { loaded.push_back(library->tracks()[0].id); });
    QSignalSpy joined(&session, &LibrarySession::threadsJoined);

    session.load("/older.xml");
    session.load("/newer.xml");
    ASSERT_TRUE(QSignalSpy(&session, &LibrarySession::loaded).wait(10000));
    gate.open();
    ASSERT_TRUE(joined.wait(10000));
    EXPECT_EQ(loaded, std::vector<std::string>{"newer.xml"});
    EXPECT_TRUE(olderAskedToStop);
    EXPECT_EQ(settings.value(LibrarySession::kLastLibraryKey), QVariant("/newer.xml"));
    EXPECT_EQ(session.progress(), std::nullopt);
}

// An older load that goes on reading after a newer one began never shows its progress.
TEST_F(LibrarySessionTest, OnlyTheNewestLoadShowsItsProgress) {
    Gate older, newer;
    std::atomic<bool> olderReported = false;
    LibrarySession session(
        settings, {},
        [&](const auto& path, std::stop_token, const Progress& progress, const auto&) {
            if (path == "/older.xml") {
                older.wait();
                progress(3, 4);
                olderReported = true;
            } else {
                newer.wait();
            }
            return ReadResult(trackNamedAfter(path));
        });
    QSignalSpy joined(&session, &LibrarySession::threadsJoined);
    session.load("/older.xml");
    session.load("/newer.xml");
    older.open();
    ASSERT_TRUE(tests::waitUntil([&] { return olderReported.load(); }));
    QCoreApplication::processEvents(); // what the older load posted before saying so
    EXPECT_EQ(session.progress(), LoadProgress{"/newer.xml"});
    newer.open();
    ASSERT_TRUE(joined.wait(10000));
}

TEST_F(LibrarySessionTest, WhateverALoadThrowsFailsTheLoadAndNothingElse) {
    const importing::LoadError notFound{importing::RekordboxXMLError::fileNotFound("/c.xml")};
    using std::errc;
    // clang-format off
    const struct { std::function<void()> raise; std::string message; } cases[] = {
        {[] { throw std::bad_alloc(); }, "/c.xml: Cannot allocate memory"},
        {[] { throw std::system_error(std::make_error_code(errc::io_error)); }, "/c.xml: Input/output error"},
        {[] { throw 42; }, "/c.xml: the reading stopped at an unexpected error"},
        {[] {}, R"(fileNotFound("/c.xml"))"}, // the reader's own error
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LibrarySession session(settings, {}, [&](auto&&...) {
            c.raise();
            return ReadResult(tl::unexpected(notFound));
        });
        QSignalSpy failed(&session, &LibrarySession::failed);
        session.load("/c.xml");
        ASSERT_TRUE(failed.wait(10000));
        EXPECT_EQ(failed[0][0].value<LoadFailure>().file, "/c.xml");
        EXPECT_EQ(failed[0][0].value<LoadFailure>().error.message(), c.message);
        EXPECT_FALSE(settings.contains(LibrarySession::kLastLibraryKey));
    }
}

TEST_F(LibrarySessionTest, OtherReadOptionsReadTheOpenCollectionAgainWithoutRememberingIt) {
    std::vector<std::pair<std::string, bool>> reads;
    LibrarySession session(settings, {},
                           [&](const auto& path, auto, const auto&, const auto& options) {
                               reads.emplace_back(path.string(), options.keyNotation.openKey);
                               return ReadResult(trackNamedAfter(path));
                           });
    importing::LibraryReadOptions openKey;
    openKey.keyNotation.openKey = true;
    session.setReadOptions(openKey); // nothing open yet: nothing to read
    session.load("/a.xml");
    ASSERT_TRUE(QSignalSpy(&session, &LibrarySession::loaded).wait(10000));
    settings.remove(LibrarySession::kLastLibraryKey);
    session.setReadOptions(openKey); // the same options: no read
    session.setReadOptions({});
    ASSERT_TRUE(QSignalSpy(&session, &LibrarySession::loaded).wait(10000));
    EXPECT_EQ(reads,
              (std::vector<std::pair<std::string, bool>>{{"/a.xml", true}, {"/a.xml", false}}));
    EXPECT_FALSE(settings.contains(LibrarySession::kLastLibraryKey));
}

TEST_F(LibrarySessionTest, OptionsChangedDuringALoadReadItAgainAndItIsStillRemembered) {
    Gate never;
    LibrarySession session(
        settings, {},
        [&](const auto& path, std::stop_token stop, const auto&, const auto& options) {
            if (!options.keyNotation.openKey) {
                never.wait(stop);
            }
            return ReadResult(trackNamedAfter(path));
        });
    QSignalSpy loaded(&session, &LibrarySession::loaded);
    session.load("/b.xml");
    importing::LibraryReadOptions openKey;
    openKey.keyNotation.openKey = true;
    session.setReadOptions(openKey);
    ASSERT_TRUE(loaded.wait(10000));
    EXPECT_EQ(settings.value(LibrarySession::kLastLibraryKey), QVariant("/b.xml"));
}

TEST_F(LibrarySessionTest, ShowsHowFarTheFileIsReadAndClosingStopsTheLoad) {
    Gate never;
    auto session =
        std::make_unique<LibrarySession>(settings, LibraryBookmarks{},
                                         [&](const auto&, std::stop_token stop,
                                             const Progress& progress, const auto&) -> ReadResult {
                                             progress(1, 4);
                                             progress(5, 4); // the file grew while read
                                             never.wait(stop);
                                             // Read all the same: what closing leaves behind is
                                             // kept, not freed on the way out.
                                             return ReadResult(trackNamedAfter("/big.xml"));
                                         });
    QSignalSpy changed(session.get(), &LibrarySession::progressChanged);
    session->load("/big.xml");
    EXPECT_EQ(session->progress(), LoadProgress{"/big.xml"});
    while (session->progress() != LoadProgress{"/big.xml", 5, 4}) {
        ASSERT_TRUE(changed.wait(10000));
    }
    EXPECT_EQ(session->progress()->percent(), 100);
    // Returns only because the load is asked to stop: it would wait forever otherwise.
    session.reset();
}

} // namespace
} // namespace cuevox::state
