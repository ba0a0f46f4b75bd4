#include "TrackJson.hpp"

#include <cstdio>

namespace cuevox::cli {

std::string isoDate(std::chrono::sys_days day) {
    const std::chrono::year_month_day date{day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

Json trackJson(const metadata::Track& track) {
    return Json{
        {"id", track.id},
        {"title", track.title},
        {"artist", track.artist},
        {"genre", jsonOrNull(track.genre)},
        {"bpm", jsonOrNull(track.bpm)},
        {"musicalKey", jsonOrNull(track.musicalKey)},
        {"camelotKey", track.camelotKey ? Json(track.camelotKey->toString()) : Json(nullptr)},
        {"comment", jsonOrNull(track.comment)},
        {"energy", jsonOrNull(track.energy)},
        {"rating", jsonOrNull(track.rating)},
        {"duration", jsonOrNull(track.duration)},
        {"filepath", jsonOrNull(track.filepath)},
        {"dateAdded", track.dateAdded ? Json(isoDate(*track.dateAdded)) : Json(nullptr)},
        {"year", jsonOrNull(track.year)},
        {"label", jsonOrNull(track.label)},
    };
}

Json playlistJson(const metadata::Playlist& playlist,
                  const std::vector<metadata::PlaylistNode>& nodes) {
    Json path = Json::array();
    for (const std::string_view name : metadata::RekordboxLibrary::pathOf(nodes, playlist.node)) {
        path.push_back(name);
    }
    return Json{{"id", playlist.id},
                {"name", playlist.name},
                {"path", std::move(path)},
                {"trackIDs", playlist.trackIDs}};
}

} // namespace cuevox::cli
