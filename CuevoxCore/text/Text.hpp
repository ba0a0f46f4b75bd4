#pragma once

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The one place where Cuevox does Unicode work. Every function takes and returns UTF-8;
// ill-formed sequences read as U+FFFD. Case mapping is full and locale-independent (root
// locale), so "ß" upper-cases to "SS" and "İ" lower-cases to "i̇" whatever the user's locale.
namespace cuevox::text {

// True for the code points that count as white space or line breaks when trimming.
bool isWhiteSpaceOrLineBreak(char32_t codePoint);

// Removes white space and line breaks at both ends; inner runs stay as they are.
std::string trim(std::string_view text);
// The same without a copy: a view into `text`.
std::string_view trimmedView(std::string_view text);

// True when nothing but white space and line breaks remains.
bool isBlank(std::string_view text);

std::string toLower(std::string_view text);
std::string toUpper(std::string_view text);
// Appends `toLower(text)` to `out`, reusing its capacity: repeated calls on one buffer do not
// allocate once it has grown.
void appendLower(std::string& out, std::string_view text);

// Canonical composition, so that "é" typed as e + U+0301 and as U+00E9 compare equal.
std::string normalizeNFC(std::string_view text);

// Orders by Unicode code point. Byte order of well-formed UTF-8 is code-point order, which is
// why this needs no conversion; callers normalise first where canonical equivalence matters.
std::strong_ordering compareCodePoints(std::string_view lhs, std::string_view rhs);

// Full case folding of the NFC form ("Straße" and "STRASSE" both give "strasse"): the key
// under which texts compare and search without regard to case. Accents stay.
std::string foldCase(std::string_view text);

// Case-insensitive comparison by full case folding of the NFC forms.
bool equalsIgnoringCase(std::string_view lhs, std::string_view rhs);
bool containsIgnoringCase(std::string_view haystack, std::string_view needle);

// The standard reading of a decimal integer: one optional "+" or "-", then ASCII digits and
// nothing else. Nothing when the text is not one or does not fit.
std::optional<long long> parseInteger(std::string_view text);

// True when the bytes are well-formed UTF-8 and hold no NUL character.
bool isValidUTF8(std::string_view text);

// The text made safe to show inside a one-line message: a backslash is doubled; \n, \r, \t
// and NUL are written as such; other control characters (C0, DEL, C1) and the line and
// paragraph separators as \u{1B}; each byte that is not part of well-formed UTF-8 as \xFF.
// Everything else stays as it is, so the result is well-formed UTF-8 on one line.
std::string escapeForMessage(std::string_view text);

// Code points of the text, for algorithms that walk characters one by one.
std::u32string toCodePoints(std::string_view text);
std::string fromCodePoints(std::u32string_view codePoints);

// Characters as the user sees them (extended grapheme clusters): "e" + U+0301, a flag or a
// family emoji count as one each.
std::size_t characterCount(std::string_view text);
// The first `count` such characters; the whole text when it has no more.
std::string characterPrefix(std::string_view text, std::size_t count);
// The first `maxCharacters` such characters, then "…" when anything was left out: how a
// message quotes a text of any length.
std::string excerpt(std::string_view text, std::size_t maxCharacters = 80);
// Columns the text takes in a terminal: East Asian wide and fullwidth characters count two,
// combining marks and other zero-width characters none, everything else one.
std::size_t displayWidth(std::string_view text);

} // namespace cuevox::text
