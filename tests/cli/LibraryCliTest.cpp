#include "CliRunner.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

namespace cuevox::tests {
namespace {

using nlohmann::json;

const char* const kCollection = R"(<?xml version="1.0" encoding="UTF-8"?>
<DJ_PLAYLISTS Version="1.0.0">
  <COLLECTION Entries="3">
    <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="Deep House" AverageBpm="122.10" Tonality="Am" Comments="8A - 7 Energy" Rating="204" TotalTime="412" Year="2019" DateAdded="2024-03-09" Location="file://localhost/Music/Night%20Song.mp3" Label="L"/>
    <TRACK TrackID="2" Name="Bare" Artist="" AverageBpm="0.00" Genre=" deep house "/>
    <TRACK TrackID="3" Name="Fast" Artist="X" AverageBpm="174.00" Genre="Drum &amp; Bass"/>
  </COLLECTION>
  <PLAYLISTS>
    <NODE Type="0" Name="ROOT">
      <NODE Name="Sets" Type="0">
        <NODE Name="Friday" Type="1"><TRACK Key="1"/><TRACK Key="99"/><TRACK Key="1"/></NODE>
      </NODE>
    </NODE>
  </PLAYLISTS>
</DJ_PLAYLISTS>
)";

class LibraryCli : public ::testing::Test {
protected:
    TemporaryDirectory directory;
    const std::string path = directory.write("collection.xml", kCollection).string();
};

TEST_F(LibraryCli, JsonHoldsEveryTrackAndPlaylistAndTheSummaryWhatADjNeedsToKnow) {
    const CliResult result = runCli({"library", "--json", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json document = json::parse(result.out);
    EXPECT_EQ(document.at("tracks").at(0), json::parse(R"({
        "id": "1", "title": "Night Song", "artist": "The Band", "genre": "Deep House",
        "bpm": 122.1, "musicalKey": "Am", "camelotKey": "8A", "comment": "8A - 7 Energy",
        "energy": 7, "rating": 4, "duration": 412.0, "filepath": "/Music/Night Song.mp3",
        "dateAdded": "2024-03-09", "year": 2019, "label": "L"})"));
    EXPECT_EQ(document.at("tracks").at(1), json::parse(R"({
        "id": "2", "title": "Bare", "artist": "", "genre": " deep house ", "bpm": null,
        "musicalKey": null, "camelotKey": null, "comment": null, "energy": null,
        "rating": null, "duration": null, "filepath": null, "dateAdded": null, "year": null,
        "label": null})"));
    EXPECT_EQ(document.at("tracks").size(), 3U);
    EXPECT_EQ(document.at("playlists"), json::parse(R"([
        {"id": "Sets/Friday", "name": "Sets/Friday", "path": ["Sets", "Friday"],
         "trackIDs": ["1", "99", "1"]}])"));
    // The tempo is written in its shortest exact form, not rounded for display.
    EXPECT_NE(result.out.find("\"bpm\": 122.1,"), std::string::npos);
    const CliResult summary = runCli({"library", path});
    ASSERT_EQ(summary.exitCode, 0) << summary.err;
    for (const char* line :
         {// clang-format off
             "  tracks          3\n", "  with tempo      2\n", "  with key        1\n",
             "  with energy     1\n", "  with genre      3\n", "  with file path  1\n",
             "  tempo range     122.10 - 174.00 BPM\n",
             "  top genres      Deep House (2), Drum & Bass (1)\n",
          // clang-format on
          "  playlists       1 (3 entries, 1 pointing at no track)\n"}) {
        EXPECT_NE(summary.out.find(line), std::string::npos) << line << summary.out;
    }
}

TEST_F(LibraryCli, EveryFailedReadExitsWithOneAndOneLine) {
    const std::string truncated = directory.write("truncated.xml", "<C><TRACK TrackID=\"1\"");
    expectFailure(runCli({"library", "--json", truncated}), 1,
                  "cuevox-cli: malformedXML(\"unclosed token at line 1, column 4\")\n");
    expectFailure(runCli({"library"}), 2, usage("FILE is required"));
}

} // namespace
} // namespace cuevox::tests
