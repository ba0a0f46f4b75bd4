#include "import/RekordboxMetadataMapper.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cuevox::import {
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

Pairs withBase(Pairs extra) {
    Pairs pairs{{"TrackID", "1"}, {"Name", "X"}};
    pairs.insert(pairs.end(), extra.begin(), extra.end());
    return pairs;
}

TEST(RekordboxMetadataMapper, RejectsOnlyAMissingOrEmptyIdOrName) {
    const Pairs rejected[] = {
        {},
        {{"Name", "X"}},
        {{"TrackID", "1"}},
        {{"TrackID", ""}, {"Name", "X"}},
        {{"TrackID", "1"}, {"Name", ""}},
        {{"trackid", "1"}, {"Name", "X"}}, // names are case-sensitive
        {{"Artist", "A"}, {"AverageBpm", "128.00"}},
    };
    for (const Pairs& pairs : rejected) {
        SCOPED_TRACE(pairs.size());
        EXPECT_EQ(mapped(pairs), std::nullopt);
    }
    // A blank id or name is still an id or a name: only emptiness rejects.
    EXPECT_TRUE(mapped({{"TrackID", " "}, {"Name", " "}}));
}

TEST(RekordboxMetadataMapper, MinimalTrackHasEveryOptionalFieldAbsent) {
    Track expected{};
    expected.id = "1";
    expected.title = "X";
    EXPECT_EQ(mapped({{"TrackID", "1"}, {"Name", "X"}}), expected);
}

TEST(RekordboxMetadataMapper, FullTrackMapsEveryAttribute) {
    const std::optional<Track> track = mapped({
        {"TrackID", "253529738"},
        {"Name", " Night Song "},
        {"Artist", "The Band"},
        {"Composer", "ignored"},
        {"Genre", " Deep House "},
        {"Kind", "MP3 File"},
        {"TotalTime", "412"},
        {"Year", "2019"},
        {"AverageBpm", "122.50"},
        {"DateAdded", "2021-03-15"},
        {"Comments", "warm-up"},
        {"Rating", "204"},
        {"Location", "file://localhost/Users/dj/Music/My%20Track.mp3"},
        {"Tonality", "Fm"},
        {"Label", "Label Records"},
    });
    ASSERT_TRUE(track);
    const Track expected{
        .id = "253529738",
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
        .label = "Label Records",
    };
    EXPECT_EQ(*track, expected);
}

