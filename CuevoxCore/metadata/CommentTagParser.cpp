#include "metadata/CommentTagParser.hpp"

#include "text/Regex.hpp"
#include "text/Text.hpp"

namespace cuevox::metadata::CommentTagParser {
namespace {

const text::Regex& tagRegex() {
    static const text::Regex regex(R"((?i)\b(1[0-2]|[1-9])([ab])\s*-\s*([0-9]{1,2})\s*Energy\b)",
                                   "CuevoxCore/CommentTagParser");
    return regex;
}

} // namespace

Result parse(std::optional<std::string_view> comment) {
    if (!comment || comment->empty()) {
        return {};
    }
    const std::optional<text::Regex::Match> match = tagRegex().search(*comment);
    if (!match || !match->group(0) || !match->group(1) || !match->group(2) || !match->group(3)) {
        return {};
    }
    const std::optional<long long> number = text::parseInteger(*match->group(1));
    const std::optional<CamelotLetter> letter =
        camelotLetterFromRawText(text::toUpper(*match->group(2)));
    if (!number || !letter) {
        return {};
    }
    Result result;
    result.key = CamelotKey::make(static_cast<int>(*number), *letter);
    if (const std::optional<long long> energy = text::parseInteger(*match->group(3));
        energy && *energy >= 1 && *energy <= 10) {
        result.energy = static_cast<int>(*energy);
    }
    return result;
}

} // namespace cuevox::metadata::CommentTagParser
