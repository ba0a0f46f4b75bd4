#include "views/RowTexts.hpp"

#include "i18n/LocalizationManager.hpp"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace cuevox::views {
namespace {

using recommendation::KeyMove;
using Kind = style::StyleReason::Kind;

TEST(RowTextsTest, EachStyleReasonInWords) {
    QTemporaryDir directory;
    QSettings settings(directory.filePath("s.ini"), QSettings::IniFormat);
    const i18n::LocalizationManager localization(settings, std::nullopt);
    // clang-format off
    const struct { style::StyleReason reason; const char* expected; } reasons[] = {
        {{.kind = Kind::sharedCrates, .count = 3}, "in 3 of your crates"},
        {{.kind = Kind::addedTogether, .count = 0}, "added the same day"},
        {{.kind = Kind::addedTogether, .count = 6}, "added the same week"},
        {{.kind = Kind::addedTogether, .count = 7}, "added 7 days apart"},
        {{.kind = Kind::playedAfter, .count = 2}, "played after it 2×"},
        {{.kind = Kind::playedBefore, .count = 1}, "played before it 1×"},
        {{.kind = Kind::keyMove, .move = KeyMove::minusTwo}, "your usual −2 move"},
        {{.kind = Kind::keyMove, .move = KeyMove::relative}, "your usual Relative move"},
        {{.kind = Kind::keyMove}, ""},
        {{.kind = Kind::tempoMove, .number = 3.4}, "your usual +3 % tempo step"},
        {{.kind = Kind::tempoMove, .number = -2.6}, "your usual −3 % tempo step"},
        {{.kind = Kind::listScore, .number = 86.5}, "list score 87"},
    };
    // clang-format on
    for (const auto& [reason, expected] : reasons) {
        EXPECT_EQ(styleReasonText(reason, localization).toStdString(), expected);
    }
}

} // namespace
} // namespace cuevox::views
