#include "metadata/Track.hpp"

#include "text/Text.hpp"

namespace cuevox::metadata {

bool Track::isValidCandidate() const {
    return filepath && !filepath->empty() && bpm && *bpm > 0;
}

std::string Track::duplicateKey() const {
    return text::toLower(text::trim(artist)) + "::" + text::toLower(text::trim(title));
}

} // namespace cuevox::metadata
