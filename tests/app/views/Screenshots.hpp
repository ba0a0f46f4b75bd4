#pragma once

// Pictures of views as a test leaves them, for a person to look at; no test reads them back.
#include "views/Theme.hpp"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace cuevox::views::testing {

// In the program's own dark colours, which the tests otherwise leave to Qt's.
inline void saveScreenshot(QWidget& widget, const QString& name) {
    const QPalette previous = QApplication::palette();
    theme::applyDarkPalette(*qApp);
    QCoreApplication::processEvents();
    const QDir directory(QDir::temp().filePath(QStringLiteral("cuevox-view-shots")));
    directory.mkpath(QStringLiteral("."));
    widget.grab().save(directory.filePath(name + QStringLiteral(".png")));
    QApplication::setPalette(previous);
    QCoreApplication::processEvents();
}

} // namespace cuevox::views::testing
