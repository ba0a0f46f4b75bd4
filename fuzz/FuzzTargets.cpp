#include "FuzzTargets.hpp"

#include "GenreTableFile.hpp"
#include "JsonInput.hpp"
#include "MonitorTimeline.hpp"
#include "decks/AccessibilityTrackPatternMatcher.hpp"
#include "importing/RekordboxMetadataMapper.hpp"
#include "importing/XMLLibraryReader.hpp"
#include "metadata/CamelotKey.hpp"
#include "metadata/CommentTagParser.hpp"
#include "metadata/EnergyParser.hpp"
#include "metadata/MusicalKeyConverter.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

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

// Every message is one line of well-formed UTF-8, whatever the input held.
void checkMessage(const std::string& message) {
    check(!message.empty(), "errors carry a message");
    check(message.find('\n') == std::string::npos && message.find('\r') == std::string::npos,
          "messages are one line");
    check(text::isValidUTF8(message), "messages are well-formed UTF-8");
}

int depthOf(const cli::Json& value) {
    int depth = 0;
    if (value.is_structured()) {
        for (const cli::Json& element : value) {
            depth = std::max(depth, depthOf(element));
        }
        ++depth;
    }
    return depth;
}

void checkGenreTable(const cli::Json& document) {
    const auto table = cli::GenreTableFile::fromJson(document, "table.json");
    if (!table) {
        checkMessage(table.error());
        return;
    }
    for (const auto& [from, row] : *table) {
        check(text::toLower(from) == from, "genre names are lower case");
        for (const auto& [to, value] : row) {
            check(text::toLower(to) == to, "genre names are lower case");
            check(std::isfinite(value), "compatibilities are finite");
        }
    }
}

void checkScript(const cli::Json& document) {
    static const std::vector<metadata::Track> tracks = [] {
        metadata::Track track;
        track.id = "1";
        track.title = "Title";
        track.artist = "Artist";
        return std::vector<metadata::Track>{track};
    }();
    const auto timeline = cli::timelineFromScript(document, "script.json", tracks, "c.xml");
    if (!timeline) {
        checkMessage(timeline.error());
        return;
    }
    for (const simulation::SimulationEvent& event : timeline->events) {
        check(std::isfinite(event.at) && event.at >= 0 && event.at <= timeline->length,
              "events happen within the run");
        check(event.deck >= 0 && event.deck <= 4, "decks are 1 to 4, or none");
        check((event.action == simulation::SimulationAction::load) == event.track.has_value(),
              "only a load brings a track");
    }
}

void checkDeckTexts(const cli::Json& document) {
    if (!document.is_array()) {
        return;
    }
    std::vector<std::string> texts;
    for (const cli::Json& element : document) {
        if (!element.is_string()) {
            return;
        }
        texts.push_back(element.get<std::string>());
    }
    for (const auto& slot : decks::AccessibilityTrackPatternMatcher::extractDeckSlots(texts)) {
        check(!slot.candidate || (slot.candidate->sourceEndIndex <= texts.size() &&
                                  !slot.candidate->title.empty()),
              "a loaded deck lies within the texts and has a title");
    }
}

} // namespace

void fuzzLibrary(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto library = importing::XMLLibraryReader::parseLibrary(bytes);
    if (!library) {
        check(library.error().kind == importing::RekordboxXMLError::Kind::malformedXML,
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
    const auto rating = importing::RekordboxMetadataMapper::parseRating(text);
    check(!rating || (*rating >= 0 && *rating <= 5), "rating in 0...5");
    const auto year = importing::RekordboxMetadataMapper::parseYear(text);
    check(!year || *year > 0, "year positive");
    const auto location = importing::RekordboxMetadataMapper::parseLocation(text);
    check(text.empty() == !location.has_value(), "only an empty location is absent");
    (void)importing::RekordboxMetadataMapper::parseDate(text);
    const auto number = importing::RekordboxMetadataMapper::parseNumber(text);
    check(!number || std::isfinite(*number), "numbers are finite");
}

void fuzzJson(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto document = cli::parseJson(bytes);
    if (!document) {
        checkMessage(document.error());
        return;
    }
    check(depthOf(*document) <= cli::kMaxJsonDepth, "nesting within the limit");
    checkGenreTable(*document);
    checkScript(*document);
    checkDeckTexts(*document);
}

} // namespace cuevox::fuzz
