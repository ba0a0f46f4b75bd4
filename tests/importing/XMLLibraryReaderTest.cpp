#include "importing/XMLLibraryReader.hpp"

#include "support/TemporaryFiles.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stop_token>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace cuevox::importing {
namespace {

using metadata::Playlist;

metadata::RekordboxLibrary parsed(const std::string& xml) {
    auto library = XMLLibraryReader::parseLibrary(xml);
    EXPECT_TRUE(library) << library.error().toString();
    return library ? std::move(*library) : metadata::RekordboxLibrary{};
}

// Each playlist as "id [level|level] entries", its path's levels read from the node table.
std::vector<std::string> playlistPaths(const metadata::RekordboxLibrary& library) {
    std::vector<std::string> described;
    for (const Playlist& playlist : library.playlists) {
        std::string text = playlist.id + " [";
        for (const std::string_view level : library.pathOf(library.playlistNodes, playlist.node)) {
            text += std::string(level) + "|";
        }
        text.back() = ']';
        for (const std::string& id : playlist.trackIDs) {
            text += " " + id;
        }
        EXPECT_EQ(playlist.name, playlist.id);
        described.push_back(text);
    }
    return described;
}

std::vector<std::string> trackIds(const metadata::RekordboxLibrary& library) {
    std::vector<std::string> ids;
    for (const auto& track : library.tracks) {
        ids.push_back(track.id);
    }
    return ids;
}

TEST(XMLLibraryReader, ReadsTracksAndPlaylistsOfACollection) {
    const auto library = parsed(R"(<?xml version="1.0" encoding="UTF-8"?>
<DJ_PLAYLISTS Version="1.0.0">
  <COLLECTION Entries="3">
    <TRACK TrackID="1" Name="One" AverageBpm="128.00"><TEMPO Inizio="0.025" Bpm="128.00"/></TRACK>
    <TRACK TrackID="2" Name="Two &amp; &apos;Two&apos;" Artist="B"/>
    <TRACK TrackID="3" Name="" Artist="rejected"/>
  </COLLECTION>
  <PLAYLISTS>
    <NODE Type="0" Name="ROOT" Count="2">
      <NODE Name="Techno" Type="0" Count="1">
        <NODE Name="Peak Time" Type="1" Entries="3"><TRACK Key="2"/><TRACK Key="1"/><TRACK Key="2"/></NODE>
      </NODE>
      <NODE Name="Warm Up" Type="1" KeyType="0" Entries="0"/>
    </NODE>
  </PLAYLISTS>
</DJ_PLAYLISTS>
)");
    EXPECT_EQ(trackIds(library), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(library.tracks[1].title, "Two & 'Two'");
    EXPECT_EQ(library.playlists,
              (std::vector<Playlist>{{"Techno/Peak Time", "Techno/Peak Time", {"2", "1", "2"}, 1},
                                     {"Warm Up", "Warm Up", {}, 2}}));
}

// Only the top node is rekordbox's ROOT; below it ROOT is a name like any other.
TEST(XMLLibraryReader, NodePathsSkipTheTopRootAndUnnamedNodes) {
    // clang-format off
    struct Case { const char* name; std::string xml; std::vector<std::string> expected; } cases[] = {
        {"unnamed folder adds no level",
         R"(<NODE Name="ROOT"><NODE Name="A"><NODE><NODE Name="P" Type="1"/></NODE></NODE></NODE>)", {"A/P [A|P]"}},
        {"a playlist named ROOT under the root",
         R"(<NODE Name="ROOT"><NODE Name="ROOT" Type="1"><TRACK Key="1"/></NODE></NODE>)", {"ROOT [ROOT] 1"}},
        {"folders named ROOT below the top",
         R"(<NODE Name="ROOT"><NODE Name="Gigs"><NODE Name="ROOT" Type="1"/></NODE><NODE Name="Old"><NODE Name="ROOT"><NODE Name="Set" Type="1"/></NODE></NODE></NODE>)",
         {"Gigs/ROOT [Gigs|ROOT]", "Old/ROOT/Set [Old|ROOT|Set]"}},
        {"the top node named ROOT is a playlist of no path", R"(<NODE Name="ROOT" Type="1"/>)", {}},
        {"names are not trimmed and a slash stays in its name",
         R"(<NODE Name=" A "><NODE Name="B/C" Type="1"/></NODE><NODE Name="B"><NODE Name="C" Type="1"/></NODE>)",
         {" A /B/C [ A |B/C]", "B/C [B|C]"}},
        {"only type 1 is a playlist", R"(<NODE Name="F"><TRACK Key="1"/></NODE><NODE Name="T" Type="01"/>)", {}},
        {"a playlist inside a playlist closes first and keeps its own entries",
         R"(<NODE Name="O" Type="1"><TRACK Key="1"/><NODE Name="I" Type="1"><TRACK Key="2"/></NODE><TRACK Key="3"/></NODE>)",
         {"O/I [O|I] 2", "O [O] 1 3"}},
        {"an unnamed playlist stands at its folder's level", R"(<NODE Name="F"><NODE Type="1"/></NODE>)", {"F [F]"}},
        {"entries with empty keys are skipped, others kept unchanged",
         R"(<NODE Name="P" Type="1"><TRACK Key=""/><TRACK Key=" 7 "/><TRACK/></NODE>)", {"P [P]  7 "}},
        {"element names are case-sensitive",
         R"(<node Name="P" Type="1"/><rb:NODE xmlns:rb="u" Name="R" Type="1"/>)", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(playlistPaths(parsed("<PLAYLISTS>" + c.xml + "</PLAYLISTS>")), c.expected);
    }
}

// Each open folder held a copy of its parent's path: 100,000 levels took about 20 GB.
TEST(XMLLibraryReader, PlaylistTreesTakeMemoryInProportionToTheFile) {
    std::string folders, nested, ends, path;
    for (int level = 0; level < 100'000; ++level) {
        folders += R"(<NODE Name="f">)";
        nested += R"(<NODE Name="p" Type="1">)";
        ends += "</NODE>";
        path += "f/";
    }
    EXPECT_EQ(
        parsed(folders + R"(<NODE Name="P" Type="1"><TRACK Key="1"/></NODE>)" + ends).playlists,
        (std::vector<Playlist>{{path + "P", path + "P", {"1"}, 100'000}}));

    // Every playlist holds its whole path, so these would outgrow the file many times over.
    std::string wide = "<NODE Name=\"" + std::string(1 << 20, 'n') + "\">";
    for (int sibling = 0; sibling < 20; ++sibling) {
        wide += R"(<NODE Name="p" Type="1"/>)";
    }
    for (const std::string& xml : {nested + ends, wide + "</NODE>"}) {
        const auto library = XMLLibraryReader::parseLibrary(xml);
        ASSERT_FALSE(library);
        EXPECT_THAT(library.error().toString(),
                    testing::MatchesRegex("malformedXML\\(\"playlist paths too long in all \\("
                                          "folders nested too deeply or named too long\\) at "
                                          "line 1, column [0-9]+\"\\)"));
    }
}

TEST(XMLLibraryReader, TrackIdAloneDecidesBetweenTrackAndEntry) {
    const auto library = parsed(R"(<DJ_PLAYLISTS><COLLECTION>
        <TRACK Key="5"/><TRACK TrackID="1" Name="First"/><TRACK TrackID="1" Name="Duplicate id"/>
        <TRACK TrackID="4" Key="9" Name=""/><track TrackID="6" Name="lower-case element"/>
      </COLLECTION>
      <NODE Name="P" Type="1"><TRACK TrackID="2" Name="In a playlist" Key="3"/><TRACK Key="1"/></NODE>
    </DJ_PLAYLISTS>)");
    EXPECT_EQ(trackIds(library), (std::vector<std::string>{"1", "1", "2"}));
    EXPECT_EQ(library.tracks[1].title, "Duplicate id");
    EXPECT_EQ(library.playlists, (std::vector<Playlist>{{"P", "P", {"1"}}}));

    // What Expat is set up to take: a byte order mark, internal entities, other encodings.
    const std::string accepted[] = {
        // clang-format off
        "\xEF\xBB\xBF<C><TRACK TrackID=\"1\" Name=\"Caf\xC3\xA9\"/></C>",
        R"(<!DOCTYPE C [<!ENTITY n "Caf&#233;">]><C><TRACK TrackID="1" Name="&n;"/></C>)",
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><C><TRACK TrackID=\"1\" Name=\"Caf\xE9\"/></C>",
        // clang-format on
    };
    for (const std::string& xml : accepted) {
        SCOPED_TRACE(xml);
        EXPECT_EQ(parsed(xml).tracks.at(0).title, "Caf\u00E9");
    }
}

TEST(XMLLibraryReader, MalformedDocumentsFailWithTheParsersMessageAndPlace) {
    // clang-format off
    struct Case { const char* name; std::string xml, message; std::uint64_t line, column; } cases[] = {
        {"empty", "", "no element found", 1, 1},
        {"truncated after tracks", "<C><TRACK TrackID=\"1\" Name=\"x\"/>", "no element found", 1, 33},
        {"cut inside a tag", "<C><TRACK TrackID=\"1\" Na", "unclosed token", 1, 4},
        {"binary", std::string("\x00\x01\x02\xFE", 4), "not well-formed (invalid token)", 1, 1},
        {"second line", "<a>\n  <b>\n</a>", "mismatched tag", 3, 3},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto library = XMLLibraryReader::parseLibrary(c.xml);
        ASSERT_FALSE(library);
        EXPECT_EQ(library.error(),
                  RekordboxXMLError::malformedXML(c.message, {{c.line, c.column}}));
        EXPECT_FALSE(XMLLibraryReader::parseTracks(c.xml));
    }
}

TEST(XMLLibraryReader, LoadDistinguishesMissingUnreadableAndBrokenFiles) {
    const tests::TemporaryDirectory temporary;
    const std::string directory = temporary.path().string() + "/";
    const std::string good = directory + "cuevox-good.xml";
    const std::string broken = directory + "cuevox-broken.xml";
    std::ofstream(good) << "<C><TRACK TrackID=\"1\" Name=\"T\"/><NODE Name=\"P\" Type=\"1\"/></C>";
    std::ofstream(broken) << "<C>";
    const std::string fifo = directory + "cuevox-fifo.xml";
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_EQ(XMLLibraryReader(good).loadLibrary()->playlists.size(), 1U);
    EXPECT_EQ(XMLLibraryReader(good).loadTracks()->size(), 1U);

    // Neither a FIFO (which would block without a writer) nor a directory is opened.
    const std::pair<std::string, std::string> cases[] = {
        {"/no/such/\"dir\"\\\n.xml", R"(fileNotFound("/no/such/\"dir\"\\\n.xml"))"}, // quoted
        {good + "/below-a-file", "fileNotFound(\"" + good + "/below-a-file\")"},
        {broken, R"(malformedXML("no element found at line 1, column 4"))"},
        {directory, directory + ": not a regular file"},
        {fifo, fifo + ": not a regular file"},
#ifdef __linux__
        {"/proc/self/mem", "/proc/self/mem: Input/output error"}, // stat, but no read, as root
#endif
    };
    for (const auto& [path, message] : cases) {
        const auto result = XMLLibraryReader(path).loadLibrary();
        ASSERT_FALSE(result) << path;
        EXPECT_EQ(result.error().message(), message);
    }
    EXPECT_EQ(XMLLibraryReader(fifo).loadLibrary().error(),
              (LoadError{FileReadError{fifo, FileReadErrc::notARegularFile}}));
}

// While a value is unfinished the reader hands Expat ever larger chunks (a fixed chunk size
// made the time grow with the square of the value's length); nothing may be lost at the seams.
TEST(XMLLibraryReader, ReadsAValueSpanningManyChunks) {
    std::string title;
    for (int i = 0; i < 9 << 20; ++i) {
        title += static_cast<char>('a' + i % 23);
    }
    const tests::TemporaryDirectory temporary;
    const std::string path = temporary.path() / "long-value.xml";
    std::ofstream(path) << R"(<C><TRACK TrackID="1" Name=")" << title
                        << R"("/><TRACK TrackID="2" Name="U"/></C>)";
    const auto library = XMLLibraryReader(path).loadLibrary();
    ASSERT_TRUE(library);
    EXPECT_EQ(trackIds(*library), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(library->tracks[0].title == title); // not printed: 9 MiB
}

TEST(XMLLibraryReader, ToldEachBlockReadAndStopsBetweenBlocksWhenAsked) {
    const tests::TemporaryDirectory temporary;
    const std::string path = temporary.path() / "blocks.xml";
    std::string elements;
    for (int i = 0; i < 5 << 17; ++i) { // 2.5 MB of elements, so every block holds some
        elements += "<X/>";
    }
    std::ofstream(path) << "<C>" << elements << "<TRACK TrackID=\"1\"/></C>";
    const std::uint64_t size = std::filesystem::file_size(path);
    // clang-format off
    struct Case { int stopAfterCalls; std::vector<std::uint64_t> reported; bool loads; } cases[] = {
        {-1, {1 << 20, 2 << 20, size, size}, true},
        {1, {1 << 20}, false},
        {0, {}, false},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stopAfterCalls);
        std::stop_source stop;
        std::vector<std::uint64_t> reported;
        const auto progress = [&](std::uint64_t bytesRead, std::uint64_t totalBytes) {
            EXPECT_EQ(totalBytes, size);
            reported.push_back(bytesRead);
            if (static_cast<int>(reported.size()) == c.stopAfterCalls) {
                stop.request_stop();
            }
        };
        if (c.stopAfterCalls == 0) {
            stop.request_stop();
        }
        const auto library = XMLLibraryReader(path).loadLibrary(stop.get_token(), progress);
        EXPECT_EQ(reported, c.reported);
        ASSERT_EQ(library.has_value(), c.loads);
        if (!c.loads) {
            EXPECT_EQ(library.error().message(), path + ": Operation canceled");
        }
    }
}

} // namespace
} // namespace cuevox::importing
