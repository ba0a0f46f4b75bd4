#include "importing/CollectionParserDelegate.hpp"

#include "importing/RekordboxMetadataMapper.hpp"
#include "text/Text.hpp"

#include <algorithm>
#include <cstdint>

namespace cuevox::importing {
namespace {

// Real exports hold far fewer bytes of playlist paths than of file, since every playlist's
// own element is longer than its folders' names; this leaves room for odd ones.
constexpr std::size_t kPlaylistPathBytesPerDocumentByte = 4;
constexpr std::size_t kPlaylistPathBytesAlwaysAllowed = std::size_t{4} << 20;

} // namespace

CollectionParserDelegate::CollectionParserDelegate(std::size_t documentSize,
                                                   metadata::KeyNotationOptions keyNotation)
    : m_sizeHint(documentSize), m_keyNotation(keyNotation),
      m_playlistPathBudget(std::min(documentSize, SIZE_MAX / 8) *
                               kPlaylistPathBytesPerDocumentByte +
                           kPlaylistPathBytesAlwaysAllowed) {}

void CollectionParserDelegate::startElement(std::string_view name, TrackAttributes attributes) {
    if (name == "TRACK") {
        startTrack(attributes);
    } else if (name == "NODE") {
        startNode(attributes);
    } else if (name == "COLLECTION" && m_tracks.empty()) {
        reserveTracks(attributeValue(attributes, "Entries"));
    }
}

void CollectionParserDelegate::reserveTracks(std::optional<std::string_view> entries) {
    // Only a hint, so that a large collection is not copied as its list grows; a count no
    // document of this size could hold is ignored.
    const std::optional<long long> count = entries ? text::parseInteger(*entries) : std::nullopt;
    if (count && *count > 0 && static_cast<std::size_t>(*count) <= m_sizeHint / 64) {
        m_tracks.reserve(static_cast<std::size_t>(*count));
    }
}

void CollectionParserDelegate::startTrack(TrackAttributes attributes) {
    if (attributes.empty()) {
        return;
    }
    // Whether an element is a collection track or a playlist entry rests on TrackID alone.
    if (attributeValue(attributes, "TrackID")) {
        if (std::optional<metadata::Track> track =
                RekordboxMetadataMapper::track(attributes, m_keyNotation)) {
            m_tracks.push_back(std::move(*track));
        }
        return;
    }
    const std::optional<std::string_view> key = attributeValue(attributes, "Key");
    if (key && !key->empty() && !m_nodeStack.empty()) {
        m_nodeStack.back().trackIDs.emplace_back(*key);
    }
}

void CollectionParserDelegate::startNode(TrackAttributes attributes) {
    const std::string_view name = attributeValue(attributes, "Name").value_or("");
    const bool isPlaylist = attributeValue(attributes, "Type").value_or("0") == "1";
    const NodeFrame* parent = m_nodeStack.empty() ? nullptr : &m_nodeStack.back();
    std::optional<std::size_t> level = parent ? parent->level : std::nullopt;

    m_path.resize(parent ? parent->pathLength : 0);
    // rekordbox names its top node ROOT; a folder or playlist of that name below it is the DJ's.
    if (!name.empty() && (parent || name != "ROOT")) {
        if (!m_path.empty()) {
            m_path += '/';
        }
        m_path += name;
        m_nodes.push_back(metadata::PlaylistNode{std::string(name), level});
        level = m_nodes.size() - 1;
    }
    if (isPlaylist && !m_path.empty()) {
        if (m_path.size() > m_playlistPathBudget) {
            m_refusal = "playlist paths too long in all (folders nested too deeply or named too "
                        "long)";
        } else {
            m_playlistPathBudget -= m_path.size();
        }
    }
    m_nodeStack.push_back(NodeFrame{isPlaylist, m_path.size(), level, {}});
}

void CollectionParserDelegate::endElement(std::string_view name) {
    if (name != "NODE" || m_nodeStack.empty()) {
        return;
    }
    NodeFrame frame = std::move(m_nodeStack.back());
    m_nodeStack.pop_back();
    if (frame.isPlaylist && frame.level) {
        const std::string path = m_path.substr(0, frame.pathLength);
        m_playlists.push_back(
            metadata::Playlist{path, path, std::move(frame.trackIDs), *frame.level});
    }
}

} // namespace cuevox::importing
