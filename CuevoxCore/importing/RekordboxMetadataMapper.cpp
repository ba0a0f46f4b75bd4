#include "importing/RekordboxMetadataMapper.hpp"

#include "metadata/CommentTagParser.hpp"
#include "metadata/EnergyParser.hpp"
#include "metadata/MusicalKeyConverter.hpp"
#include "text/FromChars.hpp"
#include "text/Text.hpp"

#include <uriparser/Uri.h>

#include <charconv>
#include <climits>
#include <cmath>

namespace cuevox::importing::RekordboxMetadataMapper {
namespace {

using metadata::Track;

std::optional<std::string> nonBlank(std::optional<std::string_view> text) {
    if (!text || text::isBlank(*text)) {
        return std::nullopt;
    }
    return std::string(*text);
}

std::optional<std::string> owned(std::optional<std::string_view> text) {
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

std::optional<double> positive(std::optional<double> value) {
    return value && *value > 0 ? value : std::nullopt;
}

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool equalsIgnoringAsciiCase(std::string_view lhs, std::string_view rhs) {
    if (lhs.size() != rhs.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lhs.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(lhs[i]) != lower(rhs[i])) {
            return false;
        }
    }
    return true;
}

std::string_view rangeText(const UriTextRangeA& range) {
    if (range.first == nullptr || range.afterLast == nullptr) {
        return {};
    }
    return {range.first, static_cast<std::size_t>(range.afterLast - range.first)};
}

// rekordbox writes "#" and "?" unescaped inside file paths and never a query or a fragment,
// so in a file URL both are characters of the path.
std::string withPathMarksEscaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '#') {
            escaped += "%23";
        } else if (c == '?') {
            escaped += "%3F";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// The decoded path of a file URL, or nothing when the text is no file URL.
std::optional<std::string> fileURLPath(std::string_view text) {
    // A scheme ends at the first ":", so this prefix is exactly the scheme "file".
    if (!equalsIgnoringAsciiCase(text.substr(0, 5), "file:")) {
        return std::nullopt;
    }
    const std::string escaped = withPathMarksEscaped(text);
    UriUriA uri;
    const char* errorPosition = nullptr;
    if (uriParseSingleUriExA(&uri, escaped.data(), escaped.data() + escaped.size(),
                             &errorPosition) != URI_SUCCESS) {
        return std::nullopt;
    }
    std::optional<std::string> path;
    if (equalsIgnoringAsciiCase(rangeText(uri.scheme), "file")) {
        // A URL with an authority ("file://localhost/...", "file:///...") has an absolute path
        // even though uriparser only flags absolute paths of URLs without one.
        std::string joined = uri.absolutePath || uri.hostText.first != nullptr ? "/" : "";
        for (const UriPathSegmentA* segment = uri.pathHead; segment != nullptr;
             segment = segment->next) {
            joined += rangeText(segment->text);
            if (segment->next != nullptr) {
                joined += '/';
            }
        }
        joined.resize(static_cast<std::size_t>(
            uriUnescapeInPlaceExA(joined.data(), URI_FALSE, URI_BR_DONT_TOUCH) - joined.data()));
        path = std::move(joined);
    }
    uriFreeUriMembersA(&uri);
    return path;
}

} // namespace

std::optional<double> parseNumber(std::optional<std::string_view> text) {
    if (!text || text->empty()) {
        return std::nullopt;
    }
    std::string_view digits = *text;
    // from_chars refuses a leading "+", which the standard conversion takes.
    if (digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() == '-' || digits.front() == '+') {
            return std::nullopt;
        }
    }
    double value = 0;
    const auto [end, error] = text::fromChars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    // "inf" and "nan" read as numbers, but no tempo or length is infinite or not a number.
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseYear(std::optional<std::string_view> text) {
    if (!text) {
        return std::nullopt;
    }
    const std::optional<long long> year = text::parseInteger(*text);
    if (!year || *year <= 0 || *year > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(*year);
}

std::optional<int> parseRating(std::optional<std::string_view> text) {
    if (!text || text->empty()) {
        return std::nullopt;
    }
    const std::optional<long long> raw = text::parseInteger(*text);
    if (!raw) {
        return std::nullopt;
    }
    // std::round takes halves away from zero, as the star rounding needs.
    const double stars = std::round(static_cast<double>(*raw) / 51.0);
    if (!(stars >= 0 && stars <= 5)) {
        return std::nullopt;
    }
    return static_cast<int>(stars);
}

std::optional<std::chrono::sys_days> parseDate(std::optional<std::string_view> text) {
    using namespace std::chrono;
    if (!text || text->size() != 10 || (*text)[4] != '-' || (*text)[7] != '-') {
        return std::nullopt;
    }
    const std::string_view date = *text;
    for (const std::size_t index : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!isAsciiDigit(date[index])) {
            return std::nullopt;
        }
    }
    const auto number = [&](std::size_t from, std::size_t length) {
        int value = 0;
        std::from_chars(date.data() + from, date.data() + from + length, value);
        return value;
    };
    const year_month_day day{year(number(0, 4)), month(static_cast<unsigned>(number(5, 2))),
                             std::chrono::day(static_cast<unsigned>(number(8, 2)))};
    if (!day.ok()) {
        return std::nullopt;
    }
    return sys_days(day);
}

std::optional<std::string> parseLocation(std::optional<std::string_view> text) {
    if (!text || text->empty()) {
        return std::nullopt;
    }
    std::optional<std::string> path = fileURLPath(*text);
    // Escapes that decode to ill-formed UTF-8 or a NUL byte name no file this program can
    // open; keeping the location as written loses nothing.
    if (path && text::isValidUTF8(*path)) {
        return path;
    }
    return std::string(*text);
}

std::optional<Track> track(TrackAttributes attributes, metadata::KeyNotationOptions keyNotation) {
    if (attributes.empty()) {
        return std::nullopt;
    }
    const std::optional<std::string_view> id = attributeValue(attributes, "TrackID");
    const std::optional<std::string_view> name = attributeValue(attributes, "Name");
    if (!id || id->empty() || !name || name->empty()) {
        return std::nullopt;
    }

    std::optional<std::string> comment = nonBlank(attributeValue(attributes, "Comments"));
    std::optional<std::string> tonality = owned(attributeValue(attributes, "Tonality"));
    const metadata::CommentTagParser::Result tag = metadata::CommentTagParser::parse(comment);

    std::optional<metadata::CamelotKey> camelotKey =
        tag.key ? tag.key
                : metadata::MusicalKeyConverter::parseAnyKeyNotation(tonality, keyNotation);
    std::optional<int> energy = tag.energy ? tag.energy : metadata::EnergyParser::parse(comment);

    return Track{
        .id = std::string(*id),
        .title = std::string(*name),
        .artist = std::string(attributeValue(attributes, "Artist").value_or("")),
        .genre = nonBlank(attributeValue(attributes, "Genre")),
        .bpm = positive(parseNumber(attributeValue(attributes, "AverageBpm"))),
        .musicalKey = std::move(tonality),
        .camelotKey = camelotKey,
        .comment = std::move(comment),
        .energy = energy,
        .rating = parseRating(attributeValue(attributes, "Rating")),
        .duration = positive(parseNumber(attributeValue(attributes, "TotalTime"))),
        .filepath = parseLocation(attributeValue(attributes, "Location")),
        .dateAdded = parseDate(attributeValue(attributes, "DateAdded")),
        .year = parseYear(attributeValue(attributes, "Year")),
        .label = nonBlank(attributeValue(attributes, "Label")),
    };
}

} // namespace cuevox::importing::RekordboxMetadataMapper
