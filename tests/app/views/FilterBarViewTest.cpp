#include "views/FilterBarView.hpp"

#include "FilterTestModel.hpp"
#include "views/CamelotWheelPicker.hpp"
#include "views/CheckboxFilterList.hpp"
#include "views/CheckboxFilterRow.hpp"
#include "views/DropDownPanel.hpp"
#include "views/FilterPillButton.hpp"
#include "views/KeyPickerView.hpp"
#include "views/SearchField.hpp"
#include "views/UnderlinedButton.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <sstream>

namespace cuevox::views {
namespace {

using filtertest::FilterTestModel;
using i18n::AppLanguage;
using metadata::CamelotKey;
using state::RecommendationViewModel;
using tracklist::BPMRange;

CamelotKey key(const char* text) {
    return *CamelotKey::fromString(text);
}

QStringList rowTexts(const CheckboxFilterList& list) {
    QStringList texts;
    for (const CheckboxFilterRow* row : list.rows()) {
        texts << row->text();
    }
    return texts;
}

std::vector<bool> rowChecks(const CheckboxFilterList& list) {
    std::vector<bool> checks;
    for (const CheckboxFilterRow* row : list.rows()) {
        checks.push_back(row->isSelected());
    }
    return checks;
}

CheckboxFilterRow* rowNamed(const CheckboxFilterList& list, const QString& text) {
    for (CheckboxFilterRow* row : list.rows()) {
        if (row->text() == text) {
            return row;
        }
    }
    ADD_FAILURE() << "no row " << text.toStdString();
    return nullptr;
}

void clickRow(const CheckboxFilterList& list, const QString& text, QPoint at = {}) {
    if (CheckboxFilterRow* row = rowNamed(list, text)) {
        QTest::mouseClick(row, Qt::LeftButton, {}, at);
    }
}

// The bar shown in a window of its own, as the main window holds it.
class FilterBarViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.load(filtertest::kThreeTracks);
        bar = std::make_unique<FilterBarView>(fixture.model, fixture.localization);
        bar->resize(900, bar->sizeHint().height());
        bar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
    }
    void TearDown() override { bar.reset(); }

    FilterTestModel fixture;
    std::unique_ptr<FilterBarView> bar;
};

TEST_F(FilterBarViewTest, ResetIsEnabledWhileAnyFilterIsActiveAndClearsThemAll) {
    struct Case {
        const char* name;
        std::function<void(RecommendationViewModel&)> set;
        bool enabled;
    };
    const Case cases[] = {
        {"nothing", [](RecommendationViewModel&) {}, false},
        {"one search character", [](auto& m) { m.setSearchText(QStringLiteral("a")); }, true},
        {"blanks only", [](auto& m) { m.setSearchText(QStringLiteral("  ")); }, true},
        {"a key", [](auto& m) { m.setSelectedKeys({key("8A")}); }, true},
        {"a tempo", [](auto& m) { m.setSelectedBPMRanges({BPMRange{120}}); }, true},
        {"an energy", [](auto& m) { m.setSelectedEnergies({6}); }, true},
        {"a genre", [](auto& m) { m.setSelectedGenres({"House"}); }, true},
        {"everything",
         [](auto& m) {
             m.setSelectedKeys({key("8A")});
             m.setSelectedBPMRanges({BPMRange{120}});
             m.setSelectedEnergies({6});
             m.setSelectedGenres({"House"});
             m.setSearchText(QStringLiteral("night"));
         },
         true},
    };
    UnderlinedButton& reset = bar->resetButton();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.set(fixture.model);
        EXPECT_EQ(reset.isEnabled(), c.enabled);
        QTest::mouseClick(&reset, Qt::LeftButton);
        EXPECT_TRUE(fixture.model.selectedKeys().empty());
        EXPECT_TRUE(fixture.model.selectedBPMRanges().empty());
        EXPECT_TRUE(fixture.model.selectedEnergies().empty());
        EXPECT_TRUE(fixture.model.selectedGenres().empty());
        EXPECT_EQ(fixture.model.searchText(), QString());
        EXPECT_FALSE(reset.isEnabled());
    }

    // Typing, not only a model change, enables it; the field empties on reset.
    QLineEdit& field = bar->searchField().lineEdit();
    QTest::keyClicks(&field, QStringLiteral("n"));
    EXPECT_EQ(fixture.model.searchText(), QStringLiteral("n"));
    EXPECT_TRUE(reset.isEnabled());
    QTest::mouseClick(&reset, Qt::LeftButton);
    EXPECT_EQ(field.text(), QString());
}

