#include "FuzzTargets.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cuevox::fuzz::fuzzJson(data, size);
    return 0;
}
