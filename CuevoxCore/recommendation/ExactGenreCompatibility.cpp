#include "recommendation/ExactGenreCompatibility.hpp"

#include "text/Text.hpp"

namespace cuevox::recommendation {

double ExactGenreCompatibility::compatibility(std::string_view from, std::string_view to) const {
    return text::equalsIgnoringCase(from, to) ? 1 : 0;
}

} // namespace cuevox::recommendation
