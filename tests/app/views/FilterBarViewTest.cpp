#include "views/FilterBarView.hpp"

#include "ViewModelFixture.hpp"
#include "views/CheckboxFilterList.hpp"
#include "views/CheckboxFilterRow.hpp"
#include "views/CrateButton.hpp"
#include "views/CratePicker.hpp"
#include "views/DropDownPanel.hpp"
#include "views/FilterPillButton.hpp"
#include "views/KeyPickerView.hpp"
#include "views/LiveSetControls.hpp"
#include "views/ModeChip.hpp"
#include "views/ModePanel.hpp"
#include "views/SearchField.hpp"
#include "views/SegmentedChoice.hpp"
#include "views/UnderlinedButton.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <array>
#include <sstream>
#include <tuple>

namespace cuevox::views {
namespace {

using testing::key;
using tracklist::BPMRange;
using tracklist::EnergyDirection;
// One flag each for keys, tempos, energies and genres.
using Groups = std::array<bool, 4>;

QStringList rowTexts(const CheckboxFilterList& list) {
    QStringList texts;
    for (const CheckboxFilterRow* row : list.rows()) {
        texts << row->text();
    }
    return texts;
}

int id(EnergyDirection direction) {
    return static_cast<int>(direction);
}

void clickRow(const CheckboxFilterList& list, const QString& text, QPoint at = {}) {
    const qsizetype row = rowTexts(list).indexOf(text);
    ASSERT_GE(row, 0) << "no row " << text.toStdString();
    QTest::mouseClick(list.rows()[row], Qt::LeftButton, {}, at);
}

// The tree's rows depth first, two spaces deeper per folder.
QStringList treeRows(const QTreeView& tree, const QModelIndex& parent = {}, int depth = 0) {
    QStringList rows;
    for (int row = 0; row < tree.model()->rowCount(parent); ++row) {
        const QModelIndex index = tree.model()->index(row, 0, parent);
        rows << QString(depth * 2, QLatin1Char(' ')) + index.data().toString();
        rows << treeRows(tree, index, depth + 1);
    }
    return rows;
}

// Two playlists in folders and one at the top.
constexpr const char* kCrates = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" AverageBpm="128.00"/>
  <TRACK TrackID="2" Name="Near" Artist="Other" AverageBpm="129.50"/>
  <TRACK TrackID="3" Name="Far" Artist="Third" AverageBpm="140.00"/>
</COLLECTION><PLAYLISTS><NODE Type="0" Name="ROOT">
  <NODE Type="0" Name="Sets">
    <NODE Type="1" Name="Warm Up"><TRACK Key="1"/><TRACK Key="2"/></NODE>
    <NODE Type="0" Name="Late"><NODE Type="1" Name="Peak"><TRACK Key="3"/></NODE></NODE>
  </NODE>
  <NODE Type="1" Name="Tools"><TRACK Key="2"/></NODE>
</NODE></PLAYLISTS></DJ_PLAYLISTS>)";

// The five filters at once, as a row of a table sets them.
struct Filters {
    state::FilterState::KeySet keys;
    std::set<BPMRange> tempos;
    std::set<int> energies;
    std::set<std::string> genres;
    QString search;
};

// The bar shown in a window of its own, as the main window holds it.
class FilterBarViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        vm.load(testing::kThreeTracks);
        bar.resize(900, bar.sizeHint().height());
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }

    void select(const Filters& filters) {
        vm.model.filters().setKeys(filters.keys);
        vm.model.filters().setBPMRanges(filters.tempos);
        vm.model.filters().setEnergies(filters.energies);
        vm.model.filters().setGenres(filters.genres);
        vm.model.filters().setSearchText(filters.search);
    }
    // Whether each group is selected, and whether its pill is accented.
    Groups selected() const {
        const auto& m = vm.model;
        return {!m.filters().selections().keys.empty(), !m.filters().selections().bpmRanges.empty(),
                !m.filters().selections().energies.empty(),
                !m.filters().selections().genres.empty()};
    }
    Groups accented() const {
        return {bar.keyPill().isActive(), bar.tempoPill().isActive(), bar.energyPill().isActive(),
                bar.genrePill().isActive()};
    }

    testing::TestViewModel vm;
    FilterBarView bar{vm.model, vm.localization};
};

