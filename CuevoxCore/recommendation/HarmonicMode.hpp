#pragma once

namespace cuevox::recommendation {

// How adventurous key changes may be: which harmonic relations a matcher accepts.
enum class HarmonicMode { strict, balanced, experimental };

} // namespace cuevox::recommendation
