#pragma once

#include <tl/expected.hpp>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace cuevox::text {

// An ICU regular expression, compiled once and searched from any thread. Each thread keeps its
// own matcher per pattern and its own buffer for texts up to kMaxConvertedBytes, so searching
// such texts allocates nothing once a thread has seen one of that length; longer texts are
// searched where they are, without a copy.
class Regex {
public:
    static constexpr int kMaxGroups = 8;
    static constexpr std::size_t kMaxConvertedBytes = 16 * 1024;

    // The first match: the whole match is group 0. Views point into the searched text.
    struct Match {
        std::array<std::optional<std::string_view>, kMaxGroups + 1> groups{};

        std::optional<std::string_view> group(int index) const {
            return index >= 0 && index <= kMaxGroups ? groups[static_cast<std::size_t>(index)]
                                                     : std::nullopt;
        }
    };

    // Patterns are constants of the program: one that does not compile is a programming
    // error, so this stops the program with a message that names `owner`.
    Regex(std::string_view pattern, std::string_view owner);
    ~Regex();

    // A pattern the user typed, which may not compile: then the reason, in one line.
    static tl::expected<std::unique_ptr<Regex>, std::string> compile(std::string_view pattern);

    Regex(const Regex&) = delete;
    Regex& operator=(const Regex&) = delete;

    // The leftmost match anywhere in `text`, or nothing.
    std::optional<Match> search(std::string_view text) const;

private:
    struct Compiled;
    Regex(std::unique_ptr<Compiled> compiled, int groupCount);

    // ICU stays out of this header, so users of the core never need its headers.
    std::unique_ptr<Compiled> m_compiled;
    std::uint64_t m_id;
    int m_groupCount;
};

} // namespace cuevox::text