TEST_F(FilterBarViewTest, PillsAccentActiveFiltersResetsClearThemAndTheSearchKeepsItsCursor) {
    // clang-format off
    struct { const char* name; Filters filters; Groups accented; bool resettable; } cases[] = {
        {"nothing", {}, {false, false, false, false}, false},
        {"blanks only", {{}, {}, {}, {}, QStringLiteral("  ")}, {false, false, false, false}, true},
        {"a key", {{key("8A")}, {}, {}, {}, {}}, {true, false, false, false}, true},
        {"a tempo", {{}, {BPMRange{120}}, {}, {}, {}}, {false, true, false, false}, true},
        {"an energy", {{}, {}, {6}, {}, {}}, {false, false, true, false}, true},
        {"a genre", {{}, {}, {}, {"House"}, {}}, {false, false, false, true}, true},
        // clang-format on
    };
    UnderlinedButton& reset = bar.resetButton();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        select(c.filters);
        EXPECT_EQ(accented(), c.accented);
        EXPECT_EQ(reset.isEnabled(), c.resettable);
        QTest::mouseClick(&reset, Qt::LeftButton);
        EXPECT_EQ(selected(), Groups{});
        EXPECT_EQ(vm.model.filters().searchText(), QString());
        EXPECT_EQ(accented(), Groups{});
        EXPECT_FALSE(reset.isEnabled());
    }
    // clang-format off
    const struct { UnderlinedButton* reset; Groups left; } panels[] = {
        {&bar.keyPicker().resetButton(), {false, true, true, true}},
        {&bar.tempoPanel().list().resetButton(), {true, false, true, true}},
        {&bar.energyPanel().list().resetButton(), {true, true, false, true}},
        {&bar.genreList().resetButton(), {true, true, true, false}},
        // clang-format on
    };
    for (const auto& c : panels) {
        select({{key("8A")}, {BPMRange{120}}, {6, 7}, {"House"}, QStringLiteral("a")});
        QTest::mouseClick(c.reset, Qt::LeftButton);
        EXPECT_EQ(selected(), c.left);
        EXPECT_EQ(vm.model.filters().searchText(), QStringLiteral("a"));
    }
    // The search field writes every keystroke, keeps its cursor and empties on Reset.
    vm.model.filters().reset();
    QLineEdit& field = bar.searchField().lineEdit();
    QTest::keyClicks(&field, QStringLiteral("nigt"));
    EXPECT_TRUE(bar.resetButton().isEnabled());
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClicks(&field, QStringLiteral("h"));
    EXPECT_EQ(vm.model.filters().searchText(), QStringLiteral("night"));
    EXPECT_EQ(field.text(), QStringLiteral("night"));
    EXPECT_EQ(field.cursorPosition(), 4) << "the model's echo must not move the cursor";
    vm.model.filters().setSearchText(QStringLiteral("far"));
    EXPECT_EQ(field.text(), QStringLiteral("far"));
    QTest::mouseClick(&bar.resetButton(), Qt::LeftButton);
    EXPECT_EQ(field.text(), QString());
}

TEST_F(FilterBarViewTest, APillOpensItsPanelAndASecondPressKeepsItOpen) {
    FilterPillButton& pill = bar.genrePill();
    QSignalSpy presented(&pill, &FilterPillButton::presentedChanged);
    QTest::mouseClick(&pill, Qt::LeftButton);
    ASSERT_TRUE(pill.isPresented());
    const QRect pillOnScreen(pill.mapToGlobal(QPoint(0, 0)), pill.size());
    EXPECT_GE(pill.panel().geometry().top(), pillOnScreen.bottom()) << "below its pill";
    // The press on the pill straight away, and as the window system delivers it: to the popup.
    QTest::mouseClick(&pill, Qt::LeftButton);
    QWindow* window = bar.windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {}, pill.mapTo(&bar, pill.rect().center()));
    EXPECT_TRUE(pill.isPresented());
    EXPECT_EQ(presented.count(), 1) << "never closed in between";
    // Escape closes it, and so does a click elsewhere.
    QTest::keyClick(&pill.panel(), Qt::Key_Escape);
    EXPECT_FALSE(pill.isPresented());
    QTest::mouseClick(&pill, Qt::LeftButton);
    ASSERT_TRUE(pill.isPresented());
    QTest::mouseClick(window, Qt::LeftButton, {}, bar.countLabel().geometry().center());
    EXPECT_FALSE(pill.isPresented());
    EXPECT_EQ(presented.count(), 4);
}

