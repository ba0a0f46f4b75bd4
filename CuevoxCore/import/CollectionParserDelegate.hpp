#pragma once

#include "import/TrackAttributes.hpp"
#include "metadata/Playlist.hpp"
#include "metadata/Track.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace cuevox::import {

// Builds tracks and playlists from the element events of one parse. Reacts to "TRACK" and
// "NODE" wherever they stand; everything else passes by.
class CollectionParserDelegate {
public:
    // `documentSize` bounds how many tracks the document can hold.
    explicit CollectionParserDelegate(std::size_t documentSize) : m_sizeHint(documentSize) {}

    void startElement(std::string_view name, TrackAttributes attributes);
    void endElement(std::string_view name);

    std::vector<metadata::Track> takeTracks() { return std::move(m_tracks); }
    std::vector<metadata::Playlist> takePlaylists() { return std::move(m_playlists); }

private:
    struct NodeFrame {
        std::string type;
        std::string path;
        std::vector<std::string> trackIDs;
    };

    void startTrack(TrackAttributes attributes);
    void startNode(TrackAttributes attributes);
    void reserveTracks(std::optional<std::string_view> entries);

    std::size_t m_sizeHint;

    std::vector<metadata::Track> m_tracks;
    // In the order in which their nodes close.
    std::vector<metadata::Playlist> m_playlists;
    // The open nodes, outermost first.
    std::vector<NodeFrame> m_nodeStack;
};

} // namespace cuevox::import
