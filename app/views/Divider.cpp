#include "views/Divider.hpp"

#include "views/Theme.hpp"

namespace cuevox::views {

QFrame* makeDivider(Qt::Orientation orientation, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, theme::kDivider);
    line->setPalette(palette);
    line->setObjectName(orientation == Qt::Horizontal ? QStringLiteral("horizontalDivider")
                                                      : QStringLiteral("verticalDivider"));
    if (orientation == Qt::Horizontal) {
        line->setFixedHeight(1);
        line->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        line->setFixedWidth(1);
        line->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    return line;
}

} // namespace cuevox::views
