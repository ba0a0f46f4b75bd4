#include "text/Regex.hpp"

#include <unicode/regex.h>
#include <unicode/utext.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace cuevox::text {
namespace {

[[noreturn]] void fail(std::string_view owner, std::string_view what, UErrorCode status) {
    std::fprintf(stderr, "%.*s: %.*s (%s)\n", static_cast<int>(owner.size()), owner.data(),
                 static_cast<int>(what.size()), what.data(), u_errorName(status));
    std::abort();
}

std::atomic<std::uint64_t> nextId{1};

// Matchers keyed by pattern id rather than address, so a pattern that is destroyed and
// another allocated in its place can never pick up a stale matcher.
struct MatcherCache {
    std::vector<std::pair<std::uint64_t, std::unique_ptr<icu::RegexMatcher>>> entries;

    icu::RegexMatcher* find(std::uint64_t id) {
        for (auto& [entryId, matcher] : entries) {
            if (entryId == id) {
                return matcher.get();
            }
        }
        return nullptr;
    }
};

thread_local MatcherCache matcherCache;

// Short texts are converted to UTF-16, which ICU matches fastest, into a buffer that each
// thread keeps, so normal comments allocate nothing; it never holds more than a short text.
struct Utf16Buffer {
    icu::UnicodeString text;
    // byteOffsets[i] is the UTF-8 offset of UTF-16 unit i; one more entry marks the end.
    std::vector<std::uint32_t> byteOffsets;

    // Ill-formed bytes become U+FFFD, as everywhere in the text module.
    bool assign(std::string_view utf8) {
        const auto length = static_cast<int32_t>(utf8.size());
        UChar* out = text.getBuffer(length + 1);
        if (out == nullptr) {
            return false;
        }
        byteOffsets.resize(utf8.size() + 1);
        int32_t units = 0;
        for (int32_t offset = 0; offset < length;) {
            const auto start = static_cast<std::uint32_t>(offset);
            UChar32 codePoint;
            U8_NEXT(utf8.data(), offset, length, codePoint);
            if (codePoint < 0) {
                codePoint = 0xFFFD;
            }
            byteOffsets[static_cast<std::size_t>(units)] = start;
            if (codePoint > 0xFFFF) {
                byteOffsets[static_cast<std::size_t>(units) + 1] = start;
            }
            U16_APPEND_UNSAFE(out, units, codePoint);
        }
        byteOffsets[static_cast<std::size_t>(units)] = static_cast<std::uint32_t>(length);
        text.releaseBuffer(units);
        return true;
    }
};

thread_local Utf16Buffer utf16Buffer;

// The first match of the matcher's input, whose indexes `byteOffset` maps into `text`; indexes
// past `limit` are out of range. Leaves the matcher without input.
template <typename ByteOffset>
std::optional<Regex::Match> firstMatch(icu::RegexMatcher& matcher, int groupCount,
                                       std::string_view text, int64_t limit,
                                       ByteOffset byteOffset) {
    std::optional<Regex::Match> result;
    UErrorCode status = U_ZERO_ERROR;
    if (matcher.find(status) && U_SUCCESS(status)) {
        Regex::Match match;
        for (int group = 0; group <= groupCount; ++group) {
            const int64_t start = matcher.start64(group, status);
            const int64_t end = matcher.end64(group, status);
            // A group that took no part in the match has no range (-1).
            if (U_SUCCESS(status) && start >= 0 && end >= start && end <= limit) {
                const std::size_t from = byteOffset(start);
                match.groups[static_cast<std::size_t>(group)] =
                    text.substr(from, byteOffset(end) - from);
            }
        }
        result = match;
    }
    // The matcher must not keep a reference to text it does not own.
    static const icu::UnicodeString empty;
    matcher.reset(empty);
    return result;
}

std::optional<Regex::Match> searchConverted(icu::RegexMatcher& matcher, int groupCount,
                                            std::string_view text) {
    Utf16Buffer& buffer = utf16Buffer;
    if (!buffer.assign(text)) {
        return std::nullopt;
    }
    matcher.reset(buffer.text);
    return firstMatch(matcher, groupCount, text, buffer.text.length(), [&buffer](int64_t index) {
        return std::size_t{buffer.byteOffsets[static_cast<std::size_t>(index)]};
    });
}

// Long texts are matched over their own bytes: slower per byte, but nothing is copied. Their
// indexes are the UTF-8 offsets themselves.
std::optional<Regex::Match> searchInPlace(icu::RegexMatcher& matcher, int groupCount,
                                          std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    // ICU refuses a text of 2 GiB or more, which is then not searched.
    const icu::LocalUTextPointer input(
        utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status));
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    matcher.reset(input.getAlias());
    return firstMatch(matcher, groupCount, text, static_cast<int64_t>(text.size()),
                      [](int64_t index) { return static_cast<std::size_t>(index); });
}

} // namespace

