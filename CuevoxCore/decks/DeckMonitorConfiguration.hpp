#pragma once

#include "metadata/KeyNotationOptions.hpp"

#include <chrono>
#include <string>

namespace cuevox::decks {

// What the deck monitor watches and how often. Intervals are in seconds and must be finite
// and non-negative.
struct DeckMonitorConfiguration {
    std::string bundleIdentifier;
    // Pause after a poll that found rekordbox running with access granted.
    double pollInterval = 0;
    // Pause between the two text samples of one poll.
    double playbackSampleGap = 0;
    // Pause after a poll that found no access or no rekordbox.
    double idlePollInterval = 0;
    // Subscribes to the changes rekordbox reports, to see them at once rather than at the next
    // poll. Polls go on either way; off, reading is as without events.
    bool followEvents = true;
    // Which notations a deck's key text may be in besides Camelot and classical names.
    metadata::KeyNotationOptions keyNotation = {};

    // The values the application runs with.
    static DeckMonitorConfiguration rekordbox();

    bool operator==(const DeckMonitorConfiguration&) const = default;
};

// Seconds to whole nanoseconds, truncated. An interval that is negative, not finite or too
// long to count is a programming error and stops the program.
std::chrono::nanoseconds intervalNanoseconds(double seconds);
// The same in the system clock's own unit, which is coarser on macOS (microseconds), so that
// it adds to a time point of that clock.
std::chrono::system_clock::duration clockInterval(double seconds);

} // namespace cuevox::decks
