#pragma once

#include <cstddef>
#include <cstdint>

// What the fuzzers drive, kept apart from libFuzzer's entry point so that the unit tests can
// replay the committed corpus through the same code under the GCC sanitizers.
namespace cuevox::fuzz {

// Parses arbitrary bytes as a collection and checks the invariants of whatever it reads.
void fuzzLibrary(const std::uint8_t* data, std::size_t size);

// Runs every key and comment reader over arbitrary text and checks their invariants.
void fuzzTexts(const std::uint8_t* data, std::size_t size);

// Reads arbitrary bytes as each of the command line's JSON inputs (a genre table, a monitor
// script, a window's texts) and checks what comes out, errors included.
void fuzzJson(const std::uint8_t* data, std::size_t size);

} // namespace cuevox::fuzz