TEST_F(FilterBarViewTest, ListsShowTheirOptionsToggleTheirOwnSelectionAndFollowANewCollection) {
    EXPECT_EQ(rowTexts(bar.genreList()), (QStringList{"House (1)", "Techno (2)"}));
    EXPECT_EQ(rowTexts(bar.tempoPanel().list()).first(), QStringLiteral("120 - 130 (2)"));
    EXPECT_EQ(rowTexts(bar.energyPanel().list()).value(5), QStringLiteral("Energy 6 (1)"));
    // A click anywhere on a row toggles it; the counts of the other groups follow.
    clickRow(bar.genreList(), QStringLiteral("Techno (2)"), QPoint(2, 2));
    EXPECT_EQ(vm.model.filters().selections().genres, (std::set<std::string>{"Techno"}));
    EXPECT_FALSE(bar.genreList().rows()[0]->isSelected());
    EXPECT_TRUE(bar.genreList().rows()[1]->isSelected());
    EXPECT_EQ(rowTexts(bar.tempoPanel().list()).first(), QStringLiteral("120 - 130 (1)"));
    clickRow(bar.genreList(), QStringLiteral("House (1)"));
    EXPECT_EQ(vm.model.filters().selections().genres, (std::set<std::string>{"House", "Techno"}));
    // The far right end, on the checkbox, belongs to the row as well.
    const CheckboxFilterRow* techno = bar.genreList().rows()[1];
    clickRow(bar.genreList(), techno->text(), QPoint(techno->width() - 3, techno->height() / 2));
    EXPECT_EQ(vm.model.filters().selections().genres, (std::set<std::string>{"House"}));
    clickRow(bar.energyPanel().list(), QStringLiteral("Energy 6 (1)"));
    EXPECT_EQ(vm.model.filters().selections().energies, (std::set<int>{6}));
    clickRow(bar.tempoPanel().list(), QStringLiteral("120 - 130 (1)"));
    EXPECT_EQ(vm.model.filters().selections().bpmRanges, (std::set<BPMRange>{BPMRange{120}}));
    // An open list follows a new collection and scrolls beyond 260 points.
    QTest::mouseClick(&bar.genrePill(), Qt::LeftButton);
    ASSERT_TRUE(bar.genrePill().isPresented());
    const int heightBefore = bar.genrePill().panel().height();
    std::ostringstream xml;
    xml << "<C>";
    for (int i = 0; i < 40; ++i) {
        xml << "<TRACK TrackID=\"" << i << "\" Name=\"T\" Artist=\"A\" Genre=\"Genre " << i
            << "\" AverageBpm=\"" << 90 + i << "\"/>";
    }
    xml << "<TRACK TrackID=\"99\" Name=\"T\" Artist=\"A\" Genre=\"Progressive Melodic Deep "
           "Organic House\"/></C>";
    vm.load(xml.str());
    EXPECT_TRUE(bar.genrePill().isPresented());
    EXPECT_EQ(bar.countLabel().text(), QStringLiteral("All Tracks (41)"));
    ASSERT_EQ(bar.genreList().rows().size(), 41u);
    EXPECT_GT(bar.genrePill().panel().height(), heightBefore) << "the panel grows with its rows";
    QScrollArea& area = bar.genreList().scrollArea();
    EXPECT_EQ(area.height(), CheckboxFilterList::kMaximumScrollHeight);
    EXPECT_TRUE(area.verticalScrollBar()->isVisible());
    EXPECT_LT(bar.genrePill().panel().height(), CheckboxFilterList::kMaximumScrollHeight + 60);
    // The longest name still fits beside its checkbox and the scroll bar.
    const CheckboxFilterRow* longest = bar.genreList().rows().back();
    EXPECT_EQ(longest->text(), QStringLiteral("Progressive Melodic Deep Organic House (1)"));
    EXPECT_GE(longest->width(), longest->sizeHint().width());
    // A short list is only as high as its rows, still at least 220 wide.
    vm.load(testing::kThreeTracks);
    EXPECT_LT(area.height(), 100);
    EXPECT_GE(bar.genreList().width(), CheckboxFilterList::kMinimumWidth);
}

