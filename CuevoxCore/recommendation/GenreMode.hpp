#pragma once

namespace cuevox::recommendation {

// Whether only the same genre passes, or also genres a provider rates as compatible.
enum class GenreMode { exactOnly, compatibleGenres };

} // namespace cuevox::recommendation
