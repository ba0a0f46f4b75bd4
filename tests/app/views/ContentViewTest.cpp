#include "views/ContentView.hpp"

#include "ViewModelFixture.hpp"
#include "artwork/ArtworkLoader.hpp"
#include "views/BannerView.hpp"
#include "views/FilterBarView.hpp"
#include "views/HeaderView.hpp"
#include "views/NowPlayingSection.hpp"
#include "views/NowPlayingView.hpp"
#include "views/TrackListView.hpp"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <atomic>

namespace cuevox::views {
namespace {

using decks::DeckIdentifier;
using i18n::AppLanguage;

constexpr const char* kFourTracks = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="One" Artist="A" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="E6"/>
  <TRACK TrackID="2" Name="Two" Artist="B" Genre="House" AverageBpm="128.50" Tonality="9A" Comments="E6"/>
  <TRACK TrackID="3" Name="Three" Artist="C" Genre="Techno" AverageBpm="127.50" Tonality="8B" Comments="E7"/>
  <TRACK TrackID="4" Name="Four" Artist="D" Genre="Techno" AverageBpm="128.20" Tonality="7A" Comments="E5"/>
</COLLECTION></DJ_PLAYLISTS>)";

constexpr const char* kNoTracks = "<DJ_PLAYLISTS><COLLECTION/></DJ_PLAYLISTS>";

const std::pair<std::string, std::string> kTrackOnDeck[] = {
    {"One", "A"}, {"Two", "B"}, {"Three", "C"}, {"Four", "D"}};

class ContentViewTest : public testing::ViewModelFixture {
protected:
    void SetUp() override {
        ViewModelFixture::SetUp();
        // Again, with a trust flag the test turns and a permission poll that does not wait.
        auto fake = std::make_unique<testing::FakeMonitor>();
        monitor = fake.get();
        viewModel = std::make_unique<state::RecommendationViewModel>(
            std::move(fake), [this] { return trusted.load(); }, settings.get(),
            state::ViewModelTiming{1, 5, 5});
        view = std::make_unique<ContentView>(
            *viewModel, *localization, artwork,
            ContentView::PermissionActions{[this] { ++accessRequests; }, {}});
        view->resize(ContentView::kIdealSize);
        view->show();
        settle();
    }
    void TearDown() override {
        view.reset();
        ViewModelFixture::TearDown();
    }

    bool shown(const QWidget* widget) const { return widget->isVisibleTo(view.get()); }

    // Waits out at least one permission poll.
    void pollPermission() {
        QTest::qWait(30);
        settle();
    }

    std::vector<DeckIdentifier> panelDecks() const {
        std::vector<DeckIdentifier> decks;
        for (QWidget* widget : view->nowPlaying()->panels()) {
            if (const auto& deck = static_cast<NowPlayingView*>(widget)->inputs().deck) {
                decks.push_back(*deck);
            }
        }
        return decks;
    }

    int dividers(const char* name) const {
        const QList<QWidget*> panels = view->nowPlaying()->panels();
        return static_cast<int>(
            panels.front()
                ->parentWidget()
                ->findChildren<QFrame*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly)
                .size());
    }

    std::atomic<bool> trusted{true};
    int accessRequests = 0;
    artwork::ArtworkLoader artwork{[](const QString&) {
        return QByteArray();
    }};
    std::unique_ptr<ContentView> view;
};

TEST_F(ContentViewTest, CollectionSizeDecidesCountFilterBarAndList) {
    // Nothing loaded: title and load button only, no filter bar, the list's empty state.
    EXPECT_TRUE(shown(view->header()->loadButton()));
    EXPECT_FALSE(shown(view->header()->countLabel()));
    EXPECT_FALSE(shown(view->filterBar()));
    EXPECT_FALSE(shown(view->trackList()->listView()));

    loadCollection(kFourTracks);
    EXPECT_TRUE(shown(view->header()->countLabel()));
    EXPECT_EQ(view->header()->countLabel()->text(), QStringLiteral("4 tracks"));
    EXPECT_TRUE(shown(view->filterBar()));
    EXPECT_TRUE(shown(view->trackList()->listView()));

    // An empty collection reads as none at all.
    loadCollection(kNoTracks);
    EXPECT_FALSE(shown(view->header()->countLabel()));
    EXPECT_FALSE(shown(view->filterBar()));
    EXPECT_FALSE(shown(view->trackList()->listView()));
}

