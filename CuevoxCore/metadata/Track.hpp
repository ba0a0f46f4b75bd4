#pragma once

#include "metadata/CamelotKey.hpp"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace cuevox::metadata {

// One entry of the DJ's collection. `id` is its identity everywhere in the program; code that
// means "the same collection entry" compares ids, not whole tracks.
struct Track {
    std::string id;
    std::string title;
    std::string artist;
    std::optional<std::string> genre;
    std::optional<double> bpm;
    // The key text exactly as the collection gives it, for display.
    std::optional<std::string> musicalKey;
    // The key used for matching and filtering.
    std::optional<CamelotKey> camelotKey;
    std::optional<std::string> comment;
    std::optional<int> energy;
    std::optional<int> rating;
    std::optional<double> duration;
    std::optional<std::string> filepath;
    std::optional<std::chrono::sys_days> dateAdded;
    std::optional<int> year;
    std::optional<std::string> label;

    bool operator==(const Track&) const = default;

    // Only a track with an audio file and a tempo can be offered as the next track.
    bool isValidCandidate() const;

    // "artist::title", trimmed and lower-cased: the same recording in two files shares it.
    std::string duplicateKey() const;
};

} // namespace cuevox::metadata
