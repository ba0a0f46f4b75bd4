#include "GenreTableFile.hpp"

#include "JsonInput.hpp"
#include "text/Text.hpp"

#include <cmath>

namespace cuevox::cli::GenreTableFile {
namespace {

// An entry with capitals would silently never match, which is worse than refusing it.
std::string capitalsProblem(const std::string& name) {
    return text::toLower(name) == name
               ? std::string()
               : quotedInput(name) + " has capitals; genre names must be written in lower case";
}

} // namespace

tl::expected<recommendation::ConfigurableGenreCompatibility::Table, std::string>
read(const std::string& path) {
    const std::string name = inputName(path);
    const auto contents = readInput(path);
    if (!contents) {
        return tl::unexpected("cannot read the genre table " + name + ": " + contents.error());
    }
    const auto document = parseJson(*contents);
    if (!document) {
        return tl::unexpected("genre table " + name + ": " + document.error());
    }
    return fromJson(*document, name);
}

tl::expected<recommendation::ConfigurableGenreCompatibility::Table, std::string>
fromJson(const Json& document, const std::string& name) {
    const std::string prefix = "genre table " + name + ": ";
    if (!document.is_object()) {
        return tl::unexpected(prefix + "must be a JSON object of objects of numbers, not " +
                              describeJsonType(document));
    }
    recommendation::ConfigurableGenreCompatibility::Table table;
    for (const auto& [from, row] : document.items()) {
        if (std::string problem = capitalsProblem(from); !problem.empty()) {
            return tl::unexpected(prefix + problem);
        }
        if (!row.is_object()) {
            return tl::unexpected(prefix + "the entry for " + quotedInput(from) +
                                  " must be an object of numbers, not " + describeJsonType(row));
        }
        auto& entries = table[from];
        for (const auto& [to, value] : row.items()) {
            if (std::string problem = capitalsProblem(to); !problem.empty()) {
                return tl::unexpected(prefix + problem);
            }
            if (!value.is_number() || !std::isfinite(value.get<double>())) {
                return tl::unexpected(prefix + "the value for " + quotedInput(from) + " to " +
                                      quotedInput(to) + " must be a finite number, not " +
                                      describeJsonType(value));
            }
            entries[to] = value.get<double>();
        }
    }
    return table;
}

} // namespace cuevox::cli::GenreTableFile
