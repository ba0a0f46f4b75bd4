#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>

namespace cuevox::cli {

// Checks that an option's value is a finite number that `accepts` allows; `range` says which
// in the message, as in "must be a number above 0, not nan". CLI::Range lets NaN through and
// prints the limits of a double in full. A hidden option has no name in CLI11's messages, so
// it passes its own as `subject`.
CLI::Validator finiteNumber(std::string range, std::function<bool(double)> accepts,
                            std::string subject = {});

} // namespace cuevox::cli
