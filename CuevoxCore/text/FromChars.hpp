#pragma once

#include <charconv>

// std::from_chars for double where the standard library has it (libstdc++); elsewhere a
// locale-independent reading of the same grammar. Apple's libc++ ships the floating-point
// overload only for macOS 26 and later, so calling it directly breaks the macOS build.
namespace cuevox::text {

// Like std::from_chars: reads the longest prefix of [first, last) that the format allows, no
// leading white space or "+"; `value` is left alone unless the result is errc{}. Only
// chars_format::general and chars_format::fixed are supported; other formats read nothing.
std::from_chars_result fromChars(const char* first, const char* last, double& value,
                                 std::chars_format format = std::chars_format::general);

// The reading used where the library lacks the overload; always built so that Linux tests it.
std::from_chars_result fromCharsWithoutLibrarySupport(const char* first, const char* last,
                                                      double& value, std::chars_format format);

} // namespace cuevox::text
