#pragma once

#include "importing/TrackAttributes.hpp"
#include "metadata/KeyNotationOptions.hpp"
#include "metadata/Track.hpp"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// Turns one track element's attributes, as rekordbox writes them, into a Track.
namespace cuevox::importing::RekordboxMetadataMapper {

// Nothing when "TrackID" or "Name" is missing or empty; every other attribute that cannot be
// read only leaves its field absent. `keyNotation` says how Tonality may be written.
std::optional<metadata::Track> track(TrackAttributes attributes,
                                     metadata::KeyNotationOptions keyNotation = {});

// "yyyy-MM-dd" as a real Gregorian day (no 2021-02-30), midnight UTC.
std::optional<std::chrono::sys_days> parseDate(std::optional<std::string_view> text);

// rekordbox stores stars as 0, 51, ... 255; this gives 0 to 5 stars.
std::optional<int> parseRating(std::optional<std::string_view> text);

// A release year greater than 0.
std::optional<int> parseYear(std::optional<std::string_view> text);

// A decimal number in the locale-independent form, the whole text and nothing else.
std::optional<double> parseNumber(std::optional<std::string_view> text);

// The path of a file URL, percent-escapes decoded and host dropped; any other text unchanged.
std::optional<std::string> parseLocation(std::optional<std::string_view> text);

} // namespace cuevox::importing::RekordboxMetadataMapper
