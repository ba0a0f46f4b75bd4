#include "recommendation/RecommendationService.hpp"

#include "recommendation/ConfigurableGenreCompatibility.hpp"
#include "recommendation/ExactGenreCompatibility.hpp"
#include "recommendation/RecommendationScorer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace cuevox::recommendation {
namespace {

using metadata::CamelotKey;
using metadata::Track;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

CamelotKey key(const char* text) {
    return *CamelotKey::fromString(text);
}

RecommendationSettings defaultSettings() {
    return {.weights = {0.35, 0.25, 0.25, 0.15},
            .bpmTolerance = {0.15, 1.0},
            .genreMode = GenreMode::exactOnly,
            .genreProvider = ExactGenreCompatibility{},
            .harmonicMode = HarmonicMode::strict,
            .energyMode = EnergyToleranceMode::plusMinus1,
            .resultCount = 20,
            .excludedTrackIDs = {}};
}

Track sourceTrack() {
    Track track;
    track.id = "s";
    track.title = "Start";
    track.artist = "Source";
    track.genre = "House";
    track.bpm = 128.0;
    track.camelotKey = key("8A");
    track.energy = 6;
    track.filepath = "/music/s.mp3";
    return track;
}

// A candidate that matches the source in every dimension until a row changes it.
Track candidate(std::string id, std::string artist = "", std::string title = "") {
    Track track = sourceTrack();
    track.artist = artist.empty() ? "Artist " + id : std::move(artist);
    track.title = title.empty() ? "Title " + id : std::move(title);
    track.filepath = "/music/" + id + ".mp3";
    track.id = std::move(id);
    return track;
}

std::vector<std::string> labels(const Recommendation& recommendation) {
    std::vector<std::string> texts;
    for (const RecommendationReason& reason : recommendation.reasons) {
        texts.push_back(reason.label());
    }
    return texts;
}

std::vector<std::string> ids(const std::vector<Recommendation>& recommendations) {
    std::vector<std::string> result;
    for (const Recommendation& recommendation : recommendations) {
        result.push_back(recommendation.track.id);
    }
    return result;
}

struct Expected {
    double score;
    RecommendationScoreBreakdown breakdown;
    std::vector<std::string> labels;
};

void expectRecommendation(const std::vector<Recommendation>& actual,
                          const std::optional<Expected>& expected) {
    if (!expected) {
        EXPECT_TRUE(actual.empty()) << actual.front().track.id;
        return;
    }
    ASSERT_EQ(actual.size(), 1U);
    EXPECT_DOUBLE_EQ(actual[0].score, expected->score);
    EXPECT_NEAR(actual[0].breakdown.genre, expected->breakdown.genre, 1e-3);
    EXPECT_NEAR(actual[0].breakdown.bpm, expected->breakdown.bpm, 1e-3);
    EXPECT_NEAR(actual[0].breakdown.harmonic, expected->breakdown.harmonic, 1e-3);
    EXPECT_NEAR(actual[0].breakdown.energy, expected->breakdown.energy, 1e-3);
    EXPECT_EQ(labels(actual[0]), expected->labels);
}

const std::vector<std::string> kAllSame = {"✓ Same Genre", "✓ Same BPM", "✓ Harmonic Match",
                                           "✓ Same Energy"};

TEST(RecommendationScorer, NormalisesWeightsAndFallsBackToEqualOnes) {
    struct Case {
        RecommendationWeights weights;
        double genre, bpm, harmonic, energy;
        double expected;
    } cases[] = {
        {{0.35, 0.25, 0.25, 0.15}, 100, 58.82, 80, 50, 77.205},
        {{2, 1, 1, 0}, 100, 0, 40, 100, 60},
        {{0.5, 0.25, 0.25, 0}, 100, 0, 40, 100, 60},
        {{0, 0, 0, 1}, 100, 100, 100, 30, 30},
        {{0, 0, 0, 0}, 100, 0, 0, 0, 25},
        {{-1, 0, 0, 0}, 100, 0, 0, 0, 25},
        {{-1, -2, -3, -4}, 100, 100, 0, 0, 50},
        {{kNaN, 1, 1, 1}, 100, 0, 0, 0, 25},
        // A positive total with a negative weight is normalised like any other.
        {{2, -1, 0, 0}, 100, 50, 0, 0, 150},
        {{1, 1, 1, 1}, 100, 100, 65, 100, 91.25},
        {{1e308, 1e308, 1e308, 0}, 100, 0, 40, 100, 140.0 / 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.weights.genre) + "," + std::to_string(c.weights.bpm) + "," +
                     std::to_string(c.weights.harmonic) + "," + std::to_string(c.weights.energy));
        EXPECT_NEAR(RecommendationScorer{c.weights}.score(c.genre, c.bpm, c.harmonic, c.energy),
                    c.expected, 1e-9);
    }
}

