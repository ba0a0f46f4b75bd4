#pragma once

#include "style/StyleReason.hpp"

#include <optional>

namespace cuevox::style {

// A candidate's style score against the playing track (higher is likelier next) and the
// signal that counted most, when one counted for it.
struct StyleScore {
    double score = 0;
    std::optional<StyleReason> reason;

    bool operator==(const StyleScore&) const = default;
};

} // namespace cuevox::style
