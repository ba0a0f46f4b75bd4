#include "text/FromChars.hpp"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>
#include <string_view>

namespace cuevox::text {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The end of the run of digits that starts at `from`.
const char* skipDigits(const char* from, const char* last) {
    while (from != last && isDigit(*from)) {
        ++from;
    }
    return from;
}

bool startsWithIgnoringCase(const char* first, const char* last, std::string_view word) {
    if (static_cast<std::size_t>(last - first) < word.size()) {
        return false;
    }
    for (const char expected : word) {
        const char c = *first++;
        if (c != expected && c != expected - 'a' + 'A') {
            return false;
        }
    }
    return true;
}

} // namespace

std::from_chars_result fromChars(const char* first, const char* last, double& value,
                                 std::chars_format format) {
// Never with libc++: where it has the overload, Apple marks it unavailable before macOS 26.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L && !defined(_LIBCPP_VERSION)
    if (format == std::chars_format::general || format == std::chars_format::fixed) {
        return std::from_chars(first, last, value, format);
    }
    return {first, std::errc::invalid_argument};
#else
    return fromCharsWithoutLibrarySupport(first, last, value, format);
#endif
}

std::from_chars_result fromCharsWithoutLibrarySupport(const char* first, const char* last,
                                                      double& value, std::chars_format format) {
    if (format != std::chars_format::general && format != std::chars_format::fixed) {
        return {first, std::errc::invalid_argument};
    }
    const char* at = first;
    const bool negative = at != last && *at == '-';
    if (negative) {
        ++at;
    }
    if (startsWithIgnoringCase(at, last, "inf")) {
        const bool longForm = startsWithIgnoringCase(at, last, "infinity");
        value = negative ? -std::numeric_limits<double>::infinity()
                         : std::numeric_limits<double>::infinity();
        return {at + (longForm ? 8 : 3), std::errc{}};
    }
    if (startsWithIgnoringCase(at, last, "nan")) {
        value = negative ? -std::numeric_limits<double>::quiet_NaN()
                         : std::numeric_limits<double>::quiet_NaN();
        return {at + 3, std::errc{}};
    }

    const char* integerEnd = skipDigits(at, last);
    const char* end = integerEnd;
    bool anyDigit = integerEnd != at;
    if (end != last && *end == '.') {
        const char* fractionEnd = skipDigits(end + 1, last);
        anyDigit = anyDigit || fractionEnd != end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) {
        return {first, std::errc::invalid_argument};
    }
    // An exponent counts only when it is complete: "1e" reads as 1 and stops at the "e".
    if (format == std::chars_format::general && end != last && (*end == 'e' || *end == 'E')) {
        const char* exponent = end + 1;
        if (exponent != last && (*exponent == '+' || *exponent == '-')) {
            ++exponent;
        }
        const char* exponentEnd = skipDigits(exponent, last);
        if (exponentEnd != exponent) {
            end = exponentEnd;
        }
    }

    // The grammar is checked above; the stream, in the classic locale whatever the user's,
    // only converts with correct rounding.
    std::istringstream stream(std::string(first, end));
    stream.imbue(std::locale::classic());
    double read = 0;
    stream >> read;
    if (stream.fail() || std::isinf(read)) {
        return {end, std::errc::result_out_of_range};
    }
    value = read;
    return {end, std::errc{}};
}

} // namespace cuevox::text
