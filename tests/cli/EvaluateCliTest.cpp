#include "CliRunner.hpp"
#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

namespace cuevox::tests {
namespace {

using nlohmann::json;

// Added one after another, the set plays 1, 2, 4. After 1: the window lists 1, 2, 3 (equal
// scores, by artist), recommend 2, 3; the style model puts 2 first, added next to 1. After 2:
// 4 is 12 BPM away, out of both lists; the style model has 1 and 3 (added next to 2, in tempo)
// before it.
const char* const kCollection = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="One" Artist="A1" Genre="House" AverageBpm="128.00" Tonality="8A" DateAdded="2024-01-01" Location="file://localhost/m/1.mp3"/>
  <TRACK TrackID="2" Name="Two" Artist="A2" Genre="House" AverageBpm="128.00" Tonality="8A" DateAdded="2024-01-01" Location="file://localhost/m/2.mp3"/>
  <TRACK TrackID="3" Name="Three" Artist="A3" Genre="House" AverageBpm="128.00" Tonality="8A" DateAdded="2024-01-01" Location="file://localhost/m/3.mp3"/>
  <TRACK TrackID="4" Name="Four" Artist="A4" Genre="House" AverageBpm="140.00" Tonality="8A" DateAdded="2024-01-01" Location="file://localhost/m/4.mp3"/>
</COLLECTION><PLAYLISTS><NODE Type="0" Name="ROOT">
  <NODE Name="Set 1" Type="1"><TRACK Key="1"/><TRACK Key="2"/><TRACK Key="4"/></NODE>
</NODE></PLAYLISTS></DJ_PLAYLISTS>)";

TEST(EvaluateCli, EachRankingFindsTheNextTracksWhereTheCollectionPutsThem) {
    const TemporaryDirectory directory;
    const std::string path = directory.write("dj.xml", kCollection).string();
    const CliResult text = runCli({"evaluate", path});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, "dj.xml: 1 set, 2 pairs\n"
                        "                  in list    hit@5   hit@10    MRR\n"
                        "  window's list    50.0 %   50.0 %   50.0 %  0.250\n"
                        "  recommend        50.0 %   50.0 %   50.0 %  0.500\n"
                        "  style           100.0 %  100.0 %  100.0 %  0.667\n");

    const json overall = json::parse(runCli({"evaluate", "--json", path, path}).out).at("overall");
    EXPECT_EQ(overall, json::parse(R"({"sets": 2, "pairs": 4, "rankings": {
        "defaultList": {"shareInList": 0.5, "hit5": 0.5, "hit10": 0.5, "meanReciprocalRank": 0.25},
        "recommend": {"shareInList": 0.5, "hit5": 0.5, "hit10": 0.5, "meanReciprocalRank": 0.5},
        "style": {"shareInList": 1.0, "hit5": 1.0, "hit10": 1.0, "meanReciprocalRank": 0.6666666666666666}}})"));

    const json none = json::parse(runCli({"evaluate", "--json", "--sets", "^crate", path}).out);
    EXPECT_EQ(none["files"][0]["pairs"], 0);
    EXPECT_EQ(none["files"][0]["rankings"]["style"]["hit10"], nullptr);
    const std::string noPair = "0 sets, 0 pairs\n"
                               "  no set holds two tracks of the collection one after the other\n";
    EXPECT_EQ(runCli({"evaluate", "--sets", "^crate", path, path}).out,
              "dj.xml: " + noPair + "\ndj.xml: " + noPair + "\nOverall: " + noPair);

    expectFailure(runCli({"evaluate", "--sets", "(set", path}), 2,
                  usage("--sets: not a regular expression: mismatched paren"));
    expectFailure(runCli({"evaluate", path, path + ".gone"}), 1,
                  "cuevox-cli: fileNotFound(\"" + path + ".gone\")\n");
}

} // namespace
} // namespace cuevox::tests
