#include "decks/AccessibilityTrackPatternMatcher.hpp"

#include "metadata/MusicalKeyConverter.hpp"
#include "text/FromChars.hpp"
#include "text/Regex.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <charconv>

namespace cuevox::decks::AccessibilityTrackPatternMatcher {
namespace {

constexpr std::string_view kOwner = "CuevoxCore/AccessibilityTrackPatternMatcher";

const text::Regex& bpmPattern() {
    static const text::Regex pattern(R"(^\d{2,3}\.\d{1,2}$)", kOwner);
    return pattern;
}

// At most as long as the longest tempo text, so that a row of dashes drawn as a rule is none.
constexpr std::size_t kLongestPlaceholder = 6;

bool isDashPlaceholder(std::string_view text, bool pointsToo) {
    return !text.empty() && text.size() <= kLongestPlaceholder &&
           text.find('-') != std::string_view::npos &&
           std::ranges::all_of(text,
                               [pointsToo](char c) { return c == '-' || (pointsToo && c == '.'); });
}

// A loaded track without a tempo shows dashes ("--.--") or a zero written as a tempo ("0.00").
bool isTempoPlaceholder(std::string_view text) {
    const std::size_t point = text.find('.');
    const auto zeros = [](std::string_view part, std::size_t fewest, std::size_t most) {
        return part.size() >= fewest && part.size() <= most &&
               part.find_first_not_of('0') == std::string_view::npos;
    };
    return isDashPlaceholder(text, true) ||
           (point != std::string_view::npos && zeros(text.substr(0, point), 1, 3) &&
            zeros(text.substr(point + 1), 1, 2));
}

// The pattern's "\d" takes any decimal digit and its "$" tolerates a final line break; the
// tempo must still read as one plain ASCII number from its first byte to its last.
std::optional<double> parseTempo(const std::string& text) {
    // Every text of the window is tried as a tempo, and few are one. A text that passes both
    // tests is plain ASCII of four to six bytes, digits at both ends and a point two or three
    // from the end, so anything else is refused before the pattern runs.
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() < 4 || text.size() > 6 || !isDigit(text.front()) || !isDigit(text.back()) ||
        (text[text.size() - 2] != '.' && text[text.size() - 3] != '.')) {
        return std::nullopt;
    }
    if (!bpmPattern().search(text)) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [parsed, error] = text::fromChars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc{} || parsed != end) {
        return std::nullopt;
    }
    return value;
}

// A track without a key shows an empty (or blank) key text or dashes; any other text must read
// as a key in the notations the collection is read in.
bool isAcceptedKey(const std::string& text, metadata::KeyNotationOptions keyNotation) {
    return text::isBlank(text) || isDashPlaceholder(text, false) ||
           metadata::MusicalKeyConverter::parseAnyKeyNotation(text, keyNotation);
}

std::optional<DeckTrackCandidate> blockAt(std::span<const std::string> texts, std::size_t i,
                                          metadata::KeyNotationOptions keyNotation) {
    if (texts.size() < 4 || i > texts.size() - 4) {
        return std::nullopt;
    }
    // Tracks without an artist are common, and refusing their block would hide the deck and
    // move the later decks up one: only the title must be there.
    if (texts[i].empty()) {
        return std::nullopt;
    }
    std::optional<double> bpm;
    if (!isTempoPlaceholder(texts[i + 2])) {
        bpm = parseTempo(texts[i + 2]);
        if (!bpm) {
            return std::nullopt;
        }
    }
    if (!isAcceptedKey(texts[i + 3], keyNotation)) {
        return std::nullopt;
    }
    return DeckTrackCandidate{texts[i], texts[i + 1], bpm, texts[i + 3], i + 4};
}

} // namespace

bool isTempoText(const std::string& text) {
    return isTempoPlaceholder(text) || parseTempo(text).has_value();
}

bool isKeyText(const std::string& text) {
    return !text::isBlank(text) && isAcceptedKey(text, {.openKey = true});
}

std::vector<DeckSlotState> extractDeckSlots(std::span<const std::string> texts,
                                            metadata::KeyNotationOptions keyNotation) {
    std::vector<DeckSlotState> slots;
    for (PlacedDeckSlot& placed : extractPlacedDeckSlots(texts, keyNotation)) {
        slots.push_back(std::move(placed.slot));
    }
    return slots;
}

std::vector<PlacedDeckSlot> extractPlacedDeckSlots(std::span<const std::string> texts,
                                                   metadata::KeyNotationOptions keyNotation) {
    std::vector<PlacedDeckSlot> slots;
    std::size_t i = 0;
    while (i < texts.size()) {
        if (std::optional<DeckTrackCandidate> candidate = blockAt(texts, i, keyNotation)) {
            slots.push_back({DeckSlotState::loaded(std::move(*candidate)), i});
            i += 4;
        } else {
            if (texts[i] == kEmptyDeckMarker) {
                slots.push_back({DeckSlotState::empty(), i});
            }
            ++i;
        }
    }
    return slots;
}

std::vector<DeckTrackCandidate> extractCandidates(std::span<const std::string> texts,
                                                  metadata::KeyNotationOptions keyNotation) {
    std::vector<DeckTrackCandidate> candidates;
    std::size_t i = 0;
    while (i + 3 < texts.size()) {
        if (std::optional<DeckTrackCandidate> candidate = blockAt(texts, i, keyNotation)) {
            candidates.push_back(std::move(*candidate));
            i += 4;
        } else {
            ++i;
        }
    }
    return candidates;
}

} // namespace cuevox::decks::AccessibilityTrackPatternMatcher
