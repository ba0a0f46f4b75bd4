#pragma once

#include "text/Regex.hpp"

#include <tl/expected.hpp>

#include <memory>
#include <string>
#include <string_view>

namespace cuevox::style {

// Which playlists are sets the DJ played, in order, by their name (the folder path, so that
// everything in a folder "Sets" counts): a regular expression, found anywhere in the name,
// without regard to case.
class SetPattern {
public:
    // rekordbox's own histories ("HISTORY 2024-05-17") and names with a word that begins with
    // set, mix or gig ("Friday Set", "Mixes/Closing", "Gig 2023"), not "Sunset" nor "Remix".
    static constexpr std::string_view kStandard =
        R"((^|/)HISTORY \d{4}-\d{2}-\d{2}$|\b(set|mix|gig))";

    // The standard pattern.
    SetPattern();
    // A pattern the DJ chose; the reason when it is not one.
    static tl::expected<SetPattern, std::string> fromString(std::string_view pattern);

    bool matches(std::string_view playlistName) const;

private:
    explicit SetPattern(std::shared_ptr<const text::Regex> regex) : m_regex(std::move(regex)) {}

    std::shared_ptr<const text::Regex> m_regex;
};

} // namespace cuevox::style
