#include "recommendation/DuplicateKeySet.hpp"

#include "text/Text.hpp"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>
#include <stdexcept>

namespace cuevox::recommendation {
namespace {

bool isASCII(std::string_view text) {
    // No early exit, so the loop vectorises.
    unsigned char bits = 0;
    for (const char c : text) {
        bits |= static_cast<unsigned char>(c);
    }
    return bits < 0x80;
}

char lowerASCII(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
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
    const std::size_t start = out.size();
    out.resize(start + text.size());
    char* target = out.data() + start;
    for (std::size_t i = 0; i < text.size(); ++i) {
        target[i] = lowerASCII(text[i]);
    }
}

// Length, first and last byte of a key, hashed to a bit of the signature filter.
std::size_t signatureOf(std::size_t length, char front, char back) {
    const std::uint64_t mixed =
        (static_cast<std::uint64_t>(length) << 16 |
         static_cast<std::uint64_t>(static_cast<unsigned char>(front)) << 8 |
         static_cast<unsigned char>(back)) *
        0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(mixed >> 48);
}

std::uint32_t tagOf(std::size_t hash) {
    return static_cast<std::uint32_t>(hash >> (std::numeric_limits<std::size_t>::digits - 32));
}

// The artist's first two and the title's first three bytes of a key, lower-cased, hashed to a
// bit of the prefix filter.
std::size_t prefixesOf(char artist0, char artist1, std::string_view title) {
    const auto byte = [](char c, int shift) {
        return static_cast<std::uint64_t>(static_cast<unsigned char>(lowerASCII(c))) << shift;
    };
    const std::uint64_t mixed = (byte(artist0, 32) | byte(artist1, 24) | byte(title[0], 16) |
                                 byte(title[1], 8) | byte(title[2], 0)) *
                                0xC2B2AE3D27D4EB4FULL;
    return static_cast<std::size_t>(mixed >> 48);
}

} // namespace

DuplicateKeySet::DuplicateKeySet(std::size_t expectedCount)
    : m_signatures(kSignatureBits / 64, 0), m_prefixes(kSignatureBits / 64, 0) {
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
        text::appendLower(m_scratch, text::trimmedView(track.artist));
        m_scratch += "::";
        text::appendLower(m_scratch, text::trimmedView(track.title));
    }
    return m_scratch;
}

std::uint32_t DuplicateKeySet::lookup(std::string_view key, std::size_t hash) const {
    const std::uint32_t tag = tagOf(hash);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
        const Slot slot = m_slots[index];
        if (slot.entry == 0) {
            return 0;
        }
        if (slot.hashTag == tag) {
            const Entry& entry = m_entries[slot.entry - 1];
            if (entry.hash == hash &&
                std::string_view(m_keys).substr(entry.offset, entry.length) == key) {
                return slot.entry;
            }
        }
    }
}

std::optional<std::size_t> DuplicateKeySet::find(const metadata::Track& track) {
    // Most look-ups miss. When the artist begins with two and the title with three ASCII
    // characters that are not white space, trimming keeps them and lower-casing maps them
    // alone, so those bytes of the key are known without building it.
    const std::string_view artistTag = track.artist;
    const std::string_view titleTag = track.title;
    const auto plain = [](char c) {
        return static_cast<unsigned char>(c) < 0x80 && !isASCIIWhiteSpace(c);
    };
    if (artistTag.size() >= 2 && titleTag.size() >= 3 && plain(artistTag[0]) &&
        plain(artistTag[1]) && plain(titleTag[0]) && plain(titleTag[1]) && plain(titleTag[2])) {
        const std::size_t bit = prefixesOf(artistTag[0], artistTag[1], titleTag.substr(0, 3));
        if ((m_prefixes[bit / 64] >> (bit % 64) & 1) == 0) {
            return std::nullopt;
        }
    }
    // For ASCII tags the length is known too.
    if (isASCII(track.artist) && isASCII(track.title)) {
        const std::string_view artist = trimASCII(track.artist);
        const std::string_view title = trimASCII(track.title);
        const std::size_t bit = signatureOf(artist.size() + 2 + title.size(),
                                            artist.empty() ? ':' : lowerASCII(artist.front()),
                                            title.empty() ? ':' : lowerASCII(title.back()));
        if ((m_signatures[bit / 64] >> (bit % 64) & 1) == 0) {
            return std::nullopt;
        }
    }
    const std::string_view key = keyOf(track);
    const std::uint32_t entry = lookup(key, std::hash<std::string_view>{}(key));
    return entry == 0 ? std::nullopt : std::optional<std::size_t>(entry - 1);
}

bool DuplicateKeySet::insert(const metadata::Track& track) {
    const std::string_view key = keyOf(track);
    const std::size_t hash = std::hash<std::string_view>{}(key);
    if (lookup(key, hash) != 0) {
        return false;
    }
    if (m_entries.size() >= std::numeric_limits<std::uint32_t>::max() - 1) {
        throw std::length_error("DuplicateKeySet: too many keys");
    }
    m_entries.push_back({hash, m_keys.size(), key.size()});
    m_keys += key;
    const std::size_t bit = signatureOf(key.size(), key.front(), key.back());
    m_signatures[bit / 64] |= std::uint64_t{1} << (bit % 64);
    // The title starts after some "::"; an artist may hold one too, so every split counts.
    for (std::size_t split = 2; split + 5 <= key.size(); ++split) {
        if (key[split] == ':' && key[split + 1] == ':') {
            const std::size_t prefixes = prefixesOf(key[0], key[1], key.substr(split + 2, 3));
            m_prefixes[prefixes / 64] |= std::uint64_t{1} << (prefixes % 64);
        }
    }
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