TEST_F(ContentViewTest, HeaderShowsHowFarALoadHasComeUntilItEnds) {
    localization->setLanguage(AppLanguage::tr);
    QSignalSpy finished(viewModel.get(), &state::RecommendationViewModel::libraryLoadFinished);
    viewModel->loadLibrary(directory.filePath("gone.xml").toStdString());
    EXPECT_TRUE(shown(view->header()->progressLabel()));
    EXPECT_EQ(view->header()->progressLabel()->text(), QStringLiteral("Yükleniyor… %0"));
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(shown(view->header()->progressLabel()));
}

TEST_F(ContentViewTest, PermissionBannerFollowsTheTrustCheckWithoutUserAction) {
    trusted = false;
    pollPermission();
    EXPECT_TRUE(shown(view->permissionBanner()));
    // With what to do when macOS no longer knows the grant it still shows as on.
    const QLabel* note = view->permissionBanner()->noteLabel();
    EXPECT_TRUE(shown(note));
    EXPECT_TRUE(note->text().contains(QStringLiteral("remove it with “−”")))
        << note->text().toStdString();
    QTest::mouseClick(view->permissionBanner()->firstButton(), Qt::LeftButton);
    EXPECT_EQ(accessRequests, 1);
    // The second button has no action here; pressing it must not fail.
    QTest::mouseClick(view->permissionBanner()->secondButton(), Qt::LeftButton);

    trusted = true;
    pollPermission();
    EXPECT_FALSE(shown(view->permissionBanner()));

    trusted = false;
    pollPermission();
    EXPECT_TRUE(shown(view->permissionBanner()));
}

TEST_F(ContentViewTest, ErrorBannerShowsEachFailedLoadUntilDismissed) {
    EXPECT_FALSE(shown(view->errorBanner()));
    loadCollection(kFourTracks);
    loadCollection("<DJ_PLAYLISTS><COLLECTION>");
    ASSERT_TRUE(shown(view->errorBanner()));
    const QLabel* body = view->errorBanner()->bodyLabel();
    EXPECT_TRUE(body->text().startsWith(QStringLiteral("malformedXML(\"")))
        << body->text().toStdString();
    // The collection that was open stays open.
    EXPECT_EQ(view->header()->countLabel()->text(), QStringLiteral("4 tracks"));

    QTest::mouseClick(view->errorBanner()->secondButton(), Qt::LeftButton);
    settle();
    EXPECT_FALSE(shown(view->errorBanner()));
    loadCollection(kFourTracks);
    EXPECT_FALSE(shown(view->errorBanner()));
    loadCollection("not xml at all");
    EXPECT_TRUE(shown(view->errorBanner()));

    // Both banners: the permission one comes first.
    trusted = false;
    pollPermission();
    ASSERT_TRUE(shown(view->permissionBanner()));
    EXPECT_LT(view->permissionBanner()->mapTo(view.get(), QPoint()).y(),
              view->errorBanner()->mapTo(view.get(), QPoint()).y());
}

