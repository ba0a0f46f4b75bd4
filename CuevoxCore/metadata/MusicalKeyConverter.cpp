#include "metadata/MusicalKeyConverter.hpp"

#include "text/Regex.hpp"
#include "text/Text.hpp"

#include <array>

namespace cuevox::metadata::MusicalKeyConverter {
namespace {

enum class Mode { major, minor };

constexpr std::optional<int> noteLetterPitchClass(char32_t letter) {
    switch (letter) {
    case U'C': return 0;
    case U'D': return 2;
    case U'E': return 4;
    case U'F': return 5;
    case U'G': return 7;
    case U'A': return 9;
    case U'B': return 11;
    default: return std::nullopt;
    }
}

constexpr std::array<int, 12> kMajorPitchClassToCamelotNumber{8, 3, 10, 5,  12, 7,
                                                              2, 9, 4,  11, 6,  1};
constexpr std::array<int, 12> kMinorPitchClassToCamelotNumber{5,  12, 7, 2, 9, 4,
                                                              11, 6,  1, 8, 3, 10};

struct Suffix {
    std::u32string_view text;
    Mode mode;
};

// Longest first, so that "minor" is not read as "min" followed by "or".
constexpr std::array<Suffix, 4> kSuffixes{{
    {U"major", Mode::major},
    {U"maj", Mode::major},
    {U"minor", Mode::minor},
    {U"min", Mode::minor},
}};

bool endsWith(std::u32string_view text, std::u32string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

} // namespace

std::optional<CamelotKey> camelotKeyFromClassicalNotation(std::string_view input) {
    const std::string trimmed = text::trim(input);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    const std::u32string characters = text::toCodePoints(trimmed);
    const std::u32string lowered = text::toCodePoints(text::toLower(trimmed));

    Mode mode = Mode::major;
    std::size_t suffixLength = 0;
    bool matched = false;
    for (const Suffix& suffix : kSuffixes) {
        if (endsWith(lowered, suffix.text)) {
            mode = suffix.mode;
            suffixLength = suffix.text.size();
            matched = true;
            break;
        }
    }
    // A lone "m" is no minor marker: it stays the body and fails as a note below.
    if (!matched && endsWith(lowered, U"m") && characters.size() > 1) {
        mode = Mode::minor;
        suffixLength = 1;
    }
    // Lower-casing can lengthen the text (İ), but never ahead of an ASCII suffix it ends in.
    if (suffixLength > characters.size()) {
        return std::nullopt;
    }

    const std::u32string body = text::toCodePoints(text::trim(text::fromCodePoints(
        std::u32string_view(characters).substr(0, characters.size() - suffixLength))));
    if (body.empty()) {
        return std::nullopt;
    }

    const std::u32string first =
        text::toCodePoints(text::toUpper(text::fromCodePoints(body.substr(0, 1))));
    const std::optional<int> start =
        first.size() == 1 ? noteLetterPitchClass(first[0]) : std::nullopt;
    if (!start) {
        return std::nullopt;
    }

    long long offset = 0;
    for (const char32_t character : std::u32string_view(body).substr(1)) {
        switch (character) {
        case U'#':
        case U'\u266F': ++offset; break;
        case U'b':
        case U'\u266D': --offset; break;
        case U' ': break;
        default: return std::nullopt;
        }
    }

    const auto pitchClass = static_cast<std::size_t>(((*start + offset) % 12 + 12) % 12);
    return mode == Mode::minor
               ? CamelotKey::make(kMinorPitchClassToCamelotNumber[pitchClass], CamelotLetter::a)
               : CamelotKey::make(kMajorPitchClassToCamelotNumber[pitchClass], CamelotLetter::b);
}

std::optional<CamelotKey> camelotKeyFromOpenKeyNotation(std::string_view text) {
    static const text::Regex pattern(R"(^0?(1[0-2]|[1-9])([mdMD])$)",
                                     "CuevoxCore/MusicalKeyConverter");
    const std::optional<text::Regex::Match> match = pattern.search(text::trimmedView(text));
    if (!match) {
        return std::nullopt;
    }
    const auto number = static_cast<int>(*text::parseInteger(*match->group(1)));
    const char mode = (*match->group(2))[0];
    // Open Key numbers its wheel from C major (1d), which Camelot numbers 8.
    return CamelotKey::make((number + 6) % 12 + 1,
                            mode == 'm' || mode == 'M' ? CamelotLetter::a : CamelotLetter::b);
}

std::optional<CamelotKey> parseAnyKeyNotation(std::optional<std::string_view> text,
                                              KeyNotationOptions options) {
    if (!text || text::isBlank(*text)) {
        return std::nullopt;
    }
    if (std::optional<CamelotKey> key = CamelotKey::fromString(*text)) {
        return key;
    }
    if (options.openKey) {
        if (std::optional<CamelotKey> key = camelotKeyFromOpenKeyNotation(*text)) {
            return key;
        }
    }
    return camelotKeyFromClassicalNotation(*text);
}

} // namespace cuevox::metadata::MusicalKeyConverter
