#include "JsonInput.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace cuevox::cli {
namespace {

bool isStdin(const std::string& path) {
    return path.empty() || path == "-";
}

// Syntax errors and numbers out of range. nlohmann's messages start with an identifier a user has
// no use for.
std::string parseErrorText(const nlohmann::json::exception& error) {
    std::string text = error.what();
    if (const auto end = text.find("] ");
        text.starts_with("[json.exception.") && end != std::string::npos) {
        text.erase(0, end + 2);
    }
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

} // namespace

std::string inputName(const std::string& path) {
    return isStdin(path) ? "stdin" : path;
}

std::string describeJsonType(const Json& value) {
    const std::string type = value.type_name();
    if (value.is_null()) {
        return "null";
    }
    return (type.front() == 'a' || type.front() == 'o' ? "an " : "a ") + type;
}

tl::expected<Json, std::string> readJsonInput(const std::string& path) {
    std::string content;
    if (isStdin(path)) {
        content.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            return tl::unexpected(path + ": no such file");
        }
        if (std::filesystem::is_directory(path, error)) {
            return tl::unexpected(path + ": is a directory");
        }
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            return tl::unexpected(path + ": cannot be read");
        }
        std::ostringstream buffer;
        buffer << file.rdbuf();
        content = std::move(buffer).str();
    }
    try {
        return Json::parse(content);
    } catch (const nlohmann::json::exception& error) {
        return tl::unexpected(inputName(path) + ": not JSON: " + parseErrorText(error));
    }
}

} // namespace cuevox::cli
