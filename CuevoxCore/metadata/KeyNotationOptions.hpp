#pragma once

namespace cuevox::metadata {

// Which key notations besides Camelot and classical names a key text may be in.
struct KeyNotationOptions {
    // "1m" to "12d" as other DJ software writes keys. Off by default: a collection may use
    // such texts for something else.
    bool openKey = false;

    bool operator==(const KeyNotationOptions&) const = default;
};

} // namespace cuevox::metadata
