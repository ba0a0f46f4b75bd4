#include "state/FilterState.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

namespace cuevox::state {
namespace {

TEST(FilterState, SelectionsListAtOnceAndTheSearchOnceTypingPauses) {
    // A pause of 0 ms ends at the next turn of the event loop: nothing waits on a clock.
    FilterState filters(std::chrono::milliseconds(0));
    QSignalSpy listNeeded(&filters, &FilterState::listNeeded);
    QSignalSpy genresChanged(&filters, &FilterState::genresChanged);
    QSignalSpy keysChanged(&filters, &FilterState::keysChanged);
    QSignalSpy searchChanged(&filters, &FilterState::searchTextChanged);
    filters.setGenres({"House"});
    filters.setGenres({"House"});
    EXPECT_EQ(listNeeded.count(), 2) << "every assignment lists, at once";
    EXPECT_EQ(genresChanged.count(), 1) << "only a change is announced";

    for (const char* text : {"n", "ni", "nig", "nig"}) {
        filters.setSearchText(text);
    }
    EXPECT_EQ(listNeeded.count(), 2) << "nothing before the pause";
    QCoreApplication::processEvents();
    EXPECT_EQ(listNeeded.count(), 3) << "one list for all the keystrokes";
    EXPECT_EQ(searchChanged.count(), 3);

    // Clearing announces each change and lists nothing, not even the search it cuts short.
    filters.setSearchText("night");
    filters.clear();
    QCoreApplication::processEvents();
    EXPECT_EQ(listNeeded.count(), 3);
    EXPECT_TRUE(filters.selections().isEmpty());
    EXPECT_EQ(filters.searchText(), "");
    EXPECT_EQ(genresChanged.count(), 2);
    EXPECT_EQ(keysChanged.count(), 0);
    EXPECT_EQ(searchChanged.count(), 5);

    // A reset lists four times at once and once after the pause, even with nothing set.
    filters.reset();
    EXPECT_EQ(listNeeded.count(), 7);
    QCoreApplication::processEvents();
    EXPECT_EQ(listNeeded.count(), 8);
}

} // namespace
} // namespace cuevox::state
