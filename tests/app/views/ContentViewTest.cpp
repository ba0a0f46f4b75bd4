#include "views/ContentView.hpp"

#include "ViewModelFixture.hpp"
#include "artwork/ArtworkLoader.hpp"
#include "support/WaitUntil.hpp"
#include "views/BannerView.hpp"
#include "views/FilterBarView.hpp"
#include "views/HeaderView.hpp"
#include "views/LoadFailureText.hpp"
#include "views/NowPlayingSection.hpp"
#include "views/NowPlayingView.hpp"
#include "views/TrackListView.hpp"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <array>
#include <atomic>
#include <fstream>

namespace cuevox::views {
namespace {

using decks::DeckIdentifier;
using i18n::AppLanguage;
using ViewModel = state::RecommendationViewModel;
using namespace std::chrono_literals;

using testing::kThreeTracks;

class ContentViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.resize(ContentView::kIdealSize);
        view.show();
    }

    bool shown(const QWidget* widget) const { return widget->isVisibleTo(&view); }
    // Until the permission poll has seen the change.
    void setTrusted(bool value) {
        QSignalSpy changed(&vm.model, &ViewModel::hasAccessibilityPermissionChanged);
        trusted = value;
        while (vm.model.hasAccessibilityPermission() != value && changed.wait(5000)) {
        }
        EXPECT_EQ(vm.model.hasAccessibilityPermission(), value);
        vm.settle();
    }

    std::vector<DeckIdentifier> panelDecks() const {
        std::vector<DeckIdentifier> decks;
        for (QWidget* widget : view.nowPlaying()->panels()) {
            if (const auto& deck = static_cast<NowPlayingView*>(widget)->inputs().deck) {
                decks.push_back(*deck);
            }
        }
        return decks;
    }
    int dividers(const char* name) const {
        const QWidget* section = view.nowPlaying()->panels().front()->parentWidget();
        return int(section->findChildren<QFrame*>(name, Qt::FindDirectChildrenOnly).size());
    }

    std::atomic<bool> trusted{true};
    int accessRequests = 0;
    testing::TestViewModel vm{[this] { return trusted.load(); }, {1ms, {5ms, 5ms}, 20ms}};
    artwork::ArtworkLoader artwork{[](const QString&) { return QByteArray(); }};
    ContentView view{vm.model, vm.localization, artwork, {[this] { ++accessRequests; }, {}}};
};

TEST_F(ContentViewTest, HeaderShowsTheLoadThenTheCollectionSizeDecidesCountFilterBarAndList) {
    const auto sections = [this] {
        return std::array{shown(view.header()->countLabel()), shown(view.filterBar()),
                          shown(view.trackList()->listView())};
    };
    const QLabel& empty = *view.trackList()->emptyText();
    // Nothing loaded: title and load button only, no filter bar, the list's empty state with a
    // second load button.
    EXPECT_TRUE(shown(view.header()->loadButton()));
    EXPECT_EQ(sections(), (std::array{false, false, false}));
    EXPECT_EQ(empty.text(), QStringLiteral("No collection loaded"));
    EXPECT_TRUE(shown(view.trackList()->loadButton()));
    vm.load(kThreeTracks);
    EXPECT_EQ(view.header()->countLabel()->text(), QStringLiteral("3 tracks"));
    EXPECT_EQ(sections(), (std::array{true, true, true}));
    vm.model.filters().setSearchText(QStringLiteral("no such title"));
    vm.settle();
    EXPECT_EQ(empty.text(), QStringLiteral("No tracks match these filters"));
    EXPECT_FALSE(shown(view.trackList()->loadButton()));
    // An empty collection has no count and no filter bar, as none at all.
    vm.load("<DJ_PLAYLISTS><COLLECTION/></DJ_PLAYLISTS>");
    EXPECT_EQ(sections(), (std::array{false, false, false}));
    EXPECT_EQ(empty.text(), QStringLiteral("This collection has no tracks"));
    // The header and the list show how far a load has come until it ends.
    vm.localization.setLanguage(AppLanguage::tr);
    QSignalSpy finished(&vm.model, &ViewModel::libraryLoadFinished);
    vm.model.loadLibrary(vm.directory.filePath("gone.xml").toStdString());
    EXPECT_TRUE(shown(view.header()->progressLabel()));
    EXPECT_EQ(view.header()->progressLabel()->text(), QStringLiteral("Yükleniyor… %0"));
    EXPECT_EQ(empty.text(), QStringLiteral("gone.xml yükleniyor… %0"));
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(shown(view.header()->progressLabel()));
}