TEST(RecommendationService, JudgesEachCandidateWithDefaultSettings) {
    struct Case {
        const char* name;
        std::function<void(Track&)> change;
        std::optional<Expected> expected;
    } cases[] = {
        {"identical tags, genre in other case", [](Track& t) { t.genre = "house"; },
         Expected{100, {100, 100, 100, 100}, kAllSame}},
        {"slower, next key, more energy",
         [](Track& t) {
             t.bpm = 127.5;
             t.camelotKey = key("9A");
             t.energy = 7;
         },
         Expected{79.7,
                  {100, 58.8235, 80, 66.6667},
                  {"✓ Same Genre", "-0.5 BPM", "±1 Camelot", "Energy +1"}}},
        {"slower, next key, energy unknown",
         [](Track& t) {
             t.bpm = 127.5;
             t.camelotKey = key("9A");
             t.energy = std::nullopt;
         },
         Expected{77.2,
                  {100, 58.8235, 80, 50},
                  {"✓ Same Genre", "-0.5 BPM", "±1 Camelot", "Energy Unknown"}}},
        {"faster, previous key, less energy",
         [](Track& t) {
             t.bpm = 128.6;
             t.camelotKey = key("7A");
             t.energy = 5;
         },
         Expected{76.8,
                  {100, 47.0588, 80, 66.6667},
                  {"✓ Same Genre", "+0.6 BPM", "±1 Camelot", "Energy -1"}}},
        {"tempo exactly at the maximum", [](Track& t) { t.bpm = 129.0; },
         Expected{75,
                  {100, 0, 100, 100},
                  {"✓ Same Genre", "+1.0 BPM", "✓ Harmonic Match", "✓ Same Energy"}}},
        {"relative key", [](Track& t) { t.camelotKey = key("8B"); },
         Expected{97.5,
                  {100, 100, 90, 100},
                  {"✓ Same Genre", "✓ Same BPM", "Relative Key", "✓ Same Energy"}}},
        {"energy three away", [](Track& t) { t.energy = 9; },
         Expected{85,
                  {100, 100, 100, 0},
                  {"✓ Same Genre", "✓ Same BPM", "✓ Harmonic Match", "Energy +3"}}},
        {"key parsed from the musical key text",
         [](Track& t) {
             t.camelotKey = std::nullopt;
             t.musicalKey = "Am";
         },
         Expected{100, {100, 100, 100, 100}, kAllSame}},
        {"unreadable key",
         [](Track& t) {
             t.camelotKey = std::nullopt;
             t.musicalKey = "not a key";
         },
         Expected{87.5,
                  {100, 100, 50, 100},
                  {"✓ Same Genre", "✓ Same BPM", "Key Unknown", "✓ Same Energy"}}},
        {"no key at all", [](Track& t) { t.camelotKey = std::nullopt; },
         Expected{87.5,
                  {100, 100, 50, 100},
                  {"✓ Same Genre", "✓ Same BPM", "Key Unknown", "✓ Same Energy"}}},
        {"energy parsed from the comment",
         [](Track& t) {
             t.energy = std::nullopt;
             t.comment = "Energy 8";
         },
         Expected{90,
                  {100, 100, 100, 33.3333},
                  {"✓ Same Genre", "✓ Same BPM", "✓ Harmonic Match", "Energy +2"}}},
        {"energy boost in strict mode", [](Track& t) { t.camelotKey = key("10A"); }, std::nullopt},
        {"diagonal in strict mode", [](Track& t) { t.camelotKey = key("9B"); }, std::nullopt},
        {"key clash", [](Track& t) { t.camelotKey = key("3A"); }, std::nullopt},
        {"parsed key clashes",
         [](Track& t) {
             t.camelotKey = std::nullopt;
             t.musicalKey = "F#";
         },
         std::nullopt},
        {"other genre", [](Track& t) { t.genre = "Techno"; }, std::nullopt},
        {"genre with a trailing blank", [](Track& t) { t.genre = "House "; }, std::nullopt},
        {"no genre", [](Track& t) { t.genre = std::nullopt; }, std::nullopt},
        {"empty genre", [](Track& t) { t.genre = ""; }, std::nullopt},
        {"tempo just above the maximum", [](Track& t) { t.bpm = 129.01; }, std::nullopt},
        {"half tempo", [](Track& t) { t.bpm = 64.0; }, std::nullopt},
        {"tempo 0", [](Track& t) { t.bpm = 0.0; }, std::nullopt},
        {"no tempo", [](Track& t) { t.bpm = std::nullopt; }, std::nullopt},
        {"no file", [](Track& t) { t.filepath = std::nullopt; }, std::nullopt},
        {"empty file path", [](Track& t) { t.filepath = ""; }, std::nullopt},
        {"the source's id", [](Track& t) { t.id = "s"; }, std::nullopt},
        {"excluded", [](Track& t) { t.id = "excluded"; }, std::nullopt},
        {"the source's duplicate key",
         [](Track& t) {
             t.artist = " SOURCE ";
             t.title = "start\n";
         },
         std::nullopt},
    };
    RecommendationSettings settings = defaultSettings();
    settings.excludedTrackIDs = {"excluded", "other"};
    const RecommendationService service(settings);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Track track = candidate("c");
        c.change(track);
        expectRecommendation(service.recommendations(sourceTrack(), std::vector{track}),
                             c.expected);
    }
}