TEST_F(FilterBarViewTest, ModesInThePanelsSetTheModelFollowItLightThePillsAndOutliveReset) {
    SegmentedChoice* range = &bar.tempoPanel().choice();
    SegmentedChoice* direction = &bar.energyPanel().choice();
    // What the model holds for the choice, and whether the choice's pill is lit.
    const auto shown = [&](const SegmentedChoice* choice) {
        const tracklist::ListModes& modes = vm.model.modes().modes();
        return choice == range ? std::pair(modes.pitchRange.percent(), bar.tempoPill().isActive())
                               : std::pair(id(modes.energyDirection), bar.energyPill().isActive());
    };
    // clang-format off
    const struct { SegmentedChoice* choice; int id; bool lit; } picks[] = {
        {range, 4, true},
        {range, 16, true},
        {range, 0, false},
        {direction, id(EnergyDirection::up), true},
        {direction, id(EnergyDirection::down), true},
        {direction, id(EnergyDirection::hold), false},
        // clang-format on
    };
    for (const auto& c : picks) {
        SCOPED_TRACE(c.id);
        QTest::mouseClick(c.choice->segment(c.id), Qt::LeftButton);
        EXPECT_EQ(shown(c.choice), std::pair(c.id, c.lit));
        EXPECT_EQ(c.choice->chosen(), c.id);
    }
    // The switch below the range: the tempo mode on its own.
    CheckboxFilterRow* halfDouble = bar.tempoPanel().switches().at(0);
    QTest::mouseClick(halfDouble, Qt::LeftButton);
    EXPECT_TRUE(vm.model.modes().modes().halfDouble);
    EXPECT_TRUE(halfDouble->isSelected());
    EXPECT_TRUE(bar.tempoPill().isActive());
    // Changes made elsewhere show; Reset clears a filter and leaves every mode lit.
    vm.model.modes().set(&tracklist::ListModes::pitchRange, *tracklist::PitchRange::fromPercent(8));
    vm.model.modes().set(&tracklist::ListModes::energyDirection, EnergyDirection::up);
    EXPECT_EQ(range->chosen(), 8);
    EXPECT_EQ(direction->chosen(), id(EnergyDirection::up));
    vm.model.filters().setGenres({"House"});
    QTest::mouseClick(&bar.resetButton(), Qt::LeftButton);
    EXPECT_TRUE(bar.tempoPill().isActive());
    EXPECT_TRUE(bar.energyPill().isActive());
    EXPECT_FALSE(bar.resetButton().isEnabled()) << "modes are no filters";
    // A bar made later, as at the next start, shows what the model remembers.
    FilterBarView later(vm.model, vm.localization);
    EXPECT_EQ(later.tempoPanel().choice().chosen(), 8);
    EXPECT_TRUE(later.tempoPanel().switches().at(0)->isSelected());
    EXPECT_EQ(later.energyPanel().choice().chosen(), id(EnergyDirection::up));
    EXPECT_TRUE(later.tempoPill().isActive());
}

