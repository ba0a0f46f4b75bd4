#include "text/Regex.hpp"

#include <gtest/gtest.h>

#include <string>
#include <sys/mman.h>
#include <thread>
#include <vector>

namespace cuevox::text {
namespace {

TEST(Regex, FindsTheLeftmostMatchWithGroupsAsViewsIntoTheText) {
    const Regex regex(R"((?i)\b(\d+)([ab])?\b)", "test");
    const std::string text = "Caf\u00E9 12b and 7";
    const auto match = regex.search(text);
    ASSERT_TRUE(match);
    EXPECT_EQ(match->group(0), "12b");
    EXPECT_EQ(match->group(1), "12");
    EXPECT_EQ(match->group(2), "b");
    EXPECT_EQ(match->group(0)->data(), text.data() + text.find("12b"));

    const auto second = regex.search("only 7 here");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->group(1), "7");
    EXPECT_EQ(second->group(2), std::nullopt) << "a group that took no part has no range";
    EXPECT_EQ(second->group(3), std::nullopt);
    EXPECT_EQ(second->group(-1), std::nullopt);

    EXPECT_FALSE(regex.search("no digits"));
    EXPECT_FALSE(regex.search(""));
}

TEST(Regex, GroupsMapBackToTheUtf8BytesWhateverPrecedesThem) {
    const Regex regex(R"((\d+)(x)?)", "test");
    // clang-format off
    struct Case { std::string text, group; } cases[] = {
        {"\U0001F3B5 42", "42"},  // a code point outside the BMP is two UTF-16 units
        {"\u00E9\u20AC 7x", "7"}, // two- and three-byte sequences
        {"\xFF\xC3 9", "9"},      // ill-formed bytes read as U+FFFD
        {"\xF0\x9F\x8E 5", "5"},  // a cut four-byte sequence
        {"12", "12"},
        // clang-format on
    };
    // Short texts are converted and long ones searched in place: both map alike.
    for (const std::string& padding :
         {std::string(), std::string(Regex::kMaxConvertedBytes, ' ')}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text + " after " + std::to_string(padding.size()));
            const std::string text = padding + c.text;
            const auto match = regex.search(text);
            ASSERT_TRUE(match);
            EXPECT_EQ(match->group(1), c.group);
            EXPECT_EQ(match->group(1)->data(), text.data() + text.find(c.group));
        }
    }
    const std::string tail = "caf\u00E9 3x";
    EXPECT_EQ(regex.search(tail)->group(0), "3x");
    EXPECT_EQ(regex.search(tail)->group(2), "x");
}

TEST(Regex, ATextOf2GiBOrMoreIsNotSearched) {
    for (const std::size_t size : {std::size_t{1} << 31, (std::size_t{1} << 32) + 1}) {
        SCOPED_TRACE(size);
        // Untouched pages of the mapping are never made real.
        void* memory =
            ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(memory, MAP_FAILED);
        static_cast<char*>(memory)[0] = 'x';
        EXPECT_FALSE(Regex("x", "test").search(std::string_view(static_cast<char*>(memory), size)));
        ::munmap(memory, size);
    }
}

TEST(Regex, SearchesFromManyThreadsAtOnce) {
    const Regex regex(R"(E(\d+))", "test");
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int thread = 0; thread < 4; ++thread) {
        threads.emplace_back([&, thread] {
            for (int i = 0; i < 2000; ++i) {
                const std::string text = "x E" + std::to_string(thread * 10000 + i) + " y";
                const auto match = regex.search(text);
                if (!match || match->group(1) != std::to_string(thread * 10000 + i)) {
                    ++failures[static_cast<std::size_t>(thread)];
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

TEST(Regex, PatternsDestroyedAndRebuiltDoNotShareMatchers) {
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        const Regex first("a(b)", "test");
        EXPECT_EQ(first.search("xab")->group(1), "b");
        const Regex second("(c)d", "test");
        EXPECT_EQ(second.search("cd")->group(1), "c");
        EXPECT_FALSE(second.search("ab"));
    }
}

} // namespace
} // namespace cuevox::text