TEST(RecommendationService, SettingsDecideWhatPassesAndHowItScores) {
    const AnyGenreCompatibility table =
        ConfigurableGenreCompatibility{{{"house", {{"tech house", 0.625}}}}};
    struct Case {
        const char* name;
        std::function<void(RecommendationSettings&)> configure;
        std::function<void(Track&)> change;
        std::optional<Expected> expected;
    } cases[] = {
        {"balanced takes the energy boost",
         [](auto& s) {
             s.weights = {1, 1, 1, 1};
             s.harmonicMode = HarmonicMode::balanced;
         },
         [](Track& t) { t.camelotKey = key("10A"); },
         // 91.25 rounds away from zero.
         Expected{91.3,
                  {100, 100, 65, 100},
                  {"✓ Same Genre", "✓ Same BPM", "Energy Boost Mix", "✓ Same Energy"}}},
        {"balanced takes a diagonal",
         [](auto& s) {
             s.weights = {1, 1, 1, 1};
             s.harmonicMode = HarmonicMode::balanced;
         },
         [](Track& t) { t.camelotKey = key("9B"); },
         Expected{92.5,
                  {100, 100, 70, 100},
                  {"✓ Same Genre", "✓ Same BPM", "Diagonal Mix", "✓ Same Energy"}}},
        {"balanced refuses a clash", [](auto& s) { s.harmonicMode = HarmonicMode::balanced; },
         [](Track& t) { t.camelotKey = key("3A"); }, std::nullopt},
        {"experimental keeps a clash at 0",
         [](auto& s) {
             s.weights = {0, 0, 0, 0};
             s.harmonicMode = HarmonicMode::experimental;
         },
         [](Track& t) { t.camelotKey = key("3A"); },
         Expected{75,
                  {100, 100, 0, 100},
                  {"✓ Same Genre", "✓ Same BPM", "✗ Key Clash", "✓ Same Energy"}}},
        {"compatible genres from the table",
         [&](auto& s) {
             s.weights = {1, 1, 0, 0};
             s.genreMode = GenreMode::compatibleGenres;
             s.genreProvider = table;
         },
         [](Track& t) { t.genre = "Tech House"; },
         // 81.25 rounds away from zero, not to the even 81.2.
         Expected{81.3,
                  {62.5, 100, 100, 100},
                  {"~63% Genre Match", "✓ Same BPM", "✓ Harmonic Match", "✓ Same Energy"}}},
        {"the same genre needs no table entry",
         [&](auto& s) {
             s.genreMode = GenreMode::compatibleGenres;
             s.genreProvider = table;
         },
         [](Track& t) {
             t.genre = "House";
             t.id = "reverse";
         },
         Expected{100, {100, 100, 100, 100}, kAllSame}},
        {"the table in exactOnly mode", [&](auto& s) { s.genreProvider = table; },
         [](Track& t) { t.genre = "Tech House"; }, std::nullopt},
        {"energy within two",
         [](auto& s) {
             s.weights = {0, 0, 0, 1};
             s.energyMode = EnergyToleranceMode::plusMinus2;
         },
         [](Track& t) { t.energy = 8; },
         Expected{60,
                  {100, 100, 100, 60},
                  {"✓ Same Genre", "✓ Same BPM", "✓ Harmonic Match", "Energy +2"}}},
        {"energy exact",
         [](auto& s) {
             s.weights = {0, 0, 0, 1};
             s.energyMode = EnergyToleranceMode::exact;
         },
         [](Track& t) { t.energy = 7; },
         Expected{0,
                  {100, 100, 100, 0},
                  {"✓ Same Genre", "✓ Same BPM", "✓ Harmonic Match", "Energy +1"}}},
        {"a wider tempo tolerance",
         [](auto& s) {
             s.weights = {0, 1, 0, 0};
             s.bpmTolerance = {0.5, 2.0};
         },
         [](Track& t) { t.bpm = 129.5; },
         Expected{33.3,
                  {100, 33.3333, 100, 100},
                  {"✓ Same Genre", "+1.5 BPM", "✓ Harmonic Match", "✓ Same Energy"}}},
        {"result count 0", [](auto& s) { s.resultCount = 0; }, [](Track&) {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecommendationSettings settings = defaultSettings();
        c.configure(settings);
        Track track = candidate("c");
        c.change(track);
        expectRecommendation(
            RecommendationService(settings).recommendations(sourceTrack(), std::vector{track}),
            c.expected);
    }
}

TEST(RecommendationService, SourceFieldsAndTheirFallbacks) {
    struct Case {
        const char* name;
        std::function<void(Track&)> change;
        std::function<void(Track&)> changeCandidate;
        std::optional<Expected> expected;
    } cases[] = {
        {"no source tempo gives nothing", [](Track& s) { s.bpm = std::nullopt; }, [](Track&) {},
         std::nullopt},
        {"a source tempo of 0 is a tempo", [](Track& s) { s.bpm = 0.0; },
         [](Track& t) { t.bpm = 0.1; }, Expected{100, {100, 100, 100, 100}, kAllSame}},
        {"source key from its musical key text",
         [](Track& s) {
             s.camelotKey = std::nullopt;
             s.musicalKey = "C";
         },
         [](Track& t) { t.camelotKey = key("8B"); }, Expected{100, {100, 100, 100, 100}, kAllSame}},
        {"source without a key keeps every candidate key",
         [](Track& s) { s.camelotKey = std::nullopt; }, [](Track& t) { t.camelotKey = key("3A"); },
         Expected{87.5,
                  {100, 100, 50, 100},
                  {"✓ Same Genre", "✓ Same BPM", "Key Unknown", "✓ Same Energy"}}},
        {"source energy from its comment",
         [](Track& s) {
             s.energy = std::nullopt;
             s.comment = "8A - Energy 7";
         },
         [](Track& t) { t.energy = 7; }, Expected{100, {100, 100, 100, 100}, kAllSame}},
        {"source without energy", [](Track& s) { s.energy = std::nullopt; }, [](Track&) {},
         Expected{92.5,
                  {100, 100, 100, 50},
                  {"✓ Same Genre", "✓ Same BPM", "✓ Harmonic Match", "Energy Unknown"}}},
        {"source without a genre refuses every candidate", [](Track& s) { s.genre = ""; },
         [](Track&) {}, std::nullopt},
        {"a source needs no file", [](Track& s) { s.filepath = std::nullopt; }, [](Track&) {},
         Expected{100, {100, 100, 100, 100}, kAllSame}},
    };
    const RecommendationService service(defaultSettings());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Track source = sourceTrack();
        c.change(source);
        Track track = candidate("c");
        c.changeCandidate(track);
        expectRecommendation(service.recommendations(source, std::vector{track}), c.expected);
    }
}

TEST(RecommendationService, TheFirstCandidateOfADuplicateKeyClaimsIt) {
    const auto with = [](
                          std::string id, std::string artist, std::string title,
                          std::function<void(Track&)> change = [](Track&) {}) {
        Track track = candidate(std::move(id), std::move(artist), std::move(title));
        change(track);
        return track;
    };
    struct Case {
        const char* name;
        std::vector<Track> candidates;
        std::vector<std::string> expected; // ids, in result order
    } cases[] = {
        {"a copy dropped for its genre hides the next",
         {with("a", "DJ X", "Tune", [](Track& t) { t.genre = "Techno"; }),
          with("b", "dj x ", " TUNE")},
         {}},
        {"a copy dropped for its tempo hides the next",
         {with("a", "DJ X", "Tune", [](Track& t) { t.bpm = 140.0; }), with("b", "DJ X", "Tune")},
         {}},
        {"a copy dropped for its key hides the next",
         {with("a", "DJ X", "Tune", [](Track& t) { t.camelotKey = key("10A"); }),
          with("b", "DJ X", "Tune")},
         {}},
        {"an invalid copy claims nothing",
         {with("a", "DJ X", "Tune", [](Track& t) { t.filepath = ""; }), with("b", "DJ X", "Tune")},
         {"b"}},
        {"an excluded copy claims nothing",
         {with("excluded", "DJ X", "Tune"), with("b", "DJ X", "Tune")},
         {"b"}},
        {"the source's id claims nothing",
         {with("s", "DJ X", "Tune"), with("b", "DJ X", "Tune")},
         {"b"}},
        {"the source's own key is taken",
         {with("a", "  source", "START"), with("b", "Source", "Start")},
         {}},
        {"three copies, the first wins",
         {with("a", "DJ X", "Tune"), with("b", "DJ X", "Tune", [](Track& t) { t.year = 2030; }),
          with("c", "DJ X", "tune")},
         {"a"}},
        {"case beyond ASCII",
         {with("a", "\u00C4RZTE", "Lied"), with("b", "\u00E4rzte", "LIED")},
         {"a"}},
        {"a Kelvin sign lower-cases to k",
         {with("a", "\u212Aick", "Drum"), with("b", "kick", "drum")},
         {"a"}},
        {"a no-break space is trimmed",
         {with("a", "\u00A0DJ X\u3000", "Tune"), with("b", "dj x", "tune")},
         {"a"}},
        {"tabs and line breaks are trimmed",
         {with("a", "\tDJ X\r\n", "\vTune\f"), with("b", "dj x", "tune")},
         {"a"}},
        {"the separator can join differently split tags",
         {with("a", "A::B", "C"), with("b", "a", "b::c")},
         {"a"}},
        {"a mix name is another song",
         {with("a", "DJ X", "Tune"), with("b", "DJ X", "Tune (Dub)")},
         {"a", "b"}},
        {"inner spaces count", {with("a", "DJ X", "Tune"), with("b", "DJ  X", "Tune")}, {"b", "a"}},
        {"a unit separator is not white space",
         {with("a", "DJ X\x1F", "Tune"), with("b", "DJ X", "Tune")},
         {"b", "a"}},
        {"composed and decomposed accents are different keys",
         {with("a", "Caf\u00E9", "Tune"), with("b", "Cafe\u0301", "Tune")},
         {"a", "b"}},
    };
    RecommendationSettings settings = defaultSettings();
    settings.excludedTrackIDs = {"excluded"};
    const RecommendationService service(settings);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ids(service.recommendations(sourceTrack(), c.candidates)), c.expected);
    }
}