struct Regex::Compiled {
    std::unique_ptr<icu::RegexPattern> pattern;
};

namespace {

std::unique_ptr<icu::RegexPattern> compilePattern(std::string_view pattern, UErrorCode& status) {
    UParseError parseError{};
    const icu::UnicodeString source = icu::UnicodeString::fromUTF8(
        icu::StringPiece(pattern.data(), static_cast<int32_t>(pattern.size())));
    std::unique_ptr<icu::RegexPattern> compiled(
        icu::RegexPattern::compile(source, 0, parseError, status));
    return U_SUCCESS(status) ? std::move(compiled) : nullptr;
}

// U_REGEX_MISSING_CLOSE_PAREN as "missing close paren".
std::string errorWords(UErrorCode status) {
    std::string words = u_errorName(status);
    for (const std::string_view prefix : {"U_REGEX_", "U_"}) {
        if (words.starts_with(prefix)) {
            words.erase(0, prefix.size());
            break;
        }
    }
    for (char& c : words) {
        c = c == '_' ? ' ' : static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return words;
}

int groupCount(const icu::RegexPattern& pattern, UErrorCode& status) {
    const std::unique_ptr<icu::RegexMatcher> probe(pattern.matcher(status));
    return probe && U_SUCCESS(status) ? probe->groupCount() : 0;
}

} // namespace

Regex::Regex(std::string_view pattern, std::string_view owner)
    : m_compiled(std::make_unique<Compiled>()),
      m_id(nextId.fetch_add(1, std::memory_order_relaxed)) {
    UErrorCode status = U_ZERO_ERROR;
    m_compiled->pattern = compilePattern(pattern, status);
    if (!m_compiled->pattern) {
        fail(owner, "regular expression does not compile", status);
    }
    m_groupCount = groupCount(*m_compiled->pattern, status);
    if (U_FAILURE(status) || m_groupCount > kMaxGroups) {
        fail(owner, "regular expression has too many groups", status);
    }
}

Regex::Regex(std::unique_ptr<Compiled> compiled, int groupCount)
    : m_compiled(std::move(compiled)), m_id(nextId.fetch_add(1, std::memory_order_relaxed)),
      m_groupCount(groupCount) {}

tl::expected<std::unique_ptr<Regex>, std::string> Regex::compile(std::string_view pattern) {
    UErrorCode status = U_ZERO_ERROR;
    auto compiled = std::make_unique<Compiled>();
    compiled->pattern = compilePattern(pattern, status);
    if (!compiled->pattern) {
        return tl::unexpected("not a regular expression: " + errorWords(status));
    }
    const int groups = groupCount(*compiled->pattern, status);
    if (U_FAILURE(status) || groups > kMaxGroups) {
        return tl::unexpected("more than " + std::to_string(kMaxGroups) + " groups");
    }
    return std::unique_ptr<Regex>(new Regex(std::move(compiled), groups));
}

Regex::~Regex() = default;

std::optional<Regex::Match> Regex::search(std::string_view text) const {
    UErrorCode status = U_ZERO_ERROR;
    icu::RegexMatcher* matcher = matcherCache.find(m_id);
    if (matcher == nullptr) {
        std::unique_ptr<icu::RegexMatcher> created(m_compiled->pattern->matcher(status));
        if (U_FAILURE(status) || !created) {
            return std::nullopt;
        }
        matcher = created.get();
        matcherCache.entries.emplace_back(m_id, std::move(created));
    }

    return text.size() <= kMaxConvertedBytes ? searchConverted(*matcher, m_groupCount, text)
                                             : searchInPlace(*matcher, m_groupCount, text);
}

} // namespace cuevox::text
