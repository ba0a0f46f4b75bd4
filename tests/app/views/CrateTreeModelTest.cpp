#include "views/CrateTreeModel.hpp"

#include "importing/XMLLibraryReader.hpp"
#include "views/Theme.hpp"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

namespace cuevox::views {
namespace {

std::shared_ptr<const tracklist::PreparedLibrary> prepared(const std::string& playlists) {
    auto read = importing::XMLLibraryReader::parseLibrary(
        R"(<C><TRACK TrackID="1" Name="t"/><NODE Name="ROOT">)" + playlists + "</NODE></C>");
    EXPECT_TRUE(read);
    return tracklist::PreparedLibrary::prepare(std::move(*read), {});
}

// Each row indented by its depth, with its tooltip after a "|" when it has one.
QStringList rows(const QAbstractItemModel& model, const QModelIndex& parent = {}, int depth = 0) {
    QStringList lines;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const QString tip = index.data(Qt::ToolTipRole).toString();
        lines << QString(depth, QLatin1Char(' ')) + index.data().toString() +
                     (tip.isEmpty() ? QString() : QStringLiteral(" | ") + tip);
        lines << rows(model, index, depth + 1);
    }
    return lines;
}

// Folders one inside the other, named "a" or, numbered, "a1", "a2"…
std::string nested(int levels, const std::string& inside, bool numbered = true) {
    std::string xml;
    for (int level = 1; level <= levels; ++level) {
        xml += "<NODE Name=\"a" + (numbered ? std::to_string(level) : "") + "\">";
    }
    xml += inside;
    for (int level = 0; level < levels; ++level) {
        xml += "</NODE>";
    }
    return xml;
}

// Folders below the fifth level are shown under the fifth, named by their last two levels.
TEST(CrateTreeModel, FoldersBelowTheShownDepthAreShownFlatWithTheirPathAsTooltip) {
    CrateTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const std::string below6 = R"(<NODE Name="p6" Type="1"/><NODE Name="a7">)"
                               R"(<NODE Name="p7" Type="1"><TRACK Key="1"/></NODE><NODE Name="a8">)"
                               R"(<NODE Name="p8" Type="1"/></NODE></NODE>)";
    model.setLibrary(prepared(nested(6, below6) + R"(<NODE Name="A/B" Type="1"/>)"));
    // clang-format off
    EXPECT_EQ(rows(model), (QStringList{
        "a1", " a2", "  a3", "   a4", "    a5",
        "     a6 | a1/a2/a3/a4/a5/a6",
        "      p6 (0) | a1/a2/a3/a4/a5/a6/p6",
        "     a6/a7 | a1/a2/a3/a4/a5/a6/a7",
        "      p7 (1) | a1/a2/a3/a4/a5/a6/a7/p7",
        "     …/a7/a8 | a1/a2/a3/a4/a5/a6/a7/a8",
        "      p8 (0) | a1/a2/a3/a4/a5/a6/a7/a8/p8",
        "A/B (0)"}));
    // clang-format on
    const QModelIndex crate = model.index(1, 0);
    EXPECT_EQ(crate.data(CrateTreeModel::kCrateIDRole), QStringLiteral("A/B"));
    EXPECT_EQ(crate.data(CrateTreeModel::kNameRole), QStringLiteral("A/B"));
    EXPECT_EQ(model.index(0, 0).data(CrateTreeModel::kCrateIDRole), QVariant()) << "a folder";
    EXPECT_EQ(model.flags(model.index(0, 0)), Qt::ItemIsEnabled);
    model.setPicked("A/B");
    EXPECT_EQ(crate.data(Qt::ForegroundRole).value<QColor>(), theme::kAccent);
}

// 40,000 nested folders (1.2 MB) made the picker recurse until the window crashed.
TEST(CrateTreeModel, FortyThousandNestedFoldersAreSixRowsDeep) {
    CrateTreeModel model;
    model.setLibrary(prepared(nested(40'000, R"(<NODE Name="deep" Type="1"/>)", false)));
    QModelIndex index;
    for (int depth = 0; depth < CrateTreeModel::kShownDepth; ++depth) {
        ASSERT_EQ(model.rowCount(index), 1);
        index = model.index(0, 0, index);
    }
    ASSERT_EQ(model.rowCount(index), 1);
    const QModelIndex flat = model.index(0, 0, index);
    EXPECT_EQ(flat.data().toString(), QStringLiteral("…/a/a"));
    EXPECT_EQ(flat.data(Qt::ToolTipRole).toString().size(), 403) << "the middle left out";
    EXPECT_EQ(model.index(0, 0, flat).data().toString(), QStringLiteral("deep (0)"));
}

} // namespace
} // namespace cuevox::views
