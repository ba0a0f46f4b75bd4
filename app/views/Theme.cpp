#include "views/Theme.hpp"

#include <QApplication>
#include <QPalette>

namespace cuevox::views::theme {

QColor withOpacity(const QColor& color, qreal opacity) {
    QColor result = color;
    result.setAlphaF(static_cast<float>(color.alphaF() * opacity));
    return result;
}

QFont font(TextStyle style, QFont::Weight weight) {
    QFont result = QApplication::font();
    // Pixel sizes, so a text takes the same room on every machine.
    switch (style) {
    case TextStyle::headline:
        result.setPixelSize(13);
        result.setWeight(weight == QFont::Normal ? QFont::Bold : weight);
        return result;
    case TextStyle::body: result.setPixelSize(13); break;
    case TextStyle::subheadline: result.setPixelSize(11); break;
    case TextStyle::caption: result.setPixelSize(10); break;
    case TextStyle::caption2: result.setPixelSize(9); break;
    }
    result.setWeight(weight);
    return result;
}

void applyDarkPalette(QApplication& application) {
    application.setStyle(QStringLiteral("Fusion"));
    QPalette palette;
    palette.setColor(QPalette::Window, kWindowBackground);
    palette.setColor(QPalette::WindowText, kPrimaryText);
    palette.setColor(QPalette::Base, QColor(24, 24, 26));
    palette.setColor(QPalette::AlternateBase, QColor(36, 36, 38));
    palette.setColor(QPalette::Text, kPrimaryText);
    palette.setColor(QPalette::PlaceholderText, kSecondaryText);
    palette.setColor(QPalette::Button, kPillBackground);
    palette.setColor(QPalette::ButtonText, kPrimaryText);
    palette.setColor(QPalette::BrightText, kRed);
    palette.setColor(QPalette::Highlight, withOpacity(kAccent, 0.45));
    palette.setColor(QPalette::HighlightedText, kPrimaryText);
    palette.setColor(QPalette::ToolTipBase, kPillBackground);
    palette.setColor(QPalette::ToolTipText, kPrimaryText);
    palette.setColor(QPalette::Link, kAccent);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kTertiaryText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, kTertiaryText);
    palette.setColor(QPalette::Disabled, QPalette::Text, kTertiaryText);
    application.setPalette(palette);
}

} // namespace cuevox::views::theme
