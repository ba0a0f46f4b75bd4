#include "text/FromChars.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace cuevox::text {
namespace {

struct Reading {
    std::errc error;
    std::size_t consumed;
    double value;
};

Reading read(const std::string& text, std::chars_format format, bool withoutLibrary) {
    double value = -1;
    const char* first = text.data();
    const auto [end, error] =
        withoutLibrary ? fromCharsWithoutLibrarySupport(first, first + text.size(), value, format)
                       : fromChars(first, first + text.size(), value, format);
    return {error, static_cast<std::size_t>(end - first), value};
}

// Both readings, so that the one macOS uses is checked on Linux too.
TEST(FromCharsTest, ReadsTheLongestNumberPrefixLikeTheStandardWhateverTheUsersLocale) {
    constexpr auto general = std::chars_format::general;
    constexpr auto fixed = std::chars_format::fixed;
    const struct {
        const char* text;
        std::chars_format format;
        std::size_t consumed;
        double value;
    } accepted[] = {
        // clang-format off
        {"128.00", general, 6, 128},
        {"-0.5", general, 4, -0.5},
        {".5", general, 2, 0.5},
        {"5.", general, 2, 5},
        {"1E-2", general, 4, 0.01},
        {"1e+3", fixed, 1, 1},
        {"1e", general, 1, 1},
        {"1e+", general, 1, 1},
        {"0x1p3", general, 1, 0},
        {"0.1", general, 3, 0.1},
        // clang-format on
    };
    for (const bool withoutLibrary : {false, true}) {
        SCOPED_TRACE(withoutLibrary ? "without library" : "library");
        for (const auto& row : accepted) {
            SCOPED_TRACE(row.text);
            const Reading reading = read(row.text, row.format, withoutLibrary);
            EXPECT_EQ(reading.error, std::errc{});
            EXPECT_EQ(reading.consumed, row.consumed);
            EXPECT_EQ(reading.value, row.value) << "correctly rounded, as the literal";
        }
        for (const char* text : {"", "+1", " 1", "-", ".", "-.", "e5", "abc", "--1"}) {
            SCOPED_TRACE(text);
            const Reading reading = read(text, std::chars_format::general, withoutLibrary);
            EXPECT_EQ(reading.error, std::errc::invalid_argument);
            EXPECT_EQ(reading.consumed, 0U);
            EXPECT_EQ(reading.value, -1) << "left alone";
        }
        const Reading huge = read("1e400", std::chars_format::general, withoutLibrary);
        EXPECT_EQ(huge.error, std::errc::result_out_of_range);
        EXPECT_EQ(huge.consumed, 5U);
        EXPECT_EQ(huge.value, -1);

        for (const char* text : {"iNf", "INFINITY", "-inf"}) {
            const Reading reading = read(text, std::chars_format::general, withoutLibrary);
            EXPECT_TRUE(std::isinf(reading.value)) << text;
            EXPECT_EQ(reading.consumed, std::string(text).size()) << text;
        }
        EXPECT_TRUE(std::isnan(read("nan", std::chars_format::general, withoutLibrary).value));

        // A decimal comma locale, as QApplication sets from the environment, changes nothing.
        const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
            const Reading reading = read("128.5", std::chars_format::general, withoutLibrary);
            EXPECT_EQ(reading.value, 128.5);
            EXPECT_EQ(reading.consumed, 5U);
        }
        std::setlocale(LC_NUMERIC, previous.c_str());
    }
}

} // namespace
} // namespace cuevox::text
