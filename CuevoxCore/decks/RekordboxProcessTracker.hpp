#pragma once

#include <cstdint>
#include <optional>

// Tells a restart of rekordbox from its process id.
namespace cuevox::decks::RekordboxProcessTracker {

// True exactly when a process was seen before and this one has another id.
constexpr bool isRestart(std::optional<std::int32_t> previousPID, std::int32_t currentPID) {
    return previousPID.has_value() && *previousPID != currentPID;
}

} // namespace cuevox::decks::RekordboxProcessTracker
