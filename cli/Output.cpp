#include "Output.hpp"

#include <iostream>

namespace cuevox::cli {

void printJson(const Json& document) {
    std::cout << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

void printError(std::string_view message) {
    std::cerr << "cuevox-cli: " << message << '\n';
}

} // namespace cuevox::cli
