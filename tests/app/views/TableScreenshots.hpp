#pragma once

#include <QDir>
#include <QLayout>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace cuevox::views::testing {

// With CUEVOX_SCREENSHOTS set to a directory, a view leaves a picture of itself there, drawn
// at twice the pixel density so that small text can be read. A positive `width` lays the
// view out at that width and the height it asks for.
inline void saveTableScreenshot(QWidget& view, const QString& name, int width = 0) {
    const QString directory = qEnvironmentVariable("CUEVOX_SCREENSHOTS");
    if (directory.isEmpty()) {
        return;
    }
    if (width > 0) {
        if (view.layout() != nullptr) {
            view.layout()->activate();
        }
        view.resize(width, view.sizeHint().height());
        if (view.layout() != nullptr) {
            view.layout()->activate();
        }
    }
    QPixmap picture(view.size() * 2);
    picture.setDevicePixelRatio(2);
    picture.fill(QColor(30, 30, 32));
    view.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    picture.save(QDir(directory).filePath(name + QStringLiteral(".png")));
}

} // namespace cuevox::views::testing
