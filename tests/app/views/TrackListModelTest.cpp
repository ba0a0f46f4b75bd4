#include "views/TrackListModel.hpp"

#include "ViewModelFixture.hpp"
#include "support/WaitUntil.hpp"
#include "views/Theme.hpp"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <memory>

namespace cuevox::views {
namespace {

using decks::DeckIdentifier;

// Listed alphabetically by artist without a source; with "Night Song" playing, only the
// tracks within a beat of 128 with a key next to 8A and an energy within one of 6 remain.
constexpr const char* kCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="E6" Year="2019" Label="Night Records" Location="file://localhost/music/Night%20Song.mp3"/>
  <TRACK TrackID="2" Name="Near" Artist="Other" Genre="House" AverageBpm="127.999" Tonality="9A" Comments="E7" Location="file://localhost/music/near.flac"/>
  <TRACK TrackID="3" Name="Far" Artist="Third" Genre="Techno" AverageBpm="140.00" Tonality="3A" Comments="E2" Location="file://localhost/music/far.mp3"/>
  <TRACK TrackID="4" Name="Bare" Artist="Anonymous"/>
</COLLECTION></DJ_PLAYLISTS>)";

using M = TrackListModel;

class TrackListModelTest : public ::testing::Test {
protected:
    void SetUp() override { vm.load(kCollection); }
    QVariant roleOf(const std::string& id, int role) const {
        const std::optional<int> row = model.rowOf(id);
        EXPECT_TRUE(row) << id;
        return row ? model.index(*row).data(role) : QVariant();
    }
    std::vector<std::string> listedIDs() const {
        std::vector<std::string> ids;
        for (int row = 0; row < model.rowCount(); ++row) {
            ids.push_back(model.index(row).data(M::TrackIDRole).toString().toStdString());
        }
        return ids;
    }