TEST_F(FilterBarViewTest, SearchFieldWritesEveryKeystrokeAndKeepsItsCursor) {
    QLineEdit& field = bar->searchField().lineEdit();
    QTest::keyClicks(&field, QStringLiteral("nigt"));
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClicks(&field, QStringLiteral("h"));
    EXPECT_EQ(fixture.model.searchText(), QStringLiteral("night"));
    EXPECT_EQ(field.text(), QStringLiteral("night"));
    EXPECT_EQ(field.cursorPosition(), 4) << "the model's echo must not move the cursor";

    fixture.model.setSearchText(QStringLiteral("far"));
    EXPECT_EQ(field.text(), QStringLiteral("far"));

    const int width = bar->searchField().width();
    EXPECT_GE(width, SearchField::kMinimumWidth);
    EXPECT_LE(width, SearchField::kMaximumWidth);
}

TEST_F(FilterBarViewTest, PillsTurnAccentWhileTheirFilterIsActive) {
    struct Case {
        const char* name;
        std::function<void()> set;
        FilterPillButton* active;
    };
    const Case cases[] = {
        {"key", [&] { fixture.model.setSelectedKeys({key("1B")}); }, &bar->keyPill()},
        {"tempo", [&] { fixture.model.setSelectedBPMRanges({BPMRange{140}}); }, &bar->tempoPill()},
        {"energy", [&] { fixture.model.setSelectedEnergies({2}); }, &bar->energyPill()},
        {"genre", [&] { fixture.model.setSelectedGenres({"Techno"}); }, &bar->genrePill()},
        {"search only", [&] { fixture.model.setSearchText(QStringLiteral("x")); }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.set();
        for (FilterPillButton* pill :
             {&bar->keyPill(), &bar->tempoPill(), &bar->energyPill(), &bar->genrePill()}) {
            EXPECT_EQ(pill->isActive(), pill == c.active) << pill->text().toStdString();
        }
        fixture.model.resetFilters();
    }
}

TEST_F(FilterBarViewTest, APillOpensItsPanelAndASecondPressKeepsItOpen) {
    FilterPillButton& pill = bar->genrePill();
    QSignalSpy presented(&pill, &FilterPillButton::presentedChanged);
    EXPECT_FALSE(pill.isPresented());

    QTest::mouseClick(&pill, Qt::LeftButton);
    ASSERT_TRUE(pill.isPresented());
    EXPECT_EQ(pill.panel().content(), &bar->genreList());
    const QRect pillOnScreen(pill.mapToGlobal(QPoint(0, 0)), pill.size());
    EXPECT_GE(pill.panel().geometry().top(), pillOnScreen.bottom()) << "below its pill";
    EXPECT_EQ(presented.count(), 1);

    // The press on the pill straight away, and as the window system delivers it: to the popup.
    QTest::mouseClick(&pill, Qt::LeftButton);
    EXPECT_TRUE(pill.isPresented());
    QWindow* window = bar->windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {}, pill.mapTo(bar.get(), pill.rect().center()));
    EXPECT_TRUE(pill.isPresented());
    EXPECT_EQ(presented.count(), 1) << "never closed in between";

    // Escape closes it, and so does a click elsewhere.
    QTest::keyClick(&pill.panel(), Qt::Key_Escape);
    EXPECT_FALSE(pill.isPresented());
    QTest::mouseClick(&pill, Qt::LeftButton);
    ASSERT_TRUE(pill.isPresented());
    QTest::mouseClick(window, Qt::LeftButton, {}, bar->countLabel().geometry().center());
    EXPECT_FALSE(pill.isPresented());
    EXPECT_EQ(presented.count(), 4);
}

