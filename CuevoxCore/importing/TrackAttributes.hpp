#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace cuevox::importing {

// One attribute of a track element, viewing the parser's buffers: valid only during the
// element's start event.
struct TrackAttribute {
    std::string_view name;
    std::string_view value;
};

// A track element's attributes in document order. XML forbids repeated names, so this reads
// as a map from name to text.
using TrackAttributes = std::span<const TrackAttribute>;

inline std::optional<std::string_view> attributeValue(TrackAttributes attributes,
                                                      std::string_view name) {
    for (const TrackAttribute& attribute : attributes) {
        if (attribute.name == name) {
            return attribute.value;
        }
    }
    return std::nullopt;
}

} // namespace cuevox::importing
