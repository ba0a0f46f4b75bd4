#include "FiniteNumber.hpp"

#include "text/FromChars.hpp"
#include "text/Text.hpp"

#include <cmath>
#include <system_error>

namespace cuevox::cli {

CLI::Validator finiteNumber(std::string range, std::function<bool(double)> accepts,
                            std::string subject) {
    return CLI::Validator(
        [range, accepts = std::move(accepts),
         prefix = subject.empty() ? subject : subject + " "](const std::string& text) {
            double value = 0;
            const auto [end, error] =
                text::fromChars(text.data(), text.data() + text.size(), value);
            const bool read = error == std::errc{} && end == text.data() + text.size();
            return read && std::isfinite(value) && accepts(value)
                       ? std::string()
                       : prefix + "must be a number " + range + ", not " + text::excerpt(text);
        },
        std::string());
}

} // namespace cuevox::cli