TEST(RecommendationService, OrdersByScoreYearArtistTitleThenCandidateOrder) {
    const auto with = [](std::string id, std::optional<int> year, std::string artist,
                         std::string title = "Song") {
        Track track = candidate(std::move(id), std::move(artist), std::move(title));
        track.year = year;
        return track;
    };
    std::vector<Track> candidates = {
        with("low", 2030, "Aaron"),
        with("y2019", 2019, "Adam", "T"),
        with("none", std::nullopt, "Adam", "T2"),
        with("zed", 2021, "Zed"),
        with("adam-lower", 2021, "adam"),
        with("beta", 2021, "Adam", "Beta"),
        with("alpha", 2021, "Adam", "Alpha"),
        // Equal after NFC, so candidate order decides, although the bytes differ.
        with("emile-composed", 2000, "\u00C9mile"),
        with("emile-decomposed", 2000, "E\u0301mile"),
        with("fred", 2000, "Fred"),
        with("zoe", 2000, "zoe"),
        with("vayu-decomposed", 2000, "Va\u0302yu"), // "Vâyu" after NFC, so after "Vendex"
        with("vendex", 2000, "Vendex"),
    };
    candidates[0].energy = 7;
    const std::vector<std::string> expected = {
        "alpha",
        "beta",
        "zed",
        "adam-lower",
        "y2019",
        "fred",
        "vendex",
        "vayu-decomposed",
        "zoe",
        "emile-composed",
        "emile-decomposed",
        "none",
        "low",
    };
    struct Case {
        std::size_t resultCount;
        std::size_t length;
    } cases[] = {{20, 13}, {13, 13}, {10, 10}, {3, 3}, {1, 1}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resultCount);
        RecommendationSettings settings = defaultSettings();
        settings.resultCount = c.resultCount;
        EXPECT_EQ(ids(RecommendationService(settings).recommendations(sourceTrack(), candidates)),
                  std::vector(expected.begin(), expected.begin() + c.length));
    }
}