TEST(RekordboxMetadataMapper, CommentTagWinsOverTonalityAndTheEnergyParser) {
    struct Case {
        std::string comments;
        std::optional<std::string> tonality;
        std::optional<std::string> key;
        std::optional<int> energy;
        std::optional<std::string> comment;
    } cases[] = {
        {"8A - 7 Energy", "Fm", "8A", 7, "8A - 7 Energy"},
        {"Energy 6", "Fm", "4A", 6, "Energy 6"},
        // The tag gave a key but no energy: the general parser still finds none here.
        {"1A - 0 Energy", "Fm", "1A", std::nullopt, "1A - 0 Energy"},
        {"1A - 0 Energy E5", "Fm", "1A", 5, "1A - 0 Energy E5"},
        // The tag's energy wins; the general parser is not asked.
        {"8A - 7 Energy, Energy 3", std::nullopt, "8A", 7, "8A - 7 Energy, Energy 3"},
        {"   ", "Fm", "4A", std::nullopt, std::nullopt},
        {"", "", std::nullopt, std::nullopt, std::nullopt},
        {"E7", "1m", std::nullopt, 7, "E7"},
        {" Energy 9 ", "12b", "12B", 9, " Energy 9 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.comments);
        Pairs pairs = withBase({{"Comments", c.comments}});
        if (c.tonality) {
            pairs.emplace_back("Tonality", *c.tonality);
        }
        const std::optional<Track> track = mapped(pairs);
        ASSERT_TRUE(track);
        EXPECT_EQ(track->camelotKey ? std::optional(track->camelotKey->toString()) : std::nullopt,
                  c.key);
        EXPECT_EQ(track->energy, c.energy);
        EXPECT_EQ(track->comment, c.comment);
        EXPECT_EQ(track->musicalKey, c.tonality) << "the raw key text is kept";
    }
}

TEST(RekordboxMetadataMapper, TextFieldsKeepTheirTextAndBlankMeansAbsent) {
    struct Case {
        std::string value;
        std::optional<std::string> expected;
    } cases[] = {
        {"House", "House"},         {"  House  ", "  House  "}, {"   ", std::nullopt},
        {"\t\n", std::nullopt},     {"", std::nullopt},         {"\u00A0", std::nullopt},
        {"Caf\u00E9", "Caf\u00E9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::optional<Track> track =
            mapped(withBase({{"Genre", c.value}, {"Label", c.value}}));
        ASSERT_TRUE(track);
        EXPECT_EQ(track->genre, c.expected);
        EXPECT_EQ(track->label, c.expected);
    }
    EXPECT_EQ(mapped(withBase({{"Tonality", ""}}))->musicalKey, "") << "empty, but present";
    EXPECT_EQ(mapped(withBase({{"Artist", "  "}}))->artist, "  ");
}

TEST(RekordboxMetadataMapper, NumbersNeedTheWholeLocaleIndependentForm) {
    struct Case {
        std::string text;
        std::optional<double> expected;
    } cases[] = {
        {"128.00", 128.0},
        {"128", 128.0},
        {"+128.5", 128.5},
        {"1.28e2", 128.0},
        {"0.00", std::nullopt},
        {"-120", std::nullopt},
        {"128,00", std::nullopt},
        {" 128", std::nullopt},
        {"128 ", std::nullopt},
        {"", std::nullopt},
        {"1,280.00", std::nullopt},
        {"+-1", std::nullopt},
        {"++1", std::nullopt},
        {"abc", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e999", std::nullopt},
        {".5", 0.5},
        {"5.", 5.0},
        {"0x10", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<Track> track =
            mapped(withBase({{"AverageBpm", c.text}, {"TotalTime", c.text}}));
        ASSERT_TRUE(track);
        EXPECT_EQ(track->bpm, c.expected);
        EXPECT_EQ(track->duration, c.expected);
    }
}

TEST(RekordboxMetadataMapper, RatingRoundsToStars) {
    struct Case {
        std::optional<std::string> text;
        std::optional<int> expected;
    } cases[] = {
        {"0", 0},
        {"51", 1},
        {"102", 2},
        {"153", 3},
        {"204", 4},
        {"255", 5},
        {"25", 0},
        {"26", 1},
        {"280", 5},
        {"281", std::nullopt},
        {"300", std::nullopt},
        {"-25", 0},
        {"-26", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"51.0", std::nullopt},
        {" 51", std::nullopt},
        {"+51", 1},
        {std::nullopt, std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("<none>"));
        EXPECT_EQ(Mapper::parseRating(c.text), c.expected);
    }
}

TEST(RekordboxMetadataMapper, YearIsAPositiveInteger) {
    struct Case {
        std::optional<std::string> text;
        std::optional<int> expected;
    } cases[] = {
        {"2019", 2019},
        {"0", std::nullopt},
        {"-1", std::nullopt},
        {"+1999", 1999},
        {"2019.0", std::nullopt},
        {"", std::nullopt},
        {"3000000000", std::nullopt},
        {std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("<none>"));
        EXPECT_EQ(Mapper::parseYear(c.text), c.expected);
    }
}

TEST(RekordboxMetadataMapper, DatesAreStrictGregorianDays) {
    struct Case {
        std::optional<std::string> text;
        std::optional<sys_days> expected;
    } cases[] = {
        {"2021-03-15", sys_days(year(2021) / March / 15)},
        {"2024-02-29", sys_days(year(2024) / February / 29)},
        {"1999-12-31", sys_days(year(1999) / December / 31)},
        {"2023-02-29", std::nullopt},
        {"2021-02-30", std::nullopt},
        {"2021-13-01", std::nullopt},
        {"2021-00-10", std::nullopt},
        {"2021-04-31", std::nullopt},
        {"2021-04-00", std::nullopt},
        {"15/03/2021", std::nullopt},
        {"2021-3-15", std::nullopt},
        {"2021-03-15T10:00", std::nullopt},
        {" 2021-03-15", std::nullopt},
        {"21-03-15", std::nullopt},
        {"2021/03/15", std::nullopt},
        {"2021-0a-15", std::nullopt},
        {"", std::nullopt},
        {std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("<none>"));
        EXPECT_EQ(Mapper::parseDate(c.text), c.expected);
    }
}

TEST(RekordboxMetadataMapper, LocationsDecodeFileURLsAndKeepEverythingElse) {
    struct Case {
        std::optional<std::string> text;
        std::optional<std::string> expected;
    } cases[] = {
        {"file://localhost/Users/dj/Music/My%20Track.mp3", "/Users/dj/Music/My Track.mp3"},
        {"FILE://localhost/a.mp3", "/a.mp3"},
        {"File:///Volumes/USB/b#1.wav", "/Volumes/USB/b#1.wav"},
        {"file://localhost/C:/Music/Demo%20Track.mp3", "/C:/Music/Demo Track.mp3"},
        {"file://localhost/Users/dj/Caf%c3%a9.mp3", "/Users/dj/Caf\u00E9.mp3"},
        {"file://localhost/Users/dj/Caf%C3%A9.mp3", "/Users/dj/Caf\u00E9.mp3"},
        {"file://localhost/a%2Fb.mp3", "/a/b.mp3"},
        {"file:/Music/x.mp3", "/Music/x.mp3"},
        // rekordbox leaves "#" and "?" of a path unescaped: never a query or a fragment.
        {"file://localhost/a.mp3?x=1#y", "/a.mp3?x=1#y"},
        {"file://localhost/Users/x/Secret%20Squirrels%20#14/a.flac",
         "/Users/x/Secret Squirrels #14/a.flac"},
        {"file://localhost/Users/x/You%20Feel%20That?.aiff", "/Users/x/You Feel That?.aiff"},
        {"file://localhost/Vol%20#1/Track%20#2.mp3", "/Vol #1/Track #2.mp3"},
        {"file://localhost/Who?/%231%20#2?.mp3", "/Who?/#1 #2?.mp3"},
        {"file://localhost/%F0%9F%8E%B5.flac", "/\U0001F3B5.flac"},
        // Not file URLs, or not URLs at all: kept as written.
        {"/Music/a.mp3", "/Music/a.mp3"},
        {"file://localhost/soundcloud:tracks:12345", "/soundcloud:tracks:12345"},
        {"https://example.com/a%20b.mp3?x#y", "https://example.com/a%20b.mp3?x#y"},
        {"soundcloud:tracks:12345", "soundcloud:tracks:12345"},
        {"file://localhost/My Track #1.mp3", "file://localhost/My Track #1.mp3"},
        {"file://localhost/bad%zz.mp3", "file://localhost/bad%zz.mp3"},
        // Escapes that decode to ill-formed UTF-8 or a NUL name no file; the text is kept.
        {"file://localhost/a%FF.mp3", "file://localhost/a%FF.mp3"},
        {"file://localhost/a%00b.mp3", "file://localhost/a%00b.mp3"},
        {"C:\\Music\\a.mp3", "C:\\Music\\a.mp3"},
        {"", std::nullopt},
        {std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.value_or("<none>"));
        EXPECT_EQ(Mapper::parseLocation(c.text), c.expected);
    }
}

} // namespace
} // namespace cuevox::import
