#pragma once

#include <filesystem>
#include <optional>

namespace cuevox::simulation {

// Where the demo collection that ships with a program lies, given the directory of the
// program's executable: inside a macOS bundle (Contents/Resources), in an installed tree
// (share/cuevox), or beside the executable in a build tree. The first that exists; nothing
// when none does. Never a path of the machine that built the program, which a DJ's does not have.
std::optional<std::filesystem::path>
findDemoCollection(const std::filesystem::path& executableDirectory);

} // namespace cuevox::simulation