TEST_F(FilterBarViewTest, ListsShowTheirOptionsAndToggleTheirOwnSelection) {
    EXPECT_EQ(rowTexts(bar->genreList()),
              (QStringList{QStringLiteral("House (1)"), QStringLiteral("Techno (2)")}));
    EXPECT_TRUE(rowTexts(bar->tempoList()).contains(QStringLiteral("120 - 130 (2)")));
    EXPECT_TRUE(rowTexts(bar->tempoList()).contains(QStringLiteral("140 - 150 (1)")));
    const QStringList energies = rowTexts(bar->energyList());
    ASSERT_EQ(energies.size(), 10);
    EXPECT_EQ(energies[0], QStringLiteral("Energy 1 (0)"));
    EXPECT_EQ(energies[5], QStringLiteral("Energy 6 (1)"));
    EXPECT_EQ(energies[9], QStringLiteral("Energy 10 (0)"));

    // A click anywhere on a row toggles it; the counts of the other groups follow.
    clickRow(bar->genreList(), QStringLiteral("Techno (2)"), QPoint(2, 2));
    EXPECT_EQ(fixture.model.selectedGenres(), (std::set<std::string>{"Techno"}));
    EXPECT_EQ(rowChecks(bar->genreList()), (std::vector<bool>{false, true}));
    EXPECT_TRUE(rowTexts(bar->tempoList()).contains(QStringLiteral("120 - 130 (1)")));
    EXPECT_EQ(rowTexts(bar->genreList())[0], QStringLiteral("House (1)"))
        << "a group's own selection does not narrow its counts";
    clickRow(bar->genreList(), QStringLiteral("House (1)"));
    EXPECT_EQ(fixture.model.selectedGenres(), (std::set<std::string>{"House", "Techno"}));
    // The far right end, on the checkbox, belongs to the row as well.
    const CheckboxFilterRow* techno = bar->genreList().rows()[1];
    clickRow(bar->genreList(), techno->text(), QPoint(techno->width() - 3, techno->height() / 2));
    EXPECT_EQ(fixture.model.selectedGenres(), (std::set<std::string>{"House"}));

    clickRow(bar->energyList(), QStringLiteral("Energy 6 (1)"));
    EXPECT_EQ(fixture.model.selectedEnergies(), (std::set<int>{6}));
    clickRow(bar->tempoList(), QStringLiteral("120 - 130 (1)"));
    EXPECT_EQ(fixture.model.selectedBPMRanges(), (std::set<BPMRange>{BPMRange{120}}));
}

