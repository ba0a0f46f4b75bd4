#include "text/Text.hpp"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/ucasemap.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>

namespace cuevox::text {
namespace {

icu::UnicodeString toUnicode(std::string_view text) {
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string toUtf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

const icu::Normalizer2& nfc() {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
    // The NFC data is compiled into ICU; failing to get it means a broken installation.
    if (U_FAILURE(status) || normalizer == nullptr) {
        std::abort();
    }
    return *normalizer;
}

icu::UnicodeString foldedNFC(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString normalized = nfc().normalize(toUnicode(text), status);
    normalized.foldCase(U_FOLD_CASE_DEFAULT);
    // Folding can decompose (e.g. "ǰ"), so compose again for a stable form.
    icu::UnicodeString result = nfc().normalize(normalized, status);
    return U_SUCCESS(status) ? result : normalized;
}

// Byte offset of the first code point that is not white space.
std::size_t skipLeading(std::string_view text) {
    std::size_t offset = 0;
    while (offset < text.size()) {
        int32_t next = static_cast<int32_t>(offset);
        UChar32 codePoint;
        U8_NEXT(text.data(), next, static_cast<int32_t>(text.size()), codePoint);
        if (codePoint < 0 || !isWhiteSpaceOrLineBreak(static_cast<char32_t>(codePoint))) {
            break;
        }
        offset = static_cast<std::size_t>(next);
    }
    return offset;
}

// Byte offset just past the last code point that is not white space, never below `floor`.
std::size_t skipTrailing(std::string_view text, std::size_t floor) {
    std::size_t end = text.size();
    while (end > floor) {
        int32_t previous = static_cast<int32_t>(end);
        UChar32 codePoint;
        U8_PREV(text.data(), static_cast<int32_t>(floor), previous, codePoint);
        if (codePoint < 0 || !isWhiteSpaceOrLineBreak(static_cast<char32_t>(codePoint))) {
            break;
        }
        end = static_cast<std::size_t>(previous);
    }
    return end;
}

} // namespace

bool isWhiteSpaceOrLineBreak(char32_t codePoint) {
    return u_isUWhiteSpace(static_cast<UChar32>(codePoint));
}

std::string trim(std::string_view text) {
    return std::string(trimmedView(text));
}

std::string_view trimmedView(std::string_view text) {
    const std::size_t begin = skipLeading(text);
    const std::size_t end = skipTrailing(text, begin);
    return text.substr(begin, end - begin);
}

bool isBlank(std::string_view text) {
    return skipLeading(text) == text.size();
}

std::string toLower(std::string_view text) {
    return toUtf8(toUnicode(text).toLower(icu::Locale::getRoot()));
}

void appendLower(std::string& out, std::string_view text) {
    // The root locale's map is immutable once open, so all threads share it.
    static const UCaseMap* const rootMap = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCaseMap* map = ucasemap_open("", 0, &status);
        return U_SUCCESS(status) ? map : nullptr;
    }();
    // Ill-formed input must read as U+FFFD exactly as toLower reads it.
    if (rootMap == nullptr || !isValidUTF8(text) ||
        text.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max() / 4)) {
        out += toLower(text);
        return;
    }
    const std::size_t start = out.size();
    auto capacity = static_cast<int32_t>(text.size() + 8);
    for (;;) {
        out.resize(start + static_cast<std::size_t>(capacity));
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length =
            ucasemap_utf8ToLower(rootMap, out.data() + start, capacity, text.data(),
                                 static_cast<int32_t>(text.size()), &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            capacity = length;
            continue;
        }
        if (U_FAILURE(status)) {
            out.resize(start);
            out += toLower(text);
            return;
        }
        out.resize(start + static_cast<std::size_t>(length));
        return;
    }
}

std::string toUpper(std::string_view text) {
    return toUtf8(toUnicode(text).toUpper(icu::Locale::getRoot()));
}

std::string normalizeNFC(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString source = toUnicode(text);
    if (nfc().isNormalized(source, status) && U_SUCCESS(status)) {
        return toUtf8(source);
    }
    status = U_ZERO_ERROR;
    const icu::UnicodeString normalized = nfc().normalize(source, status);
    return U_SUCCESS(status) ? toUtf8(normalized) : toUtf8(source);
}

std::strong_ordering compareCodePoints(std::string_view lhs, std::string_view rhs) {
    const int order = lhs.compare(rhs);
    return order < 0 ? std::strong_ordering::less
                     : (order > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
}

std::string foldCase(std::string_view text) {
    return toUtf8(foldedNFC(text));
}

bool equalsIgnoringCase(std::string_view lhs, std::string_view rhs) {
    return foldedNFC(lhs) == foldedNFC(rhs);
}

bool containsIgnoringCase(std::string_view haystack, std::string_view needle) {
    if (needle.empty()) {
        return true;
    }
    return foldedNFC(haystack).indexOf(foldedNFC(needle)) >= 0;
}

std::optional<long long> parseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would take a second sign ("+-8"), which the standard reading refuses.
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;
    }
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    if (error != std::errc{} || end != text.data() + text.size() ||
        magnitude > kMax + (negative ? 1 : 0)) {
        return std::nullopt;
    }
    if (negative) {
        return magnitude == kMax + 1 ? std::numeric_limits<long long>::min()
                                     : -static_cast<long long>(magnitude);
    }
    return static_cast<long long>(magnitude);
}