TEST_F(FilterBarViewTest, KeyRulesSetTheModelLightTheKeyPillAndOutliveEveryReset) {
    using tracklist::HarmonicStrictness;
    const KeyPickerView& panel = bar.keyPicker();
    const auto segment = [&](HarmonicStrictness strictness) {
        return panel.strictnessChoice().segment(static_cast<int>(strictness));
    };
    QAbstractButton* keyLock = &panel.keyLockSwitch();
    QAbstractButton* keyMoves = &panel.keyMovesSwitch();
    EXPECT_TRUE(panel.keyLockSwitch().isSelected()) << "on by default";
    // Each click, then the rules as the model holds them and whether the Key pill is lit.
    // clang-format off
    const struct { QAbstractButton* click; HarmonicStrictness strictness; bool lock, moves, lit; } clicks[] = {
        {segment(HarmonicStrictness::balanced), HarmonicStrictness::balanced, true, false, true},
        {segment(HarmonicStrictness::open), HarmonicStrictness::open, true, false, true},
        {segment(HarmonicStrictness::strict), HarmonicStrictness::strict, true, false, false},
        {keyMoves, HarmonicStrictness::strict, true, true, false},
        {keyLock, HarmonicStrictness::strict, false, true, true},
        {keyLock, HarmonicStrictness::strict, true, true, false},
        // clang-format on
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(&c - clicks);
        QTest::mouseClick(c.click, Qt::LeftButton);
        const tracklist::ListModes& modes = vm.model.modes().modes();
        EXPECT_EQ(modes.harmonicStrictness, c.strictness);
        EXPECT_EQ(std::tuple(modes.keyLock, modes.keyMoves, bar.keyPill().isActive()),
                  std::tuple(c.lock, c.moves, c.lit));
        EXPECT_EQ(panel.strictnessChoice().chosen(), static_cast<int>(c.strictness));
        EXPECT_EQ(
            std::pair(panel.keyLockSwitch().isSelected(), panel.keyMovesSwitch().isSelected()),
            std::pair(c.lock, c.moves));
    }
    vm.model.modes().set(&tracklist::ListModes::keyLock, false);
    EXPECT_FALSE(panel.keyLockSwitch().isSelected()) << "a change made elsewhere shows";
    for (QAbstractButton* reset :
         std::initializer_list<QAbstractButton*>{&panel.resetButton(), &bar.resetButton()}) {
        vm.model.filters().setKeys({key("8A")});
        QTest::mouseClick(reset, Qt::LeftButton);
    }
    EXPECT_TRUE(vm.model.modes().modes().keyMoves);
    EXPECT_TRUE(bar.keyPill().isActive()) << "key lock stays off";
}

TEST_F(FilterBarViewTest, SwitchesBesideTheCountSetTheModelAndGiveUpTheirTitlesWhenNarrow) {
    using Modes = tracklist::ListModes;
    const std::vector<ModeChip*>& switches = bar.liveSetControls().switches();
    ASSERT_EQ(switches.size(), 3U);
    // clang-format off
    const struct { ModeChip* chip; bool Modes::*mode; } chips[] = {
        {switches[0], &Modes::hidePlayed},
        {switches[1], &Modes::varyArtists},
        {switches[2], &Modes::style},
    };
    // clang-format on
    for (const auto& c : chips) {
        SCOPED_TRACE(c.chip->text().toStdString());
        QTest::mouseClick(c.chip, Qt::LeftButton);
        EXPECT_TRUE(vm.model.modes().modes().*c.mode);
        EXPECT_TRUE(c.chip->isChecked());
        vm.model.modes().set(c.mode, false);
        EXPECT_FALSE(c.chip->isChecked());
        EXPECT_EQ(c.chip->toolTip(), c.chip->text());
    }
    vm.model.modes().set(&tracklist::ListModes::hidePlayed, true);
    // As narrow as the window gets; the bar's own minimum would keep one row.
    bar.setMinimumWidth(460);
    for (const int width : {1400, 460}) {
        SCOPED_TRACE(width);
        bar.resize(width, bar.height());
        vm.settle();
        EXPECT_EQ(bar.wrapsPills(), width == 460);
        EXPECT_EQ(switches[0]->isCompact(), width == 460);
        for (const FilterPillButton* pill : {&bar.keyPill(), &bar.genrePill()}) {
            const bool below = pill->geometry().top() > bar.searchField().geometry().bottom();
            EXPECT_EQ(below, width == 460) << "the second row is laid out below the first";
        }
        EXPECT_LE(bar.resetButton().geometry().right(), width) << "nothing leaves the bar";
    }
}

