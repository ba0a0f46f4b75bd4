#pragma once

#include <QColor>
#include <QFont>

class QApplication;

// The program's colours and text styles, in one place so that every view agrees. The window is
// always dark: it floats beside rekordbox, which is.
namespace cuevox::views::theme {

// Fixed colours of the filter bar.
inline const QColor kBarBackground = QColor::fromRgbF(0.11f, 0.11f, 0.13f);
inline const QColor kPillBackground = QColor::fromRgbF(0.20f, 0.20f, 0.22f);

// The system colours of a dark interface.
inline const QColor kWindowBackground(30, 30, 32);
inline const QColor kPrimaryText(255, 255, 255);
inline const QColor kSecondaryText(235, 235, 245, 153);
inline const QColor kTertiaryText(235, 235, 245, 77);
inline const QColor kDivider(84, 84, 88, 153);
inline const QColor kAccent(10, 132, 255);
inline const QColor kGreen(48, 209, 88);
inline const QColor kYellow(255, 214, 10);
inline const QColor kOrange(255, 159, 10);
inline const QColor kRed(255, 69, 58);

// `color` with its opacity multiplied by `opacity`.
QColor withOpacity(const QColor& color, qreal opacity);

enum class TextStyle { headline, body, subheadline, caption, caption2 };

// The font of a text style, optionally heavier.
QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);

// Dark colours for every widget of the application.
void applyDarkPalette(QApplication& application);

} // namespace cuevox::views::theme
