#include "metadata/Track.hpp"

#include "metadata/HashCombine.hpp"
#include "text/Text.hpp"

namespace cuevox::metadata {

bool Track::isValidCandidate() const {
    return filepath && !filepath->empty() && bpm && *bpm > 0;
}

std::string Track::duplicateKey() const {
    return text::toLower(text::trim(artist)) + "::" + text::toLower(text::trim(title));
}

} // namespace cuevox::metadata

std::size_t std::hash<cuevox::metadata::Track>::operator()(
    const cuevox::metadata::Track& track) const noexcept {
    using cuevox::metadata::hashCombine;
    std::size_t seed = 0;
    hashCombine(seed, track.id);
    hashCombine(seed, track.title);
    hashCombine(seed, track.artist);
    hashCombine(seed, track.genre);
    hashCombine(seed, track.bpm);
    hashCombine(seed, track.musicalKey);
    hashCombine(seed, track.camelotKey);
    hashCombine(seed, track.comment);
    hashCombine(seed, track.energy);
    hashCombine(seed, track.rating);
    hashCombine(seed, track.duration);
    hashCombine(seed, track.filepath);
    hashCombine(seed, track.dateAdded
                          ? std::optional<long long>(track.dateAdded->time_since_epoch().count())
                          : std::nullopt);
    hashCombine(seed, track.year);
    hashCombine(seed, track.label);
    return seed;
}