TEST_F(FilterBarViewTest, TheCountPicksACrateFromTheFolderTreeAndItsSearchNarrowsIt) {
    CrateButton& button = bar.crateButton();
    EXPECT_FALSE(button.isPickable()) << "a collection without playlists";
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.panel().isVisible());

    vm.load(kCrates);
    ASSERT_TRUE(button.isPickable());
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_TRUE(button.panel().isVisible());
    CratePicker& picker = bar.cratePicker();
    // clang-format off
    const struct { const char* search; QStringList rows; } searches[] = {
        {"", {"Sets", "  Warm Up (2)", "  Late", "    Peak (1)", "Tools (1)"}},
        {"PEAK", {"Sets", "  Late", "    Peak (1)"}},
        {"late", {"Sets", "  Late", "    Peak (1)"}},
        {"sets", {"Sets", "  Warm Up (2)", "  Late", "    Peak (1)"}},
        {"(1)", {}},
        // clang-format on
    };
    for (const auto& c : searches) {
        SCOPED_TRACE(c.search);
        picker.searchField().setText(QString::fromUtf8(c.search));
        EXPECT_EQ(treeRows(picker.tree()), c.rows);
    }
    picker.searchField().clear();
    QTreeView& tree = picker.tree();
    const QModelIndex warmUp = tree.model()->index(0, 0, tree.model()->index(0, 0));
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(warmUp).center());
    EXPECT_EQ(vm.model.modes().modes().playlistID, "Sets/Warm Up");
    EXPECT_FALSE(button.panel().isVisible()) << "a pick closes the panel";
    EXPECT_TRUE(button.isActive());
    EXPECT_EQ(bar.countLabel().text(), QStringLiteral("Warm Up (2)"));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Sets/Warm Up"));
    // A folder picks nothing; the way back is the whole collection.
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {},
                      tree.visualRect(tree.model()->index(0, 0)).center());
    EXPECT_EQ(vm.model.modes().modes().playlistID, "Sets/Warm Up");
    EXPECT_TRUE(button.panel().isVisible());
    QTest::mouseClick(&picker.wholeCollectionButton(), Qt::LeftButton);
    EXPECT_EQ(vm.model.modes().modes().playlistID, std::nullopt);
    EXPECT_FALSE(button.isActive());
    EXPECT_EQ(bar.countLabel().text(), QStringLiteral("All Tracks (3)"));
    EXPECT_TRUE(tree.isExpanded(tree.model()->index(0, 0))) << "a small tree is open";

    // 100,000 folders of one playlist each froze the window while every one was opened.
    std::string folders = "<DJ_PLAYLISTS><COLLECTION/><PLAYLISTS><NODE Name=\"ROOT\">";
    for (int folder = 0; folder < 100'000; ++folder) {
        folders += R"(<NODE Name="f"><NODE Name="p" Type="1"/></NODE>)";
    }
    vm.load(folders + "</NODE></PLAYLISTS></DJ_PLAYLISTS>");
    EXPECT_EQ(tree.model()->rowCount(), 100'000);
    EXPECT_FALSE(tree.isExpanded(tree.model()->index(0, 0))) << "only what fits is opened";
}

TEST_F(FilterBarViewTest, TextsFollowTheLanguageAtOnce) {
    vm.model.filters().setKeys({key("8A")});
    vm.localization.setLanguage(i18n::AppLanguage::ru);
    QCoreApplication::processEvents(); // the layout settles on the next turn
    EXPECT_EQ(bar.countLabel().text(), QStringLiteral("Все треки (1)"));
    EXPECT_EQ(bar.keyPill().text(), QStringLiteral("Тональность"));
    EXPECT_EQ(bar.genrePill().text(), QStringLiteral("Жанры"));
    EXPECT_EQ(bar.resetButton().text(), QStringLiteral("Сбросить"));
    EXPECT_EQ(bar.genreList().resetButton().text(), QStringLiteral("Сбросить"));
    EXPECT_EQ(rowTexts(bar.energyPanel().list())[5], QStringLiteral("Энергия 6 (1)"));
    EXPECT_EQ(bar.keyPicker().findChild<QLabel*>()->text(), QStringLiteral("Выбрать тональности"));
    // The panels' modes: caption, segments and switch.
    const ModePanel& tempo = bar.tempoPanel();
    const ModePanel& energy = bar.energyPanel();
    EXPECT_EQ(tempo.findChild<QLabel*>()->text(), QStringLiteral("Диапазон питча"));
    EXPECT_EQ(tempo.choice().segment(0)->text(), QStringLiteral("Выкл"));
    EXPECT_EQ(tempo.choice().segment(16)->text(), QStringLiteral("±16"));
    EXPECT_EQ(tempo.switches().at(0)->text(), QStringLiteral("Половинный/двойной темп"));
    EXPECT_EQ(energy.findChild<QLabel*>()->text(), QStringLiteral("Направление"));
    EXPECT_EQ(energy.choice().segment(id(EnergyDirection::up))->text(), QStringLiteral("Выше"));
    // Never truncated: the label and pills keep their natural width in any language.
    EXPECT_GE(bar.countLabel().width(), bar.countLabel().sizeHint().width());
    EXPECT_GE(bar.keyPill().width(), bar.keyPill().sizeHint().width());
}

} // namespace
} // namespace cuevox::views
