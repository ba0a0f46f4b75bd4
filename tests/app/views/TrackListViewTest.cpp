#include "views/TrackListView.hpp"

#include "ViewModelFixture.hpp"
#include "artwork/ArtworkLoader.hpp"
#include "views/TrackListModel.hpp"
#include "views/TrackRowDelegate.hpp"

#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QSet>
#include <QStackedLayout>
#include <QTest>
#include <QToolTip>

namespace cuevox::views {
namespace {

using decks::DeckIdentifier;

std::string numberedCollection(int count) {
    std::string xml = "<DJ_PLAYLISTS><COLLECTION>";
    for (int i = 1; i <= count; ++i) {
        const char* genre = i % 3 == 0 ? "Techno" : "House";
        char line[256];
        std::snprintf(
            line, sizeof line,
            R"(<TRACK TrackID="%d" Name="Track %02d" Artist="Artist %02d" Genre="%s" AverageBpm="%d.00" Comments="E%d"/>)",
            i, i, i, genre, 120 + i % 10, 1 + i % 10);
        xml += line;
    }
    return xml + "</COLLECTION></DJ_PLAYLISTS>";
}

// Pixels in about the accent colour: of all a row paints, only the pitch has it.
int accentPixels(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.red() < 60 && pixel.blue() > 150 && pixel.blue() > pixel.green() + 60;
        }
    }
    return count;
}

class TrackListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.resize(420, 300);
        view.show();
    }

    bool showsEmptyState() const {
        auto* pages = qobject_cast<QStackedLayout*>(view.layout());
        return pages->currentWidget() != view.listView();
    }

    void click(const std::string& id, Qt::KeyboardModifiers modifiers = {}) {
        const QModelIndex index = view.model()->index(*view.model()->rowOf(id));
        view.listView()->scrollTo(index);
        QTest::mouseClick(view.listView()->viewport(), Qt::LeftButton, modifiers,
                          view.listView()->visualRect(index).center());
    }
    std::optional<std::string> highlightedID() const {
        const QModelIndexList rows = view.listView()->selectionModel()->selectedIndexes();
        if (rows.size() != 1) {
            EXPECT_TRUE(rows.isEmpty()) << "more than one row selected";
            return std::nullopt;
        }
        return rows.front().data(TrackListModel::TrackIDRole).toString().toStdString();
    }

    testing::TestViewModel vm;
    artwork::ArtworkLoader loader{[](const QString&) { return QByteArray(); }};
    TrackListView view{vm.model, vm.localization, loader};
};

