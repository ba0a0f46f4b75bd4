#include "import/CollectionParserDelegate.hpp"

#include "import/RekordboxMetadataMapper.hpp"
#include "text/Text.hpp"

namespace cuevox::import {

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
        if (std::optional<metadata::Track> track = RekordboxMetadataMapper::track(attributes)) {
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
    const std::string_view type = attributeValue(attributes, "Type").value_or("0");
    const std::string parentPath = m_nodeStack.empty() ? std::string() : m_nodeStack.back().path;

    std::string path;
    if (name.empty() || name == "ROOT") {
        path = parentPath;
    } else if (parentPath.empty()) {
        path = name;
    } else {
        path = parentPath + "/" + std::string(name);
    }
    m_nodeStack.push_back(NodeFrame{std::string(type), std::move(path), {}});
}

void CollectionParserDelegate::endElement(std::string_view name) {
    if (name != "NODE" || m_nodeStack.empty()) {
        return;
    }
    NodeFrame frame = std::move(m_nodeStack.back());
    m_nodeStack.pop_back();
    if (frame.type == "1" && !frame.path.empty()) {
        m_playlists.push_back(
            metadata::Playlist{frame.path, frame.path, std::move(frame.trackIDs)});
    }
}

} // namespace cuevox::import
