#pragma once

#include "metadata/CamelotKey.hpp"

#include <optional>
#include <string>
#include <string_view>

// Reads the compact key-and-energy tag that DJs write into comments, as in "8A - 7 Energy".
namespace cuevox::metadata::CommentTagParser {

struct Result {
    std::optional<CamelotKey> key;
    // 1 to 10.
    std::optional<int> energy;

    bool operator==(const Result&) const = default;
};

Result parse(std::optional<std::string_view> comment);

} // namespace cuevox::metadata::CommentTagParser
