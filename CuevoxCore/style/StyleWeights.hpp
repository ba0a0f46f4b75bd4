#pragma once

namespace cuevox::style {

// How much each signal counts in a style score. Each signal is near 1 for strong evidence of
// its kind, so the weights compare them; crates are the unit. The others rank the next tracks
// of three DJs' sets best (bench/README.md, "The style model", also shows how they fare on
// each DJ when chosen on the other two alone).
struct StyleWeights {
    // Per crate that holds both tracks, each worth 1 / log2(2 + its size).
    double crates = 1.0;
    // Times 1 / (1 + the tracks added from one to the other): ½ for the track added just
    // before or after, ¼ with two more between.
    double addedTogether = 4.0;
    // Per time the candidate came right after the playing track in a set (half for right
    // before), less for older sets. Not chosen on the data, whose sets never repeat a pair: a
    // move the DJ has played is the surest sign, worth twice the track added next to it.
    double provenPairs = 4.0;
    // Per unit of the log of how much likelier the DJ's sets make the key move and the tempo
    // step than a random pick from the collection would.
    double habits = 0.025;
    // Per 100 points of the list's own score (genre, tempo, key, energy).
    double listScore = 1.0;

    bool operator==(const StyleWeights&) const = default;
};

} // namespace cuevox::style
