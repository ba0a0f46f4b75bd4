#pragma once

namespace cuevox::style {

// How much each signal counts in a style score. Each signal is near 1 for strong evidence of
// its kind, so the weights compare them; crates are the unit. The others were chosen on three
// DJs' sets, each weight the median of the choices made on two DJs and judged on the third
// (bench/README.md, "The style model").
struct StyleWeights {
    // Per crate that holds both tracks, each worth 1 / log2(2 + its size).
    double crates = 1.0;
    // Times how closely they were added: 1 / (1 + the tracks added from one to the other), ½
    // for the track added just before or after, plus e^(−days / 30) for the days between,
    // less when many tracks came in around the playing one.
    double addedTogether = 4.0;
    // Per time the candidate came right after the playing track in a set (half for right
    // before), less for older sets. Not chosen on the data, whose sets never repeat a pair: a
    // move the DJ has played is the surest sign, worth more than the track added next to it.
    double provenPairs = 4.0;
    // Per unit of the log of how much likelier the DJ's sets make the key move and the tempo
    // step than a random pick from the collection would.
    double habits = 0.1;
    // Per 100 points of the list's own score (genre, tempo, key, energy).
    double listScore = 0.25;

    bool operator==(const StyleWeights&) const = default;
};

} // namespace cuevox::style
