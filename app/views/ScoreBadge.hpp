#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace cuevox::views {

// What a track row shows for a score: the rounded percentage and its colour.
struct ScoreBadge {
    QString text;
    QColor color;

    bool operator==(const ScoreBadge&) const = default;

    // Nothing for an absent score, nor for one that is not a finite number: there is no
    // percentage to show, and a "nan%" badge would only look broken.
    static std::optional<ScoreBadge> forScore(std::optional<double> score);
};

} // namespace cuevox::views
