#include "state/StyleSession.hpp"

#include "state/ListModesState.hpp"
#include "style/SetLog.hpp"
#include "support/WaitUntil.hpp"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

namespace cuevox::state {
namespace {

using namespace std::chrono_literals;

metadata::Track track(const std::string& id) {
    metadata::Track t{};
    t.id = id;
    t.title = "Title " + id;
    t.artist = "Artist " + id;
    t.filepath = "/Music/" + id + ".mp3";
    return t;
}

// The entries of every remembered set, in order.
std::vector<std::string> remembered(const std::filesystem::path& folder) {
    std::vector<std::string> entries;
    for (const auto& set : style::SetLog(folder).sets()) {
        entries.insert(entries.end(), set.locations.begin(), set.locations.end());
    }
    return entries;
}

class StyleSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.setValue(StyleSession::kLogFolderKey, folder());
        settings.setValue(StyleSession::kRememberSetsKey, true);
    }
    QString folder() const { return directory.filePath("Sets"); }
    std::filesystem::path folderPath() const { return folder().toStdString(); }

    QTemporaryDir directory;
    QSettings settings{directory.filePath("settings.ini"), QSettings::IniFormat};
    ListModesState modes{settings};
    StyleSession session{settings, modes, 50ms};
};

TEST_F(StyleSessionTest, OnlyATrackThatStaysTheSourceIsRememberedOnce) {
    const auto rememberedAre = [this](std::vector<std::string> files) {
        return tests::waitUntil([&] { return remembered(folderPath()) == files; });
    };
    session.sourceChanged(track("a"));
    ASSERT_TRUE(rememberedAre({"/Music/a.mp3"}));
    session.sourceChanged(track("a")); // the same track again: no second entry
    session.sourceChanged(track("b")); // replaced before its time
    session.sourceChanged(track("c"));
    QTest::qWait(20);
    session.sourceChanged(std::nullopt);
    QTest::qWait(100);
    session.sourceChanged(track("d"));
    EXPECT_TRUE(rememberedAre({"/Music/a.mp3", "/Music/d.mp3"}))
        << "got " << testing::PrintToString(remembered(folderPath()));
}

TEST_F(StyleSessionTest, NothingIsWrittenWhileTheDJHasNotAskedForIt) {
    session.setRemembersSets(false);
    session.sourceChanged(track("a"));
    QTest::qWait(150);
    EXPECT_FALSE(std::filesystem::exists(folderPath()));
}

TEST_F(StyleSessionTest, AnUnwritableLogIsReportedOnceAndTheSetGoesOn) {
    std::ofstream(folderPath()) << "a file where the folder should be";
    QSignalSpy failed(&session, &StyleSession::logFailed);
    session.sourceChanged(track("a"));
    ASSERT_TRUE(tests::waitUntil([&] { return failed.count() == 1; }));
    session.sourceChanged(track("b"));
    QTest::qWait(150);
    ASSERT_EQ(failed.count(), 1) << "once";
    EXPECT_TRUE(failed.at(0).at(0).toString().contains(QStringLiteral("Cuevox set")));
}

TEST_F(StyleSessionTest, TheModelIsMadeWhileTheStyleIsOnFromTheSetsAndServesOnlyItsCollection) {
    const std::vector<metadata::Track> tracks{track("a"), track("b"), track("c")};
    const auto now = std::chrono::system_clock::now();
    for (const auto& played : {tracks[0], tracks[2]}) {
        ASSERT_FALSE(style::SetLog(folderPath()).append(played, now));
    }
    auto library = std::make_shared<const tracklist::PreparedLibrary>(tracks);
    QSignalSpy changed(&session, &StyleSession::modelChanged);
    session.setCollection(library);
    EXPECT_FALSE(changed.wait(100)) << "the style is off";
    modes.set(&tracklist::ListModes::style, true);
    ASSERT_TRUE(changed.wait(5000));
    const auto model = session.modelFor(*library);
    ASSERT_TRUE(model);
    EXPECT_EQ(model->rank(tracks[0]).scores[2]->reason,
              (style::StyleReason{.kind = style::StyleReason::Kind::playedAfter, .count = 1}));
    // The next collection, while the style is on, is made at once and serves alone.
    auto next = std::make_shared<const tracklist::PreparedLibrary>(tracks);
    session.setCollection(next);
    session.setCollection(next); // under way: not made twice
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_TRUE(session.modelFor(*next));
    EXPECT_FALSE(session.modelFor(*library));
    // A collection let go is not kept.
    session.setCollection(nullptr);
    EXPECT_FALSE(session.modelFor(*next));
    EXPECT_EQ(changed.count(), 2);
}

// Histories are read from every M3U8 file of the folder the DJ names, whatever the case of its
// extension; other files and folders named like histories are left out. Naming another folder
// makes the model again, even while one is being made.
TEST_F(StyleSessionTest, TheModelLearnsFromTheHistoryFilesOfTheNamedFolder) {
    const std::vector<metadata::Track> tracks{track("a"), track("b"), track("c")};
    const QDir histories(directory.filePath("Histories"));
    ASSERT_TRUE(histories.mkpath(QStringLiteral("old.m3u8")));
    std::ofstream(histories.filePath("HISTORY 1.M3U8").toStdString())
        << "#EXTM3U\n/Music/b.mp3\n/Music/a.mp3\n";
    std::ofstream(histories.filePath("notes.txt").toStdString()) << "/Music/a.mp3\n/Music/c.mp3\n";
    auto library = std::make_shared<const tracklist::PreparedLibrary>(tracks);
    QSignalSpy changed(&session, &StyleSession::modelChanged);
    modes.set(&tracklist::ListModes::style, true);
    session.setCollection(library);
    ASSERT_TRUE(changed.wait(5000));
    const style::StyleReason playedAfter{.kind = style::StyleReason::Kind::playedAfter, .count = 1};
    const auto reasonAfterB = [&] {
        const auto score = session.modelFor(*library)->rank(tracks[1]).scores[0];
        return score ? score->reason : std::nullopt;
    };
    EXPECT_NE(reasonAfterB(), playedAfter) << "no history named yet";

    session.setHistoryFolder(std::filesystem::path(directory.filePath("Elsewhere").toStdString()));
    session.setHistoryFolder(std::filesystem::path(histories.path().toStdString()));
    session.setHistoryFolder(std::filesystem::path(histories.path().toStdString()));
    ASSERT_TRUE(tests::waitUntil([&] { return reasonAfterB() == playedAfter; }));
    EXPECT_EQ(settings.value(StyleSession::kHistoryFolderKey), histories.path());
    const auto afterA = session.modelFor(*library)->rank(tracks[0]);
    if (afterA.scores[2]) {
        EXPECT_NE(afterA.scores[2]->reason, playedAfter) << "notes.txt is no history";
    }
    session.setHistoryFolder(std::nullopt);
    EXPECT_FALSE(settings.contains(StyleSession::kHistoryFolderKey));
    ASSERT_TRUE(tests::waitUntil([&] { return reasonAfterB() != playedAfter; }));
}

} // namespace
} // namespace cuevox::state