bool isValidUTF8(std::string_view text) {
    int32_t offset = 0;
    const auto length = static_cast<int32_t>(text.size());
    while (offset < length) {
        UChar32 codePoint;
        U8_NEXT(text.data(), offset, length, codePoint);
        if (codePoint <= 0) {
            return false;
        }
    }
    return true;
}

std::string escapeForMessage(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t offset = 0;
    while (offset < text.size()) {
        // One code point at a time through a window of at most four bytes, so that offsets
        // never outgrow ICU's 32-bit indices.
        const auto window = static_cast<int32_t>(std::min<std::size_t>(4, text.size() - offset));
        int32_t length = 0;
        UChar32 codePoint;
        U8_NEXT(text.data() + offset, length, window, codePoint);
        char escape[16];
        if (codePoint < 0) {
            for (int32_t i = 0; i < length; ++i) {
                std::snprintf(
                    escape, sizeof escape, "\\x%02X",
                    static_cast<unsigned char>(text[offset + static_cast<std::size_t>(i)]));
                out += escape;
            }
        } else if (codePoint == '\\') {
            out += "\\\\";
        } else if (codePoint == '\n') {
            out += "\\n";
        } else if (codePoint == '\r') {
            out += "\\r";
        } else if (codePoint == '\t') {
            out += "\\t";
        } else if (codePoint == 0) {
            out += "\\0";
        } else if (u_charType(codePoint) == U_CONTROL_CHAR || codePoint == 0x2028 ||
                   codePoint == 0x2029) {
            std::snprintf(escape, sizeof escape, "\\u{%X}", static_cast<unsigned>(codePoint));
            out += escape;
        } else {
            out.append(text.substr(offset, static_cast<std::size_t>(length)));
        }
        offset += static_cast<std::size_t>(length);
    }
    return out;
}

std::u32string toCodePoints(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    int32_t offset = 0;
    const auto length = static_cast<int32_t>(text.size());
    while (offset < length) {
        UChar32 codePoint;
        U8_NEXT(text.data(), offset, length, codePoint);
        out.push_back(codePoint < 0 ? U'\uFFFD' : static_cast<char32_t>(codePoint));
    }
    return out;
}

std::string fromCodePoints(std::u32string_view codePoints) {
    std::string out;
    out.reserve(codePoints.size());
    for (const char32_t codePoint : codePoints) {
        char buffer[U8_MAX_LENGTH];
        int32_t length = 0;
        UBool error = false;
        U8_APPEND(buffer, length, U8_MAX_LENGTH, static_cast<UChar32>(codePoint), error);
        if (error) {
            out += "\xEF\xBF\xBD";
        } else {
            out.append(buffer, static_cast<std::size_t>(length));
        }
    }
    return out;
}

namespace {

// Calls `visit` with the byte offset after each character until it returns false.
template <typename Visit>
void forEachCharacterEnd(std::string_view text, Visit visit) {
    UErrorCode status = U_ZERO_ERROR;
    UText* utext = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    std::unique_ptr<icu::BreakIterator> characters(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_SUCCESS(status)) {
        // Over UTF-8 text the iterator's positions are byte offsets.
        characters->setText(utext, status);
        if (U_SUCCESS(status)) {
            characters->first();
            for (int32_t end = characters->next(); end != icu::BreakIterator::DONE;
                 end = characters->next()) {
                if (!visit(static_cast<std::size_t>(end))) {
                    break;
                }
            }
        }
    }
    characters.reset();
    utext_close(utext);
}

} // namespace

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    forEachCharacterEnd(text, [&count](std::size_t) {
        ++count;
        return true;
    });
    return count;
}

std::string characterPrefix(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    std::size_t taken = 0;
    if (count > 0) {
        forEachCharacterEnd(text, [&](std::size_t characterEnd) {
            end = characterEnd;
            return ++taken < count;
        });
    }
    return std::string(text.substr(0, end));
}

std::string excerpt(std::string_view text, std::size_t maxCharacters) {
    std::string prefix = characterPrefix(text, maxCharacters);
    return prefix.size() < text.size() ? prefix + "\u2026" : prefix;
}

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    int32_t offset = 0;
    const auto length = static_cast<int32_t>(text.size());
    while (offset < length) {
        UChar32 codePoint;
        U8_NEXT(text.data(), offset, length, codePoint);
        if (codePoint < 0) {
            ++width; // shown as U+FFFD
            continue;
        }
        const auto category = static_cast<UCharCategory>(u_charType(codePoint));
        if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK ||
            category == U_FORMAT_CHAR || category == U_CONTROL_CHAR ||
            u_hasBinaryProperty(codePoint, UCHAR_DEFAULT_IGNORABLE_CODE_POINT)) {
            continue;
        }
        const auto eastAsian =
            static_cast<UEastAsianWidth>(u_getIntPropertyValue(codePoint, UCHAR_EAST_ASIAN_WIDTH));
        width += eastAsian == U_EA_WIDE || eastAsian == U_EA_FULLWIDTH ? 2 : 1;
    }
    return width;
}

} // namespace cuevox::text
