#pragma once

#include <QWidget>

class QAbstractButton;
class QButtonGroup;

namespace cuevox::views {

// One of a few values side by side, the chosen one filled in the accent colour: a list mode's
// choice in a filter's panel. The owner writes a pick to the model and calls setChosen whenever
// the model's value changes.
class SegmentedChoice : public QWidget {
    Q_OBJECT

public:
    explicit SegmentedChoice(QWidget* parent = nullptr);

    // Appends a segment for `id`, its text set later with setSegmentText.
    void addSegment(int id);
    void setSegmentText(int id, const QString& text);
    void setChosen(int id);
    int chosen() const;
    QAbstractButton* segment(int id) const;

signals:
    void picked(int id);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QButtonGroup* m_group;
};

} // namespace cuevox::views
