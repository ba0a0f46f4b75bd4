#include "importing/FileReadErrc.hpp"

#include <string>

namespace cuevox::importing {
namespace {

class FileReadCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "cuevox.file-read"; }

    std::string message(int code) const override {
        switch (static_cast<FileReadErrc>(code)) {
        case FileReadErrc::notARegularFile: return "not a regular file";
        case FileReadErrc::unexpectedFailure: return "the reading stopped at an unexpected error";
        }
        return "unknown file read error";
    }
};

} // namespace

const std::error_category& fileReadCategory() noexcept {
    static const FileReadCategory category;
    return category;
}

} // namespace cuevox::importing
