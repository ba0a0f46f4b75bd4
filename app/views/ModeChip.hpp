#pragma once

#include "views/Icons.hpp"

#include <QAbstractButton>

namespace cuevox::views {

// A live-set mode's switch in the bar: icon and title on a capsule, tinted in the accent colour
// while on. Compact, it shows the icon alone and names itself in its tooltip only.
class ModeChip : public QAbstractButton {
    Q_OBJECT

public:
    explicit ModeChip(Icon icon, QWidget* parent = nullptr);

    // The text and the tooltip.
    void setTitle(const QString& title);

    void setCompact(bool compact);
    bool isCompact() const { return m_compact; }
    // Its width when compact or not, whichever it is now.
    int preferredWidth(bool compact) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Icon m_icon;
    bool m_compact = false;
};

} // namespace cuevox::views
