// Collections exported by rekordbox itself: the shapes no hand-written fixture anticipates.
#include "importing/XMLLibraryReader.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace cuevox::importing {
namespace {

using namespace std::chrono;
using metadata::CamelotKey;
using metadata::CamelotLetter;
using metadata::Track;

// The exports sit beside the project, not in it; CUEVOX_REAL_EXPORTS points elsewhere.
const std::filesystem::path kExports = [] {
    if (const char* override = std::getenv("CUEVOX_REAL_EXPORTS")) {
        return std::filesystem::path(override);
    }
    return std::filesystem::path(CUEVOX_SOURCE_DIR) / ".." / "shared" / "real-exports";
}();

const Track& findTrack(const metadata::RekordboxLibrary& library, const std::string& id) {
    static const Track kNone;
    for (const Track& track : library.tracks) {
        if (track.id == id) {
            return track;
        }
    }
    ADD_FAILURE() << "no track " << id;
    return kNone;
}

std::optional<metadata::RekordboxLibrary> load(const char* name) {
    const std::filesystem::path path = kExports / name;
    if (!std::filesystem::exists(path)) {
        return std::nullopt;
    }
    auto library = XMLLibraryReader(path).loadLibrary();
    EXPECT_TRUE(library) << library.error().message();
    return library ? std::move(*library) : metadata::RekordboxLibrary{};
}

TEST(RealExports, CamelotExportWithCrlfAndWrappedAttributes) {
    const auto library = load("andreapavoni__rb_xml__rekordbox_3.xml");
    if (!library) {
        GTEST_SKIP() << "real exports not found beside the project";
    }
    ASSERT_EQ(library->tracks.size(), 248U);
    ASSERT_EQ(library->playlists.size(), 5U);
    EXPECT_EQ(library->playlists[0].name, "TOP");
    EXPECT_TRUE(library->playlists[0].trackIDs.empty());
    EXPECT_EQ(library->playlists[4].id, "BDTP 05");
    ASSERT_EQ(library->playlists[4].trackIDs.size(), 16U);
    EXPECT_EQ(library->playlists[4].trackIDs.back(), "115620231");
    EXPECT_EQ(library->tracks.front(),
              (Track{.id = "121898539",
                     .title = "The Rollercoaster",
                     .artist = "Yuksek",
                     .genre = std::nullopt,
                     .bpm = 121.0,
                     .musicalKey = "6A",
                     .camelotKey = CamelotKey::make(6, CamelotLetter::a),
                     .comment = std::nullopt,
                     .energy = std::nullopt,
                     .rating = 4,
                     .duration = 310.0,
                     .filepath = "/Users/andrea/Beats/NEW_SET/"
                                 "Yuksek - The Rollercoaster (Extended Mix).mp3",
                     .dateAdded = sys_days(year(2023) / May / 29),
                     .year = 2019,
                     .label = std::nullopt}));
    EXPECT_EQ(findTrack(*library, "77157835").title, "Hinter dem H\u00FCgel");
    EXPECT_EQ(findTrack(*library, "239183287").artist, "Jon Cutler feat. E\u2010Man");
}

TEST(RealExports, GermanExportWithSamplesAndAnEmptyPlaylist) {
    const auto library = load("dylanljones__pyrekordbox__database.xml");
    if (!library) {
        GTEST_SKIP() << "real exports not found beside the project";
    }
    ASSERT_EQ(library->tracks.size(), 6U);
    ASSERT_EQ(library->playlists.size(), 1U);
    EXPECT_EQ(library->playlists[0].name, "Trial playlist - Cloud Library Sync");
    const Track& demo = findTrack(*library, "253529738");
    EXPECT_EQ(demo.camelotKey, CamelotKey::make(4, CamelotLetter::a));
    EXPECT_EQ(demo.filepath, "/C:/Music/PioneerDJ/Demo Tracks/Demo Track 1.mp3");
    // A one-shot sample: tempo 0.00, year 0 and no key are unknowns, not values.
    const Track& horn = findTrack(*library, "49557014");
    EXPECT_EQ(horn.bpm, std::nullopt);
    EXPECT_EQ(horn.year, std::nullopt);
    EXPECT_EQ(horn.camelotKey, std::nullopt);
    EXPECT_EQ(horn.dateAdded, sys_days(year(2022) / April / 9));
}

} // namespace
} // namespace cuevox::importing
