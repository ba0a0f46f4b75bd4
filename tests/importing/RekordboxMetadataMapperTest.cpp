#include "importing/RekordboxMetadataMapper.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cuevox::importing {
namespace {

using namespace std::chrono;
using metadata::Track;
namespace Mapper = RekordboxMetadataMapper;

using Pairs = std::vector<std::pair<std::string, std::string>>;

std::optional<Track> mapped(const Pairs& pairs) {
    std::vector<TrackAttribute> attributes;
    for (const auto& [name, value] : pairs) {
        attributes.push_back({name, value});
    }
    return Mapper::track(attributes);
}

// The smallest track with one more attribute.
Track mappedWith(std::string name, std::string value) {
    return mapped({{"TrackID", "1"}, {"Name", "X"}, {std::move(name), std::move(value)}}).value();
}

TEST(RekordboxMetadataMapper, RejectsOnlyAMissingOrEmptyIdOrName) {
    const Pairs rejected[] = {
        {},
        {{"Name", "X"}},
        {{"TrackID", ""}, {"Name", "X"}},
        {{"TrackID", "1"}, {"Name", ""}},
        {{"trackid", "1"}, {"Name", "X"}}, // names are case-sensitive
    };
    for (const Pairs& pairs : rejected) {
        EXPECT_EQ(mapped(pairs), std::nullopt) << pairs.size();
    }
    Track blank;
    blank.id = " ";
    blank.title = " ";
    EXPECT_EQ(mapped({{"TrackID", " "}, {"Name", " "}}), blank);
}

TEST(RekordboxMetadataMapper, FullTrackMapsEveryAttribute) {
    EXPECT_EQ(mapped({{"TrackID", "253529738"},
                      {"Name", " Night Song "},
                      {"Artist", "The Band"},
                      // clang-format off
                      {"Composer", "ignored"}, {"Genre", " Deep House "}, {"TotalTime", "412"},
                      {"Year", "2019"}, {"AverageBpm", "122.50"}, {"DateAdded", "2021-03-15"},
                      {"Comments", "warm-up"}, {"Rating", "204"}, {"Tonality", "Fm"},
                      // clang-format on
                      {"Location", "file://localhost/Users/dj/Music/My%20Track.mp3"},
                      {"Label", "Label Records"}}),
              (Track{.id = "253529738",
                     .title = " Night Song ",
                     .artist = "The Band",
                     .genre = " Deep House ",
                     .bpm = 122.5,
                     .musicalKey = "Fm",
                     .camelotKey = metadata::CamelotKey::make(4, metadata::CamelotLetter::a),
                     .comment = "warm-up",
                     .energy = std::nullopt,
                     .rating = 4,
                     .duration = 412.0,
                     .filepath = "/Users/dj/Music/My Track.mp3",
                     .dateAdded = sys_days(year(2021) / March / 15),
                     .year = 2019,
                     .label = "Label Records"}));
}

TEST(RekordboxMetadataMapper, CommentTagWinsOverTonalityAndTheEnergyParser) {
    struct Case {
        std::string comments;
        std::optional<std::string> key;
        std::optional<int> energy;
    } cases[] = {
        {"8A - 7 Energy, Energy 3", "8A", 7},
        {"Energy 6", "4A", 6},
        {"1A - 0 Energy E5", "1A", 5}, // a tag without energy leaves it to the parser
        {"   ", "4A", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.comments);
        const std::optional<Track> track =
            mapped({{"TrackID", "1"}, {"Name", "X"}, {"Comments", c.comments}, {"Tonality", "Fm"}});
        EXPECT_EQ(track->camelotKey ? std::optional(track->camelotKey->toString()) : std::nullopt,
                  c.key);
        EXPECT_EQ(track->energy, c.energy);
        EXPECT_EQ(track->comment, c.comments == "   " ? std::nullopt : std::optional(c.comments));
    }
}

TEST(RekordboxMetadataMapper, BlankTextFieldsAreAbsentButTheKeyTextIsKept) {
    for (const char* blank : {"", " \t\n", "\u00A0"}) {
        SCOPED_TRACE(blank);
        EXPECT_EQ(mappedWith("Genre", blank).genre, std::nullopt);
        EXPECT_EQ(mappedWith("Label", blank).label, std::nullopt);
    }
    EXPECT_EQ(mappedWith("Tonality", "").musicalKey, "");
    EXPECT_EQ(mappedWith("Artist", "  ").artist, "  ");
}

TEST(RekordboxMetadataMapper, NumbersNeedTheWholeLocaleIndependentPositiveForm) {
    const std::pair<const char*, double> accepted[] = {
        {"128.00", 128.0}, {"+128.5", 128.5}, {"1.28e2", 128.0}, {".5", 0.5}};
    for (const auto& [text, value] : accepted) {
        SCOPED_TRACE(text);
        EXPECT_EQ(mappedWith("AverageBpm", text).bpm, value);
        EXPECT_EQ(mappedWith("TotalTime", text).duration, value);
    }
    for (const char* text :
         {"0.00", "-120", "128,00", " 128", "", "+", "+-1", "++1", "inf", "nan", "1e999"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(mappedWith("AverageBpm", text).bpm, std::nullopt);
        EXPECT_EQ(mappedWith("TotalTime", text).duration, std::nullopt);
    }
}

TEST(RekordboxMetadataMapper, RatingsYearsAndDates) {
    // clang-format off
    struct Case { std::optional<std::string> text; std::optional<int> rating, year; } cases[] = {
        {"0", 0, std::nullopt},
        {"25", 0, 25},
        {"26", 1, 26},
        {"255", 5, 255},
        {"280", 5, 280},
        {"281", std::nullopt, 281},
        {"-25", 0, std::nullopt},
        {"-26", std::nullopt, std::nullopt},
        {"+51", 1, 51},
        {"51.0", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"3000000000", std::nullopt, std::nullopt},
        {std::nullopt, std::nullopt, std::nullopt},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("<none>"));
        EXPECT_EQ(Mapper::parseRating(c.text), c.rating);
        EXPECT_EQ(Mapper::parseYear(c.text), c.year);
    }
    EXPECT_EQ(Mapper::parseDate("2024-02-29"), sys_days(year(2024) / February / 29));
    EXPECT_EQ(Mapper::parseDate("1999-12-31"), sys_days(year(1999) / December / 31));
    for (const char* text : {"2023-02-29", "2021-13-01", "2021-04-00", "2021-3-15", "2021/03/15",
                             "2021-0a-15", "2021-03-15T10:00"}) {
        EXPECT_EQ(Mapper::parseDate(text), std::nullopt) << text;
    }
    EXPECT_EQ(Mapper::parseDate(std::nullopt), std::nullopt);
}

TEST(RekordboxMetadataMapper, LocationsDecodeFileURLsAndKeepEverythingElse) {
    // clang-format off
    struct Case { std::optional<std::string> text, expected; } cases[] = {
        {"FILE://localhost/a%20b.mp3", "/a b.mp3"},
        {"File:///Volumes/USB/b.wav", "/Volumes/USB/b.wav"},
        {"file:/Music/x.mp3", "/Music/x.mp3"},
        {"file://localhost/Users/dj/Caf%c3%a9.mp3", "/Users/dj/Caf\u00E9.mp3"},
        // rekordbox leaves "#" and "?" of a path unescaped: never a query or a fragment.
        {"file://localhost/Who?/%231%20#2?.mp3", "/Who?/#1 #2?.mp3"},
        // Not file URLs, or not URLs at all: kept as written.
        {"/Music/a.mp3", "/Music/a.mp3"},
        {"https://example.com/a%20b.mp3", "https://example.com/a%20b.mp3"},
        {"file://localhost/My Track.mp3", "file://localhost/My Track.mp3"},
        // Escapes that decode to ill-formed UTF-8 name no file; the text is kept.
        {"file://localhost/a%FF.mp3", "file://localhost/a%FF.mp3"},
        {"", std::nullopt},
        {std::nullopt, std::nullopt},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Mapper::parseLocation(c.text), c.expected) << c.text.value_or("<none>");
    }
}

} // namespace
} // namespace cuevox::importing
