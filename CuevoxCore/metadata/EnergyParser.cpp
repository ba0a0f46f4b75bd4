#include "metadata/EnergyParser.hpp"

#include "text/Regex.hpp"
#include "text/Text.hpp"

namespace cuevox::metadata::EnergyParser {
namespace {

constexpr std::string_view kOwner = "CuevoxCore/EnergyParser";

const text::Regex& wordFormRegex() {
    static const text::Regex regex(R"((?i)\bEnergy(?:\s*Level)?\s*[:=]?\s*([0-9]{1,2})\b)", kOwner);
    return regex;
}

const text::Regex& shortFormRegex() {
    static const text::Regex regex(
        R"((?i)(?:^|[\s/,\-\[\(])E\s*[:=\-]?\s*([0-9]{1,2})(?:$|[\s/,\-\]\)]))", kOwner);
    return regex;
}

std::optional<int> extractValue(const std::optional<text::Regex::Match>& match) {
    if (!match || !match->group(1)) {
        return std::nullopt;
    }
    const std::optional<long long> value = text::parseInteger(*match->group(1));
    if (!value || *value <= 0 || *value >= 11) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

} // namespace

std::optional<int> parse(std::optional<std::string_view> text) {
    if (!text || text->empty()) {
        return std::nullopt;
    }
    if (const std::optional<int> level = extractValue(wordFormRegex().search(*text))) {
        return level;
    }
    return extractValue(shortFormRegex().search(*text));
}

} // namespace cuevox::metadata::EnergyParser