TEST(RecommendationService, KeepsTheCandidateAndItsReasonsWhole) {
    Track track = candidate("c");
    track.comment = "a comment";
    track.label = "Label";
    track.rating = 4;
    const RecommendationService service(defaultSettings());
    const auto result = service.recommendations(sourceTrack(), std::vector{track});
    ASSERT_EQ(result.size(), 1U);
    EXPECT_EQ(result[0],
              (Recommendation{track,
                              100,
                              {100, 100, 100, 100},
                              {RecommendationReason::sameGenre(), RecommendationReason::sameBPM(),
                               RecommendationReason::harmonicSame(),
                               RecommendationReason::sameEnergy()}}));
    // The matchers are the settings' own.
    EXPECT_EQ(service.bpmMatcher(), (BPMMatcher{{0.15, 1.0}}));
    EXPECT_EQ(service.harmonicMatcher(), HarmonicMatcher{HarmonicMode::strict});
    EXPECT_EQ(service.energyMatcher(), EnergyMatcher{EnergyToleranceMode::plusMinus1});
    EXPECT_EQ(service.scorer(), (RecommendationScorer{{0.35, 0.25, 0.25, 0.15}}));
    EXPECT_EQ(service.genreMatcher().mode, GenreMode::exactOnly);
}

TEST(RecommendationService, NaNScoresStillSortByTheOtherKeys) {
    // An infinite weight makes every score NaN; the sort must still be a valid ordering, here
    // falling through to the artist.
    RecommendationSettings settings = defaultSettings();
    settings.weights = {std::numeric_limits<double>::infinity(), 1, 1, 1};
    std::vector<Track> candidates;
    for (int i = 10; i < 50; ++i) {
        candidates.push_back(candidate("c" + std::to_string(i)));
    }
    const auto result = RecommendationService(settings).recommendations(sourceTrack(), candidates);
    ASSERT_EQ(result.size(), 20U);
    EXPECT_EQ(result.front().track.id, "c10");
    EXPECT_EQ(result.back().track.id, "c29");
}