TEST_F(ContentViewTest, DecksAreLaidOutLikeAFourDeckMixer) {
    loadCollection(kFourTracks);
    struct Case {
        std::vector<DeckIdentifier> active;
        int horizontalDividers;
        int verticalDividers;
        // Panels that span the whole width rather than half of it.
        std::vector<DeckIdentifier> fullWidth;
    };
    using D = DeckIdentifier;
    const Case cases[] = {
        {{D::deck3}, 0, 0, {D::deck3}},
        {{D::deck1, D::deck2, D::deck3, D::deck4}, 1, 2, {}},
        {{D::deck1, D::deck2, D::deck4}, 1, 1, {D::deck4}},
        {{D::deck2, D::deck4}, 1, 0, {D::deck2, D::deck4}},
        {{D::deck3, D::deck4}, 0, 1, {}},
    };
    for (const Case& c : cases) {
        for (D deck : decks::kAllDeckIdentifiers) {
            const bool active = std::find(c.active.begin(), c.active.end(), deck) != c.active.end();
            const auto index = static_cast<std::size_t>(deck);
            showOnDeck(deck, active ? std::optional(kTrackOnDeck[index]) : std::nullopt, false);
        }
        QTest::qWait(1);
        settle();
        std::string label;
        for (D deck : c.active) {
            label += std::to_string(static_cast<int>(deck) + 1);
        }
        SCOPED_TRACE("decks " + label);
        EXPECT_EQ(panelDecks(), c.active);
        EXPECT_EQ(dividers("horizontalDivider"), c.horizontalDividers);
        EXPECT_EQ(dividers("verticalDivider"), c.verticalDividers);
        const int width = view->width();
        for (QWidget* widget : view->nowPlaying()->panels()) {
            const D deck = *static_cast<NowPlayingView*>(widget)->inputs().deck;
            const bool full =
                std::find(c.fullWidth.begin(), c.fullWidth.end(), deck) != c.fullWidth.end();
            EXPECT_NEAR(widget->width(), full ? width : width / 2, 2)
                << "deck " << static_cast<int>(deck) + 1;
        }
    }

    // No deck at all: one panel without a deck, showing that nothing plays.
    for (D deck : decks::kAllDeckIdentifiers) {
        showOnDeck(deck, std::nullopt, false);
    }
    settle();
    ASSERT_EQ(view->nowPlaying()->panels().size(), 1);
    const auto& inputs =
        static_cast<NowPlayingView*>(view->nowPlaying()->panels().front())->inputs();
    EXPECT_FALSE(inputs.deck.has_value());
    EXPECT_FALSE(inputs.track.has_value());
}

TEST_F(ContentViewTest, LanguageSwitchRedrawsHeaderAndBannersAtOnce) {
    trusted = false;
    pollPermission();
    loadCollection(kFourTracks);
    loadCollection("<broken");
    localization->setLanguage(AppLanguage::de);
    EXPECT_EQ(view->header()->countLabel()->text(), localization->t("app.tracks_count", 4));
    EXPECT_EQ(view->header()->loadButton()->text(), localization->t("app.load_library"));
    EXPECT_EQ(view->permissionBanner()->firstButton()->text(),
              localization->t("accessibility.request"));
    EXPECT_EQ(view->errorBanner()->secondButton()->text(), localization->t("library.dismiss"));
    EXPECT_NE(view->header()->loadButton()->text(), QStringLiteral("Load Library…"));
}

TEST_F(ContentViewTest, NarrowWindowPutsThePillsOnASecondRow) {
    loadCollection(kFourTracks);
    EXPECT_FALSE(view->filterBar()->wrapsPills());
    view->resize(ContentView::kMinimumSize);
    settle();
    EXPECT_TRUE(view->filterBar()->wrapsPills());
    // Nothing of the bar overlaps any other part of it.
    const QList<QWidget*> parts =
        view->filterBar()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* a : parts) {
        for (QWidget* b : parts) {
            if (a != b && a->isVisible() && b->isVisible()) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->metaObject()->className() << " and " << b->metaObject()->className();
            }
        }
    }
    view->resize(ContentView::kIdealSize);
    settle();
    EXPECT_FALSE(view->filterBar()->wrapsPills());

    // At the narrowest width that keeps one row, a longer count must wrap the pills too.
    const auto wrapsAt = [this](int width) {
        view->resize(width, ContentView::kIdealSize.height());
        settle();
        return view->filterBar()->wrapsPills();
    };
    int wraps = ContentView::kMinimumSize.width();
    int fits = ContentView::kIdealSize.width();
    while (fits - wraps > 1) {
        const int middle = (wraps + fits) / 2;
        (wrapsAt(middle) ? wraps : fits) = middle;
    }
    ASSERT_FALSE(wrapsAt(fits));
    std::string many = "<DJ_PLAYLISTS><COLLECTION>";
    for (int i = 1; i <= 10000; ++i) {
        many += "<TRACK TrackID=\"" + std::to_string(i) + "\" Name=\"T\" Artist=\"A\"/>";
    }
    loadCollection(many + "</COLLECTION></DJ_PLAYLISTS>");
    EXPECT_EQ(view->filterBar()->countLabel().text(), QStringLiteral("All Tracks (10000)"));
    EXPECT_TRUE(view->filterBar()->wrapsPills());
}

} // namespace
} // namespace cuevox::views
