#include "recommendation/DuplicateKeySet.hpp"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>
#include <stdexcept>

namespace cuevox::recommendation {
namespace {

bool isASCII(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// The ASCII members of Unicode's White_Space, which is what the text module trims.
bool isASCIIWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view trimASCII(std::string_view text) {
    while (!text.empty() && isASCIIWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isASCIIWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// For ASCII input the full Unicode lower-case mapping is exactly this.
void appendLowerASCII(std::string& out, std::string_view text) {
    for (const char c : text) {
        out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
}

std::uint32_t tagOf(std::size_t hash) {
    return static_cast<std::uint32_t>(hash >> (std::numeric_limits<std::size_t>::digits - 32));
}

} // namespace

DuplicateKeySet::DuplicateKeySet(std::size_t expectedCount) {
    // At most half full, so probe runs stay short.
    m_slots.resize(std::bit_ceil(std::max<std::size_t>(16, expectedCount * 2)));
    m_entries.reserve(expectedCount);
    m_keys.reserve(expectedCount * 24);
}

std::string_view DuplicateKeySet::keyOf(const metadata::Track& track) {
    m_scratch.clear();
    if (isASCII(track.artist) && isASCII(track.title)) {
        appendLowerASCII(m_scratch, trimASCII(track.artist));
        m_scratch += "::";
        appendLowerASCII(m_scratch, trimASCII(track.title));
    } else {
        m_scratch = track.duplicateKey();
    }
    return m_scratch;
}

bool DuplicateKeySet::insert(const metadata::Track& track) {
    const std::string_view key = keyOf(track);
    const std::size_t hash = std::hash<std::string_view>{}(key);
    const std::uint32_t tag = tagOf(hash);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
        const Slot slot = m_slots[index];
        if (slot.entry == 0) {
            break;
        }
        if (slot.hashTag == tag) {
            const Entry& entry = m_entries[slot.entry - 1];
            if (entry.hash == hash &&
                std::string_view(m_keys).substr(entry.offset, entry.length) == key) {
                return false;
            }
        }
    }
    if (m_entries.size() >= std::numeric_limits<std::uint32_t>::max() - 1) {
        throw std::length_error("DuplicateKeySet: too many keys");
    }
    m_entries.push_back({hash, m_keys.size(), key.size()});
    m_keys += key;
    if (m_entries.size() * 2 > m_slots.size()) {
        grow();
    } else {
        place(hash, static_cast<std::uint32_t>(m_entries.size()));
    }
    return true;
}

void DuplicateKeySet::place(std::size_t hash, std::uint32_t entry) {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t index = hash & mask;
    while (m_slots[index].entry != 0) {
        index = (index + 1) & mask;
    }
    m_slots[index] = {tagOf(hash), entry};
}

void DuplicateKeySet::grow() {
    m_slots.assign(m_slots.size() * 2, Slot{});
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        place(m_entries[i].hash, static_cast<std::uint32_t>(i + 1));
    }
}

} // namespace cuevox::recommendation
