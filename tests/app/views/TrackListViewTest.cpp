#include "views/TrackListView.hpp"

#include "TableScreenshots.hpp"
#include "ViewModelFixture.hpp"
#include "artwork/ArtworkLoader.hpp"
#include "views/Theme.hpp"
#include "views/TrackListModel.hpp"
#include "views/TrackRowDelegate.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QTest>
#include <memory>

namespace cuevox::views {
namespace {

using decks::DeckIdentifier;
using i18n::AppLanguage;

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

class TrackListViewTest : public testing::ViewModelFixture {
protected:
    void SetUp() override {
        ViewModelFixture::SetUp();
        loader =
            std::make_unique<artwork::ArtworkLoader>([](const QString&) { return QByteArray(); });
        view = std::make_unique<TrackListView>(*viewModel, *localization, *loader);
        view->resize(420, 300);
        view->show();
    }
    void TearDown() override {
        view.reset();
        loader.reset();
        ViewModelFixture::TearDown();
    }

    bool showsEmptyState() const {
        auto* pages = qobject_cast<QStackedLayout*>(view->layout());
        return pages->currentWidget() != view->listView();
    }
    QString emptyText() const { return view->findChild<QLabel*>()->text(); }

    void click(const std::string& id, Qt::KeyboardModifiers modifiers = {}) {
        const QModelIndex index = view->model()->index(*view->model()->rowOf(id));
        view->listView()->scrollTo(index);
        QTest::mouseClick(view->listView()->viewport(), Qt::LeftButton, modifiers,
                          view->listView()->visualRect(index).center());
    }
    std::optional<std::string> highlightedID() const {
        const QModelIndexList rows = view->listView()->selectionModel()->selectedIndexes();
        if (rows.size() != 1) {
            EXPECT_TRUE(rows.isEmpty()) << "more than one row selected";
            return std::nullopt;
        }
        return rows.front().data(TrackListModel::TrackIDRole).toString().toStdString();
    }

