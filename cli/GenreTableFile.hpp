#pragma once

#include "Output.hpp"
#include "recommendation/ConfigurableGenreCompatibility.hpp"

#include <tl/expected.hpp>

#include <string>

// A genre compatibility table written by the DJ as JSON: {"house": {"tech house": 0.8}}.
namespace cuevox::cli::GenreTableFile {

// The table, from a file or from stdin when `path` is "-", or one line saying what is wrong
// with it. Names must be lower case, since
// the table is only ever searched with lower-cased genres; values must be finite numbers.
tl::expected<recommendation::ConfigurableGenreCompatibility::Table, std::string>
read(const std::string& path);

// The same for a document already parsed; `name` names the file in messages.
tl::expected<recommendation::ConfigurableGenreCompatibility::Table, std::string>
fromJson(const Json& document, const std::string& name);

} // namespace cuevox::cli::GenreTableFile
