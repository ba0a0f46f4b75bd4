#pragma once

#include "metadata/Track.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::recommendation {

// The set of `Track::duplicateKey()`s seen so far, built for one pass over a whole collection:
// the keys live in one growing buffer, so inserting does not allocate per track, and keys of
// plain ASCII tags are built without a round trip through ICU.
class DuplicateKeySet {
public:
    // `expectedCount` sizes the table up front; more keys still fit.
    explicit DuplicateKeySet(std::size_t expectedCount);

    // Adds the track's duplicate key; true when it was not there yet.
    bool insert(const metadata::Track& track);

    std::size_t size() const { return m_entries.size(); }

private:
    struct Slot {
        std::uint32_t hashTag = 0;
        std::uint32_t entry = 0; // index + 1; 0 marks a free slot
    };
    struct Entry {
        std::size_t hash;
        std::size_t offset;
        std::size_t length;
    };

    // The key of `track`, written into m_scratch.
    std::string_view keyOf(const metadata::Track& track);
    void grow();
    void place(std::size_t hash, std::uint32_t entry);

    std::vector<Slot> m_slots;
    std::vector<Entry> m_entries;
    std::string m_keys;
    std::string m_scratch;
};

} // namespace cuevox::recommendation
