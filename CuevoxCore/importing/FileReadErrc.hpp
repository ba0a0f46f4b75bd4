#pragma once

#include <system_error>

namespace cuevox::importing {

// The reader's own reasons for refusing a file that the system would open, carried in a
// FileReadError's code beside the system's errno values.
enum class FileReadErrc {
    // A FIFO, device, directory or socket: opening or reading one may block, never end or fail.
    notARegularFile = 1,
    // The reading ended at an error that is none of the system's (a program's own fault).
    unexpectedFailure,
};

const std::error_category& fileReadCategory() noexcept;

inline std::error_code make_error_code(FileReadErrc code) noexcept {
    return {static_cast<int>(code), fileReadCategory()};
}

} // namespace cuevox::importing

template <>
struct std::is_error_code_enum<cuevox::importing::FileReadErrc> : std::true_type {};