TEST(RecommendationService, DropsTheSameCandidatesAsOneNaivePassOverRandomCollections) {
    // Many spellings of few songs, so that duplicates are everywhere: before and after the
    // copy that passes, dropped for every reason, and split around the separator.
    const std::vector<std::string> artists = {
        "DJ X", "dj x ", " DJ X", "Ab", "ab::", "A::B", "a", "\u00C4rzte", "\u00E4RZTE",
        "\u212Aick", "kick", "Zo\u00EB", "ZOE\u0308", "", "  ", "Source", "So"};
    const std::vector<std::string> titles = {
        "Tune", "tune ", "::Tune", "b::c", "B", "::b", "Lied", "LIED", "Drum", "Caf\u00E9",
        "\tTune", "Start", "St", ""};
    const std::vector<std::optional<std::string>> genres = {"House", "house", "Techno",
                                                            std::nullopt, ""};
    const std::vector<double> tempos = {128.0, 127.2, 128.9, 140.0, 0.0};
    const std::vector<std::optional<CamelotKey>> keys = {key("8A"), key("9A"), key("10A"),
                                                         std::nullopt};
    RecommendationSettings settings = defaultSettings();
    settings.resultCount = 100000;
    settings.excludedTrackIDs = {"7", "70", "700"};
    const RecommendationService service(settings);

    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](const auto& values) {
            return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(
                random)];
        };
        std::vector<Track> tracks;
        for (int i = 0; i < 1500; ++i) {
            Track track = candidate(i % 97 == 0 ? "s" : std::to_string(i), pick(artists),
                                    pick(titles));
            track.artist = pick(artists); // may be empty, which `candidate` would replace
            track.title = pick(titles);
            track.genre = pick(genres);
            track.bpm = pick(tempos);
            track.camelotKey = pick(keys);
            if (i % 13 == 0) {
                track.filepath = "";
            }
            tracks.push_back(std::move(track));
        }

        // The rule written out once, plainly: claim the key, then test.
        std::set<std::string> seen{sourceTrack().duplicateKey()};
        std::multiset<std::string> expected;
        for (const Track& track : tracks) {
            if (track.id == "s" || !track.isValidCandidate() ||
                settings.excludedTrackIDs.contains(track.id) ||
                !seen.insert(track.duplicateKey()).second) {
                continue;
            }
            if (!service.genreMatcher().evaluate("House", track.genre) ||
                !service.bpmMatcher().evaluate(128.0, *track.bpm) ||
                (track.camelotKey &&
                 !service.harmonicMatcher().evaluate(key("8A"), *track.camelotKey))) {
                continue;
            }
            expected.insert(track.id);
        }
        const auto result = service.recommendations(sourceTrack(), tracks);
        std::multiset<std::string> actual;
        for (const Recommendation& recommendation : result) {
            actual.insert(recommendation.track.id);
        }
        EXPECT_EQ(actual, expected);
        EXPECT_FALSE(expected.empty());
    }
}

} // namespace
} // namespace cuevox::recommendation
