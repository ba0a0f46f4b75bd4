#pragma once

#include <CLI/CLI.hpp>

// CLI11 reads an argument written as a list, "[a,b]", as the values a and b (and "[E8]" as E8)
// wherever an option may take more arguments than it needs. A text the DJ types is taken
// exactly as given, so text options never allow that.
namespace cuevox::cli {

// A repeatable option: one text per occurrence (--genre a --genre b).
inline CLI::Option* takeOneTextEach(CLI::Option* option) {
    return option->allow_extra_args(false);
}

// A positional that takes every remaining argument as one text each. CLI11 hands a positional
// further arguments while it has fewer than its minimum, so the minimum is one that no
// command line reaches; `required()` still asks for one.
inline CLI::Option* takeEveryTextAsGiven(CLI::Option* option) {
    constexpr int kMoreThanAnyCommandLine = 1 << 24;
    return option->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->expected(kMoreThanAnyCommandLine, CLI::detail::expected_max_vector_size)
        ->allow_extra_args(false);
}

} // namespace cuevox::cli
