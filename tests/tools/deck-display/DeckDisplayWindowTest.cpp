#include "deck-display/DeckDisplayWindow.hpp"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QTest>

namespace cuevox::tools {
namespace {

using Texts = std::vector<std::string>;

metadata::Track track(std::string id, std::string title) {
    metadata::Track track;
    track.id = std::move(id);
    track.title = std::move(title);
    track.artist = "Artist";
    track.bpm = 126;
    track.musicalKey = "8A";
    track.duration = 60;
    return track;
}

// What a reader of the window finds in one deck: its labels' texts in order, blanks dropped.
Texts shown(const QWidget& window, int deck) {
    const auto* panel = window.findChild<QFrame*>(QStringLiteral("deck%1").arg(deck));
    Texts texts;
    if (panel == nullptr) {
        return texts;
    }
    for (const QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->text().isEmpty()) {
            texts.push_back(label->text().toStdString());
        }
    }
    return texts;
}

Texts loaded(const char* deck, const char* title, const char* played, const char* left) {
    return {deck, title, "Artist", "126.00", "8A", played, left};
}

// The keys a person plays the display with, each followed through to what the labels show.
// Each key redraws at once; a deck key that changes nothing stands in for the timer's redraw.
TEST(DeckDisplayWindow, KeysPickADeckAndLoadPlayPauseAndEjectIt) {
    double time = 0;
    DeckDisplayWindow window(std::make_unique<DeckDisplayController>(
        std::vector<metadata::Track>{track("1", "First"), track("2", "Second")},
        [&] { return time; }));
    window.show();
    EXPECT_EQ(shown(window, 2), (Texts{"DECK 2", "Not Loaded."}));
    QTest::keyClick(&window, Qt::Key_2);
    QTest::keyClick(&window, Qt::Key_L);
    EXPECT_EQ(shown(window, 2), loaded("DECK 2", "First", "0:00.0", "-1:00.0"));
    EXPECT_EQ(shown(window, 1), (Texts{"DECK 1", "Not Loaded."})) << "only the picked deck loads";
    QTest::keyClick(&window, Qt::Key_Space);
    time = 1.5;
    QTest::keyClick(&window, Qt::Key_2);
    EXPECT_EQ(shown(window, 2), loaded("DECK 2", "First", "0:01.5", "-0:58.5"));
    QTest::keyClick(&window, Qt::Key_4);
    QTest::keyClick(&window, Qt::Key_L);
    EXPECT_EQ(shown(window, 4), loaded("DECK 4", "Second", "0:00.0", "-1:00.0"));
    QTest::keyClick(&window, Qt::Key_E);
    EXPECT_EQ(shown(window, 4), (Texts{"DECK 4", "Not Loaded."}));
    // 5 is no deck: deck 4 stays picked.
    QTest::keyClick(&window, Qt::Key_5);
    QTest::keyClick(&window, Qt::Key_L);
    EXPECT_EQ(shown(window, 4), loaded("DECK 4", "First", "0:00.0", "-1:00.0"));
}

} // namespace
} // namespace cuevox::tools