TEST_F(TrackListViewTest, EmptyListShowsANoteAndOneSelectedRowFollowsTheTrackAcrossUpdates) {
    EXPECT_TRUE(showsEmptyState());
    EXPECT_EQ(view.findChild<QLabel*>()->text(), QStringLiteral("No collection loaded"));
    vm.localization.setLanguage(i18n::AppLanguage::ru);
    EXPECT_EQ(view.findChild<QLabel*>()->text(), QStringLiteral("Библиотека не загружена"));
    vm.load(numberedCollection(6));
    EXPECT_FALSE(showsEmptyState());
    EXPECT_EQ(view.listView()->model()->rowCount(), 6);
    QListView& list = *view.listView();
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_TRUE(list.uniformItemSizes());
    EXPECT_TRUE(list.dragEnabled());
    EXPECT_EQ(list.defaultDropAction(), Qt::CopyAction);
    EXPECT_FALSE(list.acceptDrops());
    EXPECT_EQ(list.visualRect(list.model()->index(1, 0)).height(), TrackRowDelegate::kRowHeight);
    click("3"); // Techno
    EXPECT_EQ(view.selectedTrackID(), "3");
    EXPECT_EQ(highlightedID(), "3");
    // Filtered out: nothing highlighted, but the choice is remembered.
    vm.model.filters().setGenres({"House"});
    EXPECT_EQ(highlightedID(), std::nullopt);
    EXPECT_EQ(view.selectedTrackID(), "3");
    // Back, at another row: highlighted again.
    vm.model.filters().setGenres({"Techno"});
    EXPECT_EQ(view.model()->rowOf("3"), 0);
    EXPECT_EQ(highlightedID(), "3");
    vm.model.filters().reset();
    EXPECT_EQ(view.model()->rowOf("3"), 2);
    EXPECT_EQ(highlightedID(), "3");
    // A playing deck reorders the list by score; the highlight moves with the track.
    vm.show(DeckIdentifier::deck1, {{"Track 03", "Artist 03"}}, true);
    ASSERT_TRUE(view.model()->rowOf("3"));
    EXPECT_EQ(highlightedID(), "3");
    // The user's own changes are taken: another row, then none.
    vm.show(DeckIdentifier::deck1, std::nullopt, false);
    click("5");
    EXPECT_EQ(view.selectedTrackID(), "5");
    click("5", Qt::ControlModifier);
    EXPECT_EQ(highlightedID(), std::nullopt);
    EXPECT_EQ(view.selectedTrackID(), std::nullopt);
    vm.model.filters().setGenres({"House"});
    EXPECT_EQ(highlightedID(), std::nullopt);
    // Keeping the selection never scrolls to it.
    vm.load(numberedCollection(40));
    click("30");
    QScrollBar& bar = *view.listView()->verticalScrollBar();
    bar.setValue(0);
    vm.model.filters().setGenres({"Techno"});
    vm.model.filters().reset();
    EXPECT_EQ(highlightedID(), "30");
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(view.listView()->currentIndex().data(TrackListModel::TrackIDRole).toString(),
              QStringLiteral("30"))
        << "the arrow keys go on from the kept row";
}

TEST_F(TrackListViewTest, RowsShowThePitchBesideTheTempoInTheTempoModeOnly) {
    vm.load(numberedCollection(6));
    vm.show(DeckIdentifier::deck1, {{"Track 03", "Artist 03"}}, true, 124.0);
    QWidget& rows = *view.listView()->viewport();
    EXPECT_EQ(accentPixels(rows), 0);
    vm.model.modes().set(&tracklist::ListModes::pitchRange, *tracklist::PitchRange::fromPercent(8));
    vm.settle();
    ASSERT_TRUE(vm.model.list().tracks.row(0).pitch.has_value());
    EXPECT_GT(accentPixels(rows), 20);
}

TEST_F(TrackListViewTest, TheKeyAsHeardAndTheKeyMoveEachHaveATooltip) {
    vm.load(R"(<DJ_PLAYLISTS><COLLECTION>
      <TRACK TrackID="1" Name="Playing" Artist="A" AverageBpm="128.00" Tonality="8A"/>
      <TRACK TrackID="2" Name="Between" Artist="B" AverageBpm="124.50" Tonality="9A"/>
    </COLLECTION></DJ_PLAYLISTS>)");
    vm.model.modes().set(&tracklist::ListModes::keyLock, false);
    vm.model.modes().set(&tracklist::ListModes::pitchRange, *tracklist::PitchRange::fromPercent(4));
    vm.show(DeckIdentifier::deck1, {{"Playing", "A"}}, true, 128.0);
    // Every tooltip the row of Between gives anywhere over it.
    QWidget& rows = *view.listView()->viewport();
    const QModelIndex between = view.model()->index(*view.model()->rowOf("2"));
    const QRect row = view.listView()->visualRect(between);
    QSet<QString> tips;
    for (int y = row.top(); y <= row.bottom(); y += 3) {
        for (int x = row.left(); x <= row.right(); x += 3) {
            QHelpEvent event(QEvent::ToolTip, {x, y}, rows.mapToGlobal(QPoint(x, y)));
            QCoreApplication::sendEvent(&rows, &event);
            tips << QToolTip::text();
        }
    }
    tips.remove({});
    EXPECT_EQ(tips, (QSet<QString>{between.data(TrackListModel::KeyMoveTipRole).toString(),
                                   between.data(TrackListModel::KeyTipRole).toString()}));
}

} // namespace
} // namespace cuevox::views