TEST_F(FilterBarViewTest, EachPanelsResetClearsOnlyItsOwnFilter) {
    struct Case {
        const char* name;
        UnderlinedButton* reset;
        std::function<bool(const RecommendationViewModel&)> cleared;
    };
    const Case cases[] = {
        {"keys", &bar->keyPicker().resetButton(),
         [](auto& m) {
             return m.selectedKeys().empty();
         }},
        {"tempo", &bar->tempoList().resetButton(),
         [](auto& m) {
             return m.selectedBPMRanges().empty();
         }},
        {"energy", &bar->energyList().resetButton(),
         [](auto& m) {
             return m.selectedEnergies().empty();
         }},
        {"genres", &bar->genreList().resetButton(),
         [](auto& m) {
             return m.selectedGenres().empty();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture.model.setSelectedKeys({key("8A"), key("3A")});
        fixture.model.setSelectedBPMRanges({BPMRange{120}});
        fixture.model.setSelectedEnergies({6, 7});
        fixture.model.setSelectedGenres({"House"});
        fixture.model.setSearchText(QStringLiteral("a"));

        QTest::mouseClick(c.reset, Qt::LeftButton);
        EXPECT_TRUE(c.cleared(fixture.model));
        int stillSet =
            !fixture.model.selectedKeys().empty() + !fixture.model.selectedBPMRanges().empty() +
            !fixture.model.selectedEnergies().empty() + !fixture.model.selectedGenres().empty();
        EXPECT_EQ(stillSet, 3);
        EXPECT_EQ(fixture.model.searchText(), QStringLiteral("a"));
        EXPECT_TRUE(bar->resetButton().isEnabled());
    }
}

TEST_F(FilterBarViewTest, OpenListsFollowANewCollection) {
    QTest::mouseClick(&bar->genrePill(), Qt::LeftButton);
    ASSERT_TRUE(bar->genrePill().isPresented());
    const int heightBefore = bar->genrePill().panel().height();
    fixture.load(R"(<C>
      <TRACK TrackID="1" Name="A" Artist="X" Genre="Disco" AverageBpm="118"/>
      <TRACK TrackID="2" Name="B" Artist="X" Genre="Disco" AverageBpm="119"/>
      <TRACK TrackID="3" Name="C" Artist="X" Genre="Funk" AverageBpm="100"/>
      <TRACK TrackID="4" Name="D" Artist="X" Genre="Soul" AverageBpm="90"/>
    </C>)");
    EXPECT_TRUE(bar->genrePill().isPresented());
    EXPECT_EQ(rowTexts(bar->genreList()),
              (QStringList{QStringLiteral("Disco (2)"), QStringLiteral("Funk (1)"),
                           QStringLiteral("Soul (1)")}));
    EXPECT_EQ(bar->countLabel().text(), QStringLiteral("All Tracks (4)"));
    EXPECT_GT(bar->genrePill().panel().height(), heightBefore) << "the panel grows with its rows";

    // The same list with nothing to count: the count shows 0, the bar stays.
    fixture.model.setSearchText(QStringLiteral("no such track"));
    QTest::qWait(30);
    EXPECT_EQ(bar->countLabel().text(), QStringLiteral("All Tracks (0)"));
}

TEST_F(FilterBarViewTest, AManyGenreListScrollsAt260Points) {
    std::ostringstream xml;
    xml << "<C>";
    for (int i = 0; i < 40; ++i) {
        xml << "<TRACK TrackID=\"" << i << "\" Name=\"T" << i << "\" Artist=\"A\" Genre=\"Genre "
            << char('A' + i % 26) << i << "\" AverageBpm=\"" << 90 + i << "\"/>";
    }
    xml << "<TRACK TrackID=\"99\" Name=\"Long\" Artist=\"A\" Genre=\"Progressive Melodic Deep "
           "Organic House\" AverageBpm=\"122\"/></C>";
    fixture.load(xml.str());

    FilterPillButton& pill = bar->genrePill();
    QTest::mouseClick(&pill, Qt::LeftButton);
    ASSERT_TRUE(pill.isPresented());
    QCoreApplication::processEvents();
    ASSERT_EQ(bar->genreList().rows().size(), 41u);
    QScrollArea& area = bar->genreList().scrollArea();
    EXPECT_EQ(area.height(), CheckboxFilterList::kMaximumScrollHeight);
    EXPECT_GT(area.verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(area.verticalScrollBar()->isVisible());
    EXPECT_GE(bar->genreList().width(), CheckboxFilterList::kMinimumWidth);
    // The longest name still fits beside its checkbox and the scroll bar.
    const CheckboxFilterRow* longest =
        rowNamed(bar->genreList(), QStringLiteral("Progressive Melodic Deep Organic House (1)"));
    ASSERT_NE(longest, nullptr);
    EXPECT_GE(longest->width(), longest->sizeHint().width());
    EXPECT_LT(pill.panel().height(), CheckboxFilterList::kMaximumScrollHeight + 60);
    filtertest::saveFilterScreenshot(pill.panel(), QStringLiteral("filter-genres-many"));

    // A short list is only as high as its rows, still at least 220 wide.
    fixture.load(filtertest::kThreeTracks);
    EXPECT_LT(area.height(), 100);
    EXPECT_GE(bar->genreList().width(), CheckboxFilterList::kMinimumWidth);
}

TEST_F(FilterBarViewTest, TextsFollowTheLanguageAtOnce) {
    struct Case {
        AppLanguage language;
        const char* name;
        QString count, key, genres, reset, energyRow, selectKeys;
    };
    const Case cases[] = {
        {AppLanguage::en, "en", "All Tracks (1)", "Key", "Genres", "Reset", "Energy 6 (1)",
         "Select Keys"},
        {AppLanguage::ru, "ru", "Все треки (1)", "Тональность", "Жанры", "Сбросить",
         "Энергия 6 (1)", "Выбрать тональности"},
        {AppLanguage::ja, "ja", "すべてのトラック (1)", "キー", "ジャンル", "リセット",
         "エネルギー 6 (1)", "キーを選択"},
        {AppLanguage::de, "de", "Alle Titel (1)", "Tonart", "Genres", "Zurücksetzen",
         "Energie 6 (1)", "Tonarten wählen"},
    };
    fixture.model.setSelectedKeys({key("8A")});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture.localization.setLanguage(c.language);
        QCoreApplication::processEvents(); // the layout settles on the next turn
        EXPECT_EQ(bar->countLabel().text(), c.count);
        EXPECT_EQ(bar->keyPill().text(), c.key);
        EXPECT_EQ(bar->genrePill().text(), c.genres);
        EXPECT_EQ(bar->resetButton().text(), c.reset);
        EXPECT_EQ(bar->genreList().resetButton().text(), c.reset);
        EXPECT_EQ(rowTexts(bar->energyList())[5], c.energyRow);
        EXPECT_EQ(bar->keyPicker().findChild<QLabel*>()->text(), c.selectKeys);
        // Never truncated: the label and pills keep their natural width in any language.
        EXPECT_GE(bar->countLabel().width(), bar->countLabel().sizeHint().width());
        EXPECT_GE(bar->keyPill().width(), bar->keyPill().sizeHint().width());

        filtertest::saveFilterScreenshot(*bar, QStringLiteral("filter-bar-%1").arg(c.name));
        QTest::mouseClick(&bar->keyPill(), Qt::LeftButton);
        filtertest::saveFilterScreenshot(bar->keyPill().panel(),
                                         QStringLiteral("filter-keys-8A-%1").arg(c.name));
        QTest::keyClick(&bar->keyPill().panel(), Qt::Key_Escape);
        QTest::mouseClick(&bar->energyPill(), Qt::LeftButton);
        filtertest::saveFilterScreenshot(bar->energyPill().panel(),
                                         QStringLiteral("filter-energy-%1").arg(c.name));
        QTest::keyClick(&bar->energyPill().panel(), Qt::Key_Escape);
    }
    fixture.model.resetFilters();
    filtertest::saveFilterScreenshot(*bar, QStringLiteral("filter-bar-idle"));
}

} // namespace
} // namespace cuevox::views
