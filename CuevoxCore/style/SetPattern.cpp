#include "style/SetPattern.hpp"

namespace cuevox::style {
namespace {

std::string caseInsensitive(std::string_view pattern) {
    return "(?i)" + std::string(pattern);
}

} // namespace

SetPattern::SetPattern() {
    static const auto standard =
        std::make_shared<const text::Regex>(caseInsensitive(kStandard), "SetPattern");
    m_regex = standard;
}

tl::expected<SetPattern, std::string> SetPattern::fromString(std::string_view pattern) {
    return text::Regex::compile(caseInsensitive(pattern)).map([](std::unique_ptr<text::Regex> r) {
        return SetPattern(std::shared_ptr<const text::Regex>(std::move(r)));
    });
}

bool SetPattern::matches(std::string_view playlistName) const {
    return m_regex->search(playlistName).has_value();
}

} // namespace cuevox::style
