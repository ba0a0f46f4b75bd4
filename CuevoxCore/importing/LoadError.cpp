#include "importing/LoadError.hpp"

#include "text/Text.hpp"

namespace cuevox::importing {

std::string FileReadError::message() const {
    return text::escapeForMessage(path) + ": " + code.message();
}

std::string LoadError::message() const {
    return std::visit(
        [](const auto& cause) {
            if constexpr (std::is_same_v<std::decay_t<decltype(cause)>, RekordboxXMLError>) {
                return cause.toString();
            } else {
                return cause.message();
            }
        },
        error);
}

} // namespace cuevox::importing