// Each way a load fails as a sentence of the interface language naming the file, the place
// where a broken one stops, and the system's or the parser's own words.
TEST_F(ContentViewTest, ALoadFailureIsASentenceInTheInterfaceLanguage) {
    using importing::FileReadError, importing::RekordboxXMLError;
    const auto readError = [](std::error_code code) {
        return importing::LoadError{FileReadError{"/m/a.xml", code}};
    };
    // clang-format off
    const struct { AppLanguage language; importing::LoadError error; const char* text; } cases[] = {
        {AppLanguage::en, {RekordboxXMLError::fileNotFound("/m/a.xml")}, "There is no file “a.xml” in /m."},
        {AppLanguage::en, {RekordboxXMLError::malformedXML("no element found", {{349, 4}})}, "“a.xml” is not a readable XML export: reading stopped at line 349, column 4 (no element found)."},
        {AppLanguage::en, {RekordboxXMLError::malformedXML("unknown XML parse error")}, "“a.xml” is not a readable XML export (unknown XML parse error)."},
        {AppLanguage::en, readError(importing::FileReadErrc::notARegularFile), "“a.xml” is not a file that can be loaded: it is a folder, a device or a pipe."},
        {AppLanguage::en, readError(std::make_error_code(std::errc::permission_denied)), "Cuevox may not read “a.xml”: check the file's permissions."},
        {AppLanguage::en, readError(std::make_error_code(std::errc::not_enough_memory)), "There is not enough memory to load “a.xml”."},
        {AppLanguage::en, readError(std::make_error_code(std::errc::io_error)), "“a.xml” could not be read (Input/output error)."},
        {AppLanguage::de, {RekordboxXMLError::malformedXML("mismatched tag", {{3, 3}})}, "„a.xml“ ist kein lesbarer XML-Export: Das Lesen endete in Zeile 3, Spalte 3 (mismatched tag)."},
        {AppLanguage::ja, {RekordboxXMLError::fileNotFound("/m/a.xml")}, "/m に「a.xml」というファイルはありません。"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        vm.localization.setLanguage(c.language);
        EXPECT_EQ(loadFailureText({"/m/a.xml", c.error}, vm.localization).toStdString(), c.text);
    }
}

TEST_F(ContentViewTest, BannersFollowEachFailedLoadAndTheTrustCheckWithoutUserAction) {
    EXPECT_FALSE(shown(view.errorBanner()));
    vm.load(kThreeTracks);
    vm.load("<DJ_PLAYLISTS><COLLECTION>");
    ASSERT_TRUE(shown(view.errorBanner()));
    const QLabel* body = view.errorBanner()->bodyLabel();
    EXPECT_EQ(body->text().toStdString(),
              "“collection-2.xml” is not a readable XML export: "
              "reading stopped at line 1, column 27 (no element found).");
    // The collection that was open stays open.
    EXPECT_EQ(view.header()->countLabel()->text(), QStringLiteral("3 tracks"));
    QTest::mouseClick(view.errorBanner()->secondButton(), Qt::LeftButton);
    vm.settle();
    EXPECT_FALSE(shown(view.errorBanner()));
    vm.load("not xml at all");
    EXPECT_TRUE(shown(view.errorBanner()));
    // The permission banner comes first, with what to do when macOS no longer knows the grant it
    // still shows as on.
    setTrusted(false);
    ASSERT_TRUE(shown(view.permissionBanner()));
    EXPECT_LT(view.permissionBanner()->mapTo(&view, QPoint()).y(),
              view.errorBanner()->mapTo(&view, QPoint()).y());
    const QLabel* note = view.permissionBanner()->noteLabel();
    EXPECT_TRUE(shown(note));
    EXPECT_TRUE(note->text().contains(QStringLiteral("remove it with “−”")));
    QTest::mouseClick(view.permissionBanner()->firstButton(), Qt::LeftButton);
    EXPECT_EQ(accessRequests, 1);
    // The second button has no action here; pressing it must not fail.
    QTest::mouseClick(view.permissionBanner()->secondButton(), Qt::LeftButton);
    // Header and banners follow the language at once.
    vm.localization.setLanguage(AppLanguage::de);
    EXPECT_EQ(view.header()->countLabel()->text(), QStringLiteral("3 Titel"));
    EXPECT_EQ(view.header()->loadButton()->text(), QStringLiteral("Bibliothek laden…"));
    EXPECT_EQ(view.permissionBanner()->firstButton()->text(), QStringLiteral("Zugriff anfordern"));
    EXPECT_EQ(view.errorBanner()->secondButton()->text(), QStringLiteral("Schließen"));
    EXPECT_TRUE(body->text().startsWith(QStringLiteral("„collection-3.xml“ ist kein lesbarer")));
    setTrusted(true);
    EXPECT_FALSE(shown(view.permissionBanner()));
}

TEST_F(ContentViewTest, ASetLogThatCannotBeWrittenSaysSoOnceAndWhy) {
    vm.load(kThreeTracks);
    const QString blocked = vm.directory.filePath("blocked");
    std::ofstream(blocked.toStdString()) << "a file where the folder should be";
    vm.settings.setValue(state::StyleSession::kLogFolderKey, blocked);
    vm.model.style().setRemembersSets(true);
    EXPECT_FALSE(shown(view.setLogBanner()));
    vm.show(DeckIdentifier::deck1, {{"Night Song", "The Band"}}, true);
    ASSERT_TRUE(tests::waitUntil([&] { return shown(view.setLogBanner()); }));
    EXPECT_TRUE(view.setLogBanner()->bodyLabel()->text().contains(blocked));
    QTest::mouseClick(view.setLogBanner()->secondButton(), Qt::LeftButton);
    vm.show(DeckIdentifier::deck1, {{"Near", "Other"}}, true);
    QTest::qWait(100);
    EXPECT_FALSE(shown(view.setLogBanner())) << "once";
}

TEST_F(ContentViewTest, DecksAreLaidOutLikeAFourDeckMixer) {
    vm.load(kThreeTracks);
    using D = DeckIdentifier;
    const struct {
        std::vector<D> active;
        int horizontalDividers;
        int verticalDividers;
        std::vector<D> fullWidth; // panels that span the whole width rather than half of it
    } cases[] = {
        {{D::deck3}, 0, 0, {D::deck3}},
        {{D::deck1, D::deck2, D::deck3, D::deck4}, 1, 2, {}},
        {{D::deck1, D::deck2, D::deck4}, 1, 1, {D::deck4}},
        {{D::deck2, D::deck4}, 1, 0, {D::deck2, D::deck4}},
        {{D::deck3, D::deck4}, 0, 1, {}},
    };
    const auto contains = [](const std::vector<D>& decks, D deck) {
        return std::find(decks.begin(), decks.end(), deck) != decks.end();
    };
    for (const auto& c : cases) {
        for (const D deck : decks::kAllDeckIdentifiers) {
            const auto track = std::pair{"Track " + std::to_string(int(deck)), std::string("A")};
            vm.show(deck, contains(c.active, deck) ? std::optional(track) : std::nullopt, false);
        }
        SCOPED_TRACE(::testing::PrintToString(c.active));
        EXPECT_EQ(panelDecks(), c.active);
        EXPECT_EQ(dividers("horizontalDivider"), c.horizontalDividers);
        EXPECT_EQ(dividers("verticalDivider"), c.verticalDividers);
        for (QWidget* widget : view.nowPlaying()->panels()) {
            const D deck = *static_cast<NowPlayingView*>(widget)->inputs().deck;
            const int width = contains(c.fullWidth, deck) ? view.width() : view.width() / 2;
            EXPECT_NEAR(widget->width(), width, 2);
        }
    }
    // No deck at all: one panel without a deck, showing that nothing plays.
    for (const D deck : decks::kAllDeckIdentifiers) {
        vm.show(deck, std::nullopt, false);
    }
    ASSERT_EQ(view.nowPlaying()->panels().size(), 1);
    const auto* panel = static_cast<NowPlayingView*>(view.nowPlaying()->panels().front());
    EXPECT_FALSE(panel->inputs().deck.has_value());
    EXPECT_FALSE(panel->inputs().track.has_value());
}

// At the narrowest width that keeps one row, a longer count must wrap the pills too; the bar's
// own tests show the two rows.
TEST_F(ContentViewTest, ALongerCountWrapsThePillsAtTheNarrowestWidthOfOneRow) {
    vm.load(kThreeTracks);
    const auto wrapsAt = [this](int width) {
        view.resize(width, ContentView::kIdealSize.height());
        vm.settle();
        return view.filterBar()->wrapsPills();
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
    vm.load(many + "</COLLECTION></DJ_PLAYLISTS>");
    EXPECT_EQ(view.filterBar()->countLabel().text(), QStringLiteral("All Tracks (10000)"));
    EXPECT_TRUE(view.filterBar()->wrapsPills());
}

} // namespace
} // namespace cuevox::views