    std::unique_ptr<artwork::ArtworkLoader> loader;
    std::unique_ptr<TrackListView> view;
};

TEST_F(TrackListViewTest, EmptyListShowsTheNoteInTheCurrentLanguage) {
    EXPECT_TRUE(showsEmptyState());
    EXPECT_EQ(emptyText(), QStringLiteral("No tracks match these filters"));
    localization->setLanguage(AppLanguage::ru);
    EXPECT_EQ(emptyText(), QStringLiteral("Нет треков, соответствующих фильтрам"));
    testing::saveTableScreenshot(*view, QStringLiteral("tracklist-empty-ru"));
    localization->setLanguage(AppLanguage::ja);
    testing::saveTableScreenshot(*view, QStringLiteral("tracklist-empty-ja"));

    loadCollection(numberedCollection(5));
    EXPECT_FALSE(showsEmptyState());
    EXPECT_EQ(view->listView()->model()->rowCount(), 5);

    viewModel->setSearchText(QStringLiteral("nothing like this"));
    QTest::qWait(20);
    EXPECT_TRUE(showsEmptyState());
    viewModel->setSearchText(QString());
    QTest::qWait(20);
    EXPECT_FALSE(showsEmptyState());
}

TEST_F(TrackListViewTest, ListIsSetUpForOneSelectedRowAndCopyDrags) {
    QListView& list = *view->listView();
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_TRUE(list.uniformItemSizes());
    EXPECT_TRUE(list.dragEnabled());
    EXPECT_EQ(list.defaultDropAction(), Qt::CopyAction);
    EXPECT_FALSE(list.acceptDrops());
    loadCollection(numberedCollection(3));
    EXPECT_EQ(list.visualRect(list.model()->index(1, 0)).height(), TrackRowDelegate::kRowHeight);
}

TEST_F(TrackListViewTest, SelectionFollowsTheTrackAcrossUpdatesAndIsClearedWhileFilteredOut) {
    loadCollection(numberedCollection(6));
    click("3"); // Techno
    EXPECT_EQ(view->selectedTrackID(), "3");
    EXPECT_EQ(highlightedID(), "3");

    // Filtered out: nothing highlighted, but the choice is remembered.
    viewModel->setSelectedGenres({"House"});
    EXPECT_EQ(highlightedID(), std::nullopt);
    EXPECT_EQ(view->selectedTrackID(), "3");

    // Back, at another row: highlighted again.
    viewModel->setSelectedGenres({"Techno"});
    EXPECT_EQ(view->model()->rowOf("3"), 0);
    EXPECT_EQ(highlightedID(), "3");
    viewModel->resetFilters();
    EXPECT_EQ(view->model()->rowOf("3"), 2);
    EXPECT_EQ(highlightedID(), "3");

    // A playing deck reorders the list by score; the highlight moves with the track.
    showOnDeck(DeckIdentifier::deck1, {{"Track 03", "Artist 03"}}, true);
    ASSERT_TRUE(view->model()->rowOf("3"));
    EXPECT_EQ(highlightedID(), "3");
    testing::saveTableScreenshot(*view, QStringLiteral("tracklist-playing"));

    // The user's own changes are taken: another row, then none.
    showOnDeck(DeckIdentifier::deck1, std::nullopt, false);
    click("5");
    EXPECT_EQ(view->selectedTrackID(), "5");
    click("5", Qt::ControlModifier);
    EXPECT_EQ(highlightedID(), std::nullopt);
    EXPECT_EQ(view->selectedTrackID(), std::nullopt);
    viewModel->setSelectedGenres({"House"});
    EXPECT_EQ(highlightedID(), std::nullopt);
}

TEST_F(TrackListViewTest, KeepingTheSelectionNeverScrollsToIt) {
    loadCollection(numberedCollection(40));
    click("30");
    QScrollBar& bar = *view->listView()->verticalScrollBar();
    bar.setValue(0);
    viewModel->setSelectedGenres({"Techno"});
    viewModel->resetFilters();
    EXPECT_EQ(highlightedID(), "30");
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(view->listView()->currentIndex().data(TrackListModel::TrackIDRole).toString(),
              QStringLiteral("30"))
        << "the arrow keys go on from the kept row";
}

// The delegate paints only from roles, so any model with the roles shows every kind of row.
TEST(TrackRowDelegateTest, ScreenshotsOfEveryKindOfRow) {
    if (qEnvironmentVariableIsEmpty("CUEVOX_SCREENSHOTS")) {
        GTEST_SKIP() << "CUEVOX_SCREENSHOTS is not set";
    }
    struct Row {
        const char* title;
        const char* artist;
        bool played;
        const char* deck;
        std::optional<double> score;
        bool allFields;
    };
    const Row rows[] = {
        {"Night Song (Extended Mix)", "The Band", true, "DECK 1", 97.5, true},
        {"Near", "Other", false, "DECK 3", 85, true},
        {"Almost Green", "Yellow Artist", false, nullptr, 84.99, true},
        {"Played and on deck 2 with a very long title that needs cutting off", "Someone", true,
         "DECK 2", 60, true},
        {"Dimmed", "Low Score", false, nullptr, 59.99, true},
        {"No score and no metadata", "Anonymous", false, nullptr, std::nullopt, false},
        {"Тёмная ночь", "Исполнитель", false, nullptr, 72.4, true},
        {"夜の歌", "アーティスト", true, nullptr, 88, true},
    };
    QStandardItemModel model;
    for (const Row& row : rows) {
        auto* item = new QStandardItem(QString::fromUtf8(row.title));
        item->setData(QString::fromUtf8(row.artist), TrackListModel::ArtistRole);
        item->setData(row.played ? theme::kGreen : theme::kPrimaryText, Qt::ForegroundRole);
        item->setData(row.played ? theme::withOpacity(theme::kGreen, 0.8) : theme::kSecondaryText,
                      TrackListModel::ArtistColorRole);
        if (row.deck != nullptr) {
            item->setData(QString::fromLatin1(row.deck), TrackListModel::LoadedDeckRole);
        }
        if (row.score) {
            item->setData(*row.score, TrackListModel::ScoreRole);
        }
        if (row.allFields) {
            item->setData(QStringLiteral("128.00"), TrackListModel::TempoTextRole);
            item->setData(QStringLiteral("8A"), TrackListModel::KeyTextRole);
            item->setData(QStringLiteral("Deep House"), TrackListModel::GenreRole);
            item->setData(QStringLiteral("6"), TrackListModel::EnergyTextRole);
            item->setData(QStringLiteral("2019"), TrackListModel::YearTextRole);
            item->setData(QStringLiteral("Night Records"), TrackListModel::LabelRole);
        }
        model.appendRow(item);
    }
    artwork::ArtworkLoader loader([](const QString&) { return QByteArray(); });
    TrackRowDelegate delegate(loader);
    QListView list;
    list.setFrameShape(QFrame::NoFrame);
    list.setUniformItemSizes(true);
    list.viewport()->setAutoFillBackground(false);
    list.setItemDelegate(&delegate);
    list.setModel(&model);
    QPalette palette = list.palette();
    palette.setColor(QPalette::Highlight, theme::withOpacity(theme::kAccent, 0.45));
    list.setPalette(palette);
    list.resize(460, TrackRowDelegate::kRowHeight * 8);
    list.selectionModel()->select(model.index(2, 0), QItemSelectionModel::Select);
    list.show();
    testing::saveTableScreenshot(list, QStringLiteral("tracklist-rows"));
}

} // namespace
} // namespace cuevox::views
