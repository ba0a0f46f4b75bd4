#include "FuzzTargets.hpp"

#include "import/RekordboxMetadataMapper.hpp"
#include "import/XMLLibraryReader.hpp"
#include "metadata/CamelotKey.hpp"
#include "metadata/CommentTagParser.hpp"
#include "metadata/EnergyParser.hpp"
#include "metadata/MusicalKeyConverter.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace cuevox::fuzz {
namespace {

// abort() rather than assert(): the checks must hold in optimised fuzzing builds too.
void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void checkKey(const std::optional<metadata::CamelotKey>& key) {
    if (key) {
        check(key->number() >= 1 && key->number() <= 12, "key number in 1...12");
        check(metadata::CamelotKey::fromString(key->toString()) == key, "key text round-trips");
    }
}

void checkEnergy(const std::optional<int>& energy) {
    check(!energy || (*energy >= 1 && *energy <= 10), "energy in 1...10");
}

} // namespace

void fuzzLibrary(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto library = import::XMLLibraryReader::parseLibrary(bytes);
    if (!library) {
        check(library.error().kind == import::RekordboxXMLError::Kind::malformedXML,
              "parse errors are malformedXML");
        check(!library.error().payload.empty(), "errors carry a message");
        return;
    }
    for (const metadata::Track& track : library->tracks) {
        check(!track.id.empty() && !track.title.empty(), "id and title present");
        check(!track.bpm || *track.bpm > 0, "tempo positive");
        check(!track.duration || *track.duration > 0, "duration positive");
        check(!track.year || *track.year > 0, "year positive");
        check(!track.rating || (*track.rating >= 0 && *track.rating <= 5), "rating in 0...5");
        checkEnergy(track.energy);
        checkKey(track.camelotKey);
    }
    for (const metadata::Playlist& playlist : library->playlists) {
        check(!playlist.id.empty() && playlist.id == playlist.name, "playlist path as id");
        for (const std::string& id : playlist.trackIDs) {
            check(!id.empty(), "entries name a track");
        }
    }
}

void fuzzTexts(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkKey(metadata::MusicalKeyConverter::parseAnyKeyNotation(text));
    checkKey(metadata::MusicalKeyConverter::camelotKeyFromClassicalNotation(text));
    checkKey(metadata::CamelotKey::fromString(text));
    const metadata::CommentTagParser::Result tag = metadata::CommentTagParser::parse(text);
    checkKey(tag.key);
    checkEnergy(tag.energy);
    check(!tag.energy || tag.key, "a tag energy comes with its key");
    checkEnergy(metadata::EnergyParser::parse(text));
    const auto rating = import::RekordboxMetadataMapper::parseRating(text);
    check(!rating || (*rating >= 0 && *rating <= 5), "rating in 0...5");
    const auto year = import::RekordboxMetadataMapper::parseYear(text);
    check(!year || *year > 0, "year positive");
    const auto location = import::RekordboxMetadataMapper::parseLocation(text);
    check(text.empty() == !location.has_value(), "only an empty location is absent");
    (void)import::RekordboxMetadataMapper::parseDate(text);
    const auto number = import::RekordboxMetadataMapper::parseNumber(text);
    check(!number || std::isfinite(*number), "numbers are finite");
}

} // namespace cuevox::fuzz
