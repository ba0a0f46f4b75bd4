#pragma once

#include "Output.hpp"

#include <tl/expected.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace cuevox::cli {

// The most a JSON input may hold. Real inputs are a window's texts or a script (kilobytes) or
// a genre table (five hundred genres each rated against all the others: about 5 MB). Anything
// beyond is a mistake, such as /dev/zero or a collection given as a script; refusing it bounds
// the memory, since a document of short strings takes 25 times its text once parsed.
inline constexpr std::size_t kMaxJsonInputBytes = 8 * 1024 * 1024;

// Real inputs nest two deep. The limit keeps hostile nesting from the recursive code of the
// JSON library (printing, copying, comparing), which would overflow the stack.
inline constexpr int kMaxJsonDepth = 64;

// The bytes of a regular file, or why there are none ("no such file", "not a regular file").
// A FIFO or a device is refused without opening it for a read that could block or never end.
tl::expected<std::string, std::string> readRegularFile(const std::string& path);

// JSON text as a document no deeper than kMaxJsonDepth, or what is wrong with it, in words
// that quote nothing from the input.
tl::expected<Json, std::string> parseJson(std::string_view bytes);

// The bytes of a regular file, or of stdin when the path is "-" or empty, up to
// kMaxJsonInputBytes; or why there are none.
tl::expected<std::string, std::string> readInput(const std::string& path);

// A JSON document read whole from a file, or from stdin when the path is "-" or empty. The
// error is one line that names the input and says what is wrong with it.
tl::expected<Json, std::string> readJsonInput(const std::string& path);

// How an input is named in messages: its path escaped to stay on one line, or "stdin".
std::string inputName(const std::string& path);

// "a number", "an object": a JSON value's type as a message names it.
std::string describeJsonType(const Json& value);

} // namespace cuevox::cli
