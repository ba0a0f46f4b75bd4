#include "recommendation/ConfigurableGenreCompatibility.hpp"

#include "text/Text.hpp"

namespace cuevox::recommendation {

double ConfigurableGenreCompatibility::compatibility(std::string_view from,
                                                     std::string_view to) const {
    const std::string a = text::toLower(from);
    const std::string b = text::toLower(to);
    if (a == b) {
        return 1;
    }
    const auto row = table.find(a);
    if (row == table.end()) {
        return 0;
    }
    const auto entry = row->second.find(b);
    return entry == row->second.end() ? 0 : entry->second;
}

} // namespace cuevox::recommendation
