#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

namespace cuevox::views::testing {

// With CUEVOX_SCREENSHOTS set to a directory, a view leaves a picture of itself there, drawn
// at twice the pixel density so that small text can be read.
inline void saveTableScreenshot(QWidget& view, const QString& name) {
    const QString directory = qEnvironmentVariable("CUEVOX_SCREENSHOTS");
    if (directory.isEmpty()) {
        return;
    }
    QPixmap picture(view.size() * 2);
    picture.setDevicePixelRatio(2);
    picture.fill(QColor(30, 30, 32));
    view.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    picture.save(QDir(directory).filePath(name + QStringLiteral(".png")));
}

} // namespace cuevox::views::testing
