#pragma once

#include "metadata/Track.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuevox::recommendation {

// A set of `Track::duplicateKey()`s. The keys live in one growing buffer and each key is built
// in a reused scratch buffer (plain ASCII tags without ICU), so neither inserting nor looking
// up allocates per track.
class DuplicateKeySet {
public:
    // `expectedCount` sizes the table up front; more keys still fit.
    explicit DuplicateKeySet(std::size_t expectedCount);

    // Adds the track's duplicate key; true when it was not there yet.
    bool insert(const metadata::Track& track);

    // Which key the track's is, counting distinct keys in the order they were first inserted
    // from 0; nothing when it is not in the set.
    std::optional<std::size_t> find(const metadata::Track& track);

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
    // The entry number + 1 of `key`, or 0.
    std::uint32_t lookup(std::string_view key, std::size_t hash) const;
    void grow();
    void place(std::size_t hash, std::uint32_t entry);

    static constexpr std::size_t kSignatureBits = std::size_t{1} << 16;

    std::vector<Slot> m_slots;
    // One bit per (length, first byte, last byte) of the keys held, to answer most misses of
    // `find` without building the key.
    std::vector<std::uint64_t> m_signatures;
    // One bit per artist's first two and title's first three bytes of the keys held.
    std::vector<std::uint64_t> m_prefixes;
    std::vector<Entry> m_entries;
    std::string m_keys;
    std::string m_scratch;
};

} // namespace cuevox::recommendation
