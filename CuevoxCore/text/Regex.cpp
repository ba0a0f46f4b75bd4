#include "text/Regex.hpp"

#include <unicode/regex.h>
#include <unicode/utext.h>

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

} // namespace

struct Regex::Compiled {
    std::unique_ptr<icu::RegexPattern> pattern;
};

Regex::Regex(std::string_view pattern, std::string_view owner)
    : m_compiled(std::make_unique<Compiled>()),
      m_id(nextId.fetch_add(1, std::memory_order_relaxed)) {
    UParseError parseError{};
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString source = icu::UnicodeString::fromUTF8(
        icu::StringPiece(pattern.data(), static_cast<int32_t>(pattern.size())));
    m_compiled->pattern.reset(icu::RegexPattern::compile(source, 0, parseError, status));
    if (U_FAILURE(status) || !m_compiled->pattern) {
        fail(owner, "regular expression does not compile", status);
    }
    std::unique_ptr<icu::RegexMatcher> probe(m_compiled->pattern->matcher(status));
    m_groupCount = probe ? probe->groupCount() : 0;
    if (U_FAILURE(status) || m_groupCount > kMaxGroups) {
        fail(owner, "regular expression has too many groups", status);
    }
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

    UText utext = UTEXT_INITIALIZER;
    utext_openUTF8(&utext, text.data(), static_cast<int64_t>(text.size()), &status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    matcher->reset(&utext);

    std::optional<Match> result;
    if (matcher->find(status) && U_SUCCESS(status)) {
        Match match;
        for (int group = 0; group <= m_groupCount; ++group) {
            const int64_t start = matcher->start64(group, status);
            const int64_t end = matcher->end64(group, status);
            // A group that took no part in the match has no range (-1).
            if (U_SUCCESS(status) && start >= 0 && end >= start &&
                static_cast<std::size_t>(end) <= text.size()) {
                match.groups[static_cast<std::size_t>(group)] = text.substr(
                    static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
            }
        }
        result = match;
    }
    // The matcher must not keep a reference to text it does not own.
    static const icu::UnicodeString empty;
    matcher->reset(empty);
    utext_close(&utext);
    return result;
}

} // namespace cuevox::text
