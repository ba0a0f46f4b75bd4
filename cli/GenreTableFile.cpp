#include "GenreTableFile.hpp"

#include "text/Text.hpp"

#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <sstream>

namespace cuevox::cli::GenreTableFile {
namespace {

using Json = nlohmann::json;

std::string quoted(const std::string& text) {
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// "an array", "a string", "null".
std::string kindOf(const Json& value) {
    const std::string type = value.type_name();
    if (type == "null") {
        return type;
    }
    return (type == "array" || type == "object" ? "an " : "a ") + type;
}

// An entry with capitals would silently never match, which is worse than refusing it.
std::string capitalsProblem(const std::string& name) {
    return text::toLower(name) == name
               ? std::string()
               : quoted(name) + " has capitals; genre names must be written in lower case";
}

} // namespace

tl::expected<recommendation::ConfigurableGenreCompatibility::Table, std::string>
read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return tl::unexpected("cannot read the genre table " + path);
    }
    std::stringstream contents;
    contents << file.rdbuf();
    if (file.bad()) {
        return tl::unexpected("cannot read the genre table " + path);
    }
    const std::string prefix = "genre table " + path + ": ";

    Json document;
    try {
        document = Json::parse(contents.str());
    } catch (const Json::parse_error& error) {
        return tl::unexpected(prefix + "not valid JSON (at byte " + std::to_string(error.byte) +
                              ")");
    } catch (const Json::out_of_range&) {
        return tl::unexpected(prefix + "holds a number too large for a double");
    }
    if (!document.is_object()) {
        return tl::unexpected(prefix + "must be a JSON object of objects of numbers, not " +
                              kindOf(document));
    }
    recommendation::ConfigurableGenreCompatibility::Table table;
    for (const auto& [from, row] : document.items()) {
        if (std::string problem = capitalsProblem(from); !problem.empty()) {
            return tl::unexpected(prefix + problem);
        }
        if (!row.is_object()) {
            return tl::unexpected(prefix + "the entry for " + quoted(from) +
                                  " must be an object of numbers, not " + kindOf(row));
        }
        auto& entries = table[from];
        for (const auto& [to, value] : row.items()) {
            if (std::string problem = capitalsProblem(to); !problem.empty()) {
                return tl::unexpected(prefix + problem);
            }
            if (!value.is_number() || !std::isfinite(value.get<double>())) {
                return tl::unexpected(prefix + "the value for " + quoted(from) + " to " +
                                      quoted(to) + " must be a finite number, not " +
                                      value.dump(-1, ' ', false, Json::error_handler_t::replace));
            }
            entries[to] = value.get<double>();
        }
    }
    return table;
}

} // namespace cuevox::cli::GenreTableFile
