#pragma once

#include "Output.hpp"

#include <tl/expected.hpp>

#include <string>

namespace cuevox::cli {

// A JSON document read whole from a file, or from stdin when the path is "-" or empty. The
// error is one line that names the input and says what is wrong with it.
tl::expected<Json, std::string> readJsonInput(const std::string& path);

// How an input is named in messages: its path, or "stdin".
std::string inputName(const std::string& path);

// "a number", "an object": a JSON value's type as a message names it.
std::string describeJsonType(const Json& value);

} // namespace cuevox::cli