    testing::TestViewModel vm;
    TrackListModel model{vm.model, vm.localization};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(TrackListModelTest, RowsFollowTheListAndRolesGiveEveryPaintedField) {
    EXPECT_EQ(listedIDs(), (std::vector<std::string>{"4", "2", "1", "3"}));
    // An invalid value: the field is absent.
    // clang-format off
    const struct { const char* id; int role; QVariant expected; } cases[] = {
        {"1", Qt::DisplayRole, QStringLiteral("Night Song")},
        {"1", TrackListModel::ArtistRole, QStringLiteral("The Band")},
        {"1", TrackListModel::FilePathRole, QStringLiteral("/music/Night Song.mp3")},
        {"1", TrackListModel::TempoTextRole, QStringLiteral("128.00")},
        {"2", TrackListModel::TempoTextRole, QStringLiteral("128.00")}, // 127.999
        {"1", TrackListModel::KeyTextRole, QStringLiteral("8A")},
        {"1", TrackListModel::GenreRole, QStringLiteral("House")},
        {"1", TrackListModel::EnergyTextRole, QStringLiteral("6")},
        {"1", TrackListModel::YearTextRole, QStringLiteral("2019")},
        {"1", TrackListModel::LabelRole, QStringLiteral("Night Records")},
        {"4", Qt::DisplayRole, QStringLiteral("Bare")},
        // Nothing plays: no scores, no marks.
        {"1", TrackListModel::ScoreRole, {}},
        {"1", TrackListModel::LoadedDeckRole, {}},
        {"1", TrackListModel::HasBeenPlayedRole, false},
        {"1", Qt::ForegroundRole, theme::kPrimaryText},
        {"1", TrackListModel::ArtistColorRole, theme::kSecondaryText},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roleOf(c.id, c.role), c.expected) << c.id << " role " << c.role;
    }
    for (const int role : {M::FilePathRole, M::TempoTextRole, M::KeyTextRole, M::GenreRole,
                           M::EnergyTextRole, M::YearTextRole, M::LabelRole}) {
        EXPECT_FALSE(roleOf("4", role).isValid()) << "Bare has no field of role " << role;
    }
    EXPECT_FALSE(model.index(0).data(Qt::UserRole + 100).isValid());
}

TEST_F(TrackListModelTest, PlayedLoadedAndScoredRowsChangeWithTheDecks) {
    vm.show(DeckIdentifier::deck1, {{"Night Song", "The Band"}}, true);
    vm.show(DeckIdentifier::deck3, {{"Near", "Other"}}, false);
    // Far is filtered out around the playing track; the collection's order gives way to scores.
    EXPECT_EQ(listedIDs(), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(roleOf("1", TrackListModel::HasBeenPlayedRole), true);
    EXPECT_EQ(roleOf("1", Qt::ForegroundRole), theme::kGreen);
    EXPECT_EQ(roleOf("1", TrackListModel::ArtistColorRole), theme::withOpacity(theme::kGreen, 0.8));
    EXPECT_EQ(roleOf("1", TrackListModel::LoadedDeckRole), QStringLiteral("DECK 1"));
    EXPECT_EQ(roleOf("2", TrackListModel::HasBeenPlayedRole), false);
    EXPECT_EQ(roleOf("2", Qt::ForegroundRole), theme::kPrimaryText);
    EXPECT_EQ(roleOf("2", TrackListModel::LoadedDeckRole), QStringLiteral("DECK 3"));
    EXPECT_EQ(roleOf("1", TrackListModel::ScoreRole), 100.0);
    EXPECT_EQ(roleOf("2", TrackListModel::ScoreRole), *vm.model.list().tracks.row(1).score);
    // Unloading deck 3 takes its badge away at the next update; deck 1's stays.
    vm.show(DeckIdentifier::deck3, std::nullopt, false);
    EXPECT_FALSE(roleOf("2", TrackListModel::LoadedDeckRole).isValid());
    EXPECT_EQ(roleOf("1", TrackListModel::LoadedDeckRole), QStringLiteral("DECK 1"));
}

TEST_F(TrackListModelTest, RowsGiveTheirPitchOnlyInTheTempoMode) {
    // The deck plays Night Song at 128.64: 0.5 % above its own 128.
    vm.show(DeckIdentifier::deck1, {{"Night Song", "The Band"}}, true, 128.64);
    // clang-format off
    const struct { int percent; QVariant pitch; } cases[] = {
        {0, {}},
        {4, QStringLiteral("+0.5 %")},
        {0, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        vm.model.modes().set(&tracklist::ListModes::pitchRange,
                             *tracklist::PitchRange::fromPercent(c.percent));
        vm.settle();
        EXPECT_EQ(roleOf("1", TrackListModel::PitchTextRole), c.pitch);
        EXPECT_EQ(roleOf("2", TrackListModel::PitchTextRole), c.pitch) << "127.999 BPM";
    }
}

TEST_F(TrackListModelTest, InTheStyleModeRowsSayWhyInTheLanguageShown) {
    std::string crates = kCollection;
    crates.replace(crates.find("</DJ_PLAYLISTS>"), std::string::npos,
                   R"(<PLAYLISTS><NODE Type="0" Name="ROOT"><NODE Type="1" Name="Crate">
  <TRACK Key="1"/><TRACK Key="3"/></NODE></NODE></PLAYLISTS></DJ_PLAYLISTS>)");
    vm.load(crates);
    vm.show(DeckIdentifier::deck1, {{"Night Song", "The Band"}}, true);
    EXPECT_FALSE(roleOf("2", M::StyleReasonRole).isValid()) << "style off";
    vm.model.modes().set(&tracklist::ListModes::style, true);
    // Prepared in the background; until then the list is the usual one, without Far.
    ASSERT_TRUE(tests::waitUntil([&] { return model.rowOf("3").has_value(); }));
    EXPECT_EQ(roleOf("3", M::StyleReasonRole), QStringLiteral("in 1 of your crates"));
    QSignalSpy relabelled(&model, &QAbstractItemModel::dataChanged);
    vm.localization.setLanguage(i18n::AppLanguage::de);
    EXPECT_EQ(relabelled.count(), 1);
    EXPECT_EQ(roleOf("3", M::StyleReasonRole), QStringLiteral("in 1 deiner Playlists"));
}

// Around Night Song (8A, 128 BPM, E6) played at 128: Lower is heard a semitone up at 128,
// Between nearly half a semitone up.
constexpr const char* kKeyMoves = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="A" AverageBpm="128.00" Tonality="8A" Comments="E6"/>
  <TRACK TrackID="2" Name="Lower" Artist="B" AverageBpm="121.00" Tonality="8A" Comments="E6"/>
  <TRACK TrackID="3" Name="Between" Artist="C" AverageBpm="124.50" Tonality="9A" Comments="E6"/>
  <TRACK TrackID="4" Name="Relative" Artist="D" AverageBpm="128.00" Tonality="8B" Comments="E6"/>
  <TRACK TrackID="5" Name="Keyless" Artist="E" AverageBpm="128.00" Comments="E6"/>
</COLLECTION></DJ_PLAYLISTS>)";

TEST_F(TrackListModelTest, RowsShowTheirKeyMoveAndTheirKeyAsHeardOnlyWhenTheModesAskForThem) {
    using tracklist::HarmonicStrictness;
    using tracklist::ListModes;
    vm.load(kKeyMoves);
    vm.model.modes().set(&ListModes::pitchRange, *tracklist::PitchRange::fromPercent(8));
    vm.show(DeckIdentifier::deck1, {{"Night Song", "A"}}, true, 128.0);
    const QString heard =
        QStringLiteral("Heard in this key at the pitch it plays at, without key lock");
    // clang-format off
    const struct { bool keyLock; bool keyMoves; const char* id; QVariant key, move, colour, tip; } cases[] = {
        {false, false, "2", QStringLiteral("8A → 3A"), QStringLiteral("Semitone ↑"), theme::kSecondaryText, heard},
        {false, false, "3", QStringLiteral("9A → ≈9A"), QStringLiteral("+1"), theme::kYellow, heard + QStringLiteral("\n+48 cents off: between two keys")},
        {false, false, "4", QStringLiteral("8B → 8B"), QStringLiteral("Relative"), theme::kGreen, heard},
        {false, false, "5", {}, {}, {}, {}},
        {true, false, "3", QStringLiteral("9A"), {}, {}, {}},
        {true, true, "2", QStringLiteral("8A"), QStringLiteral("Same"), theme::kGreen, {}},
        {true, true, "3", QStringLiteral("9A"), QStringLiteral("+1"), theme::kYellow, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.id) + (c.keyLock ? " key lock" : "") +
                     (c.keyMoves ? " moves" : ""));
        vm.model.modes().set(&ListModes::keyLock, c.keyLock);
        vm.model.modes().set(&ListModes::keyMoves, c.keyMoves);
        // Open lets the semitone through without key lock.
        vm.model.modes().set(&ListModes::harmonicStrictness,
                             c.keyLock ? HarmonicStrictness::strict : HarmonicStrictness::open);
        vm.settle();
        EXPECT_EQ(roleOf(c.id, M::KeyTextRole), c.key);
        EXPECT_EQ(roleOf(c.id, M::KeyMoveTextRole), c.move);
        EXPECT_EQ(roleOf(c.id, M::KeyMoveColorRole), c.colour);
        EXPECT_EQ(roleOf(c.id, M::KeyTipRole), c.tip);
    }
    EXPECT_EQ(roleOf("3", M::KeyMoveTipRole), QStringLiteral("One step clockwise: a fifth up"));
}

TEST_F(TrackListModelTest, OnlyRowsWithAFileDragAndTheyCarryItsURLAsACopy) {
    EXPECT_EQ(model.supportedDragActions(), Qt::CopyAction);
    EXPECT_TRUE(model.mimeTypes().contains(QStringLiteral("text/uri-list")));
    const QModelIndex withFile = model.index(*model.rowOf("1"));
    const QModelIndex withoutFile = model.index(*model.rowOf("4"));
    EXPECT_TRUE(model.flags(withFile) & Qt::ItemIsDragEnabled);
    EXPECT_FALSE(model.flags(withoutFile) & Qt::ItemIsDragEnabled);
    EXPECT_TRUE(model.flags(withoutFile) & Qt::ItemIsSelectable);
    const std::unique_ptr<QMimeData> data(model.mimeData({withFile}));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->urls(), QList<QUrl>{QUrl(QStringLiteral("file:///music/Night%20Song.mp3"))});
    EXPECT_EQ(std::unique_ptr<QMimeData>(model.mimeData({withoutFile})), nullptr);
    EXPECT_EQ(std::unique_ptr<QMimeData>(model.mimeData({})), nullptr);
}

} // namespace
} // namespace cuevox::views
