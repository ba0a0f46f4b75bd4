#include "simulation/DemoCollection.hpp"

#include <array>
#include <system_error>

namespace cuevox::simulation {

std::optional<std::filesystem::path>
findDemoCollection(const std::filesystem::path& executableDirectory) {
    constexpr const char* kFileName = "demo-collection.xml";
    const std::array candidates{
        executableDirectory / ".." / "Resources" / kFileName,
        executableDirectory / ".." / "share" / "cuevox" / kFileName,
        executableDirectory / kFileName,
    };
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate.lexically_normal();
        }
    }
    return std::nullopt;
}

} // namespace cuevox::simulation
