#pragma once

#include <optional>
#include <string>
#include <string_view>

// Finds an energy level from 1 to 10 in free text: "Energy 7", "Energy Level: 7", "E7", "[E:7]".
namespace cuevox::metadata::EnergyParser {

std::optional<int> parse(std::optional<std::string_view> text);

} // namespace cuevox::metadata::EnergyParser
