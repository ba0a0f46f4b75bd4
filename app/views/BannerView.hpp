#pragma once

#include "views/Icons.hpp"

#include <QColor>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace cuevox::i18n {
class LocalizationManager;
}

namespace cuevox::views {

// A coloured notice across the window: a title with a warning icon, a text of at most three
// lines, an optional note below it, and two buttons. Its texts are looked up anew whenever the
// language changes.
class BannerView : public QWidget {
    Q_OBJECT

public:
    struct Content {
        QColor color;
        const char* titleKey;
        // Shown when no message is set.
        const char* bodyKey;
        const char* firstButtonKey;
        const char* secondButtonKey;
        // What to do when the first steps did not help; none when null.
        const char* noteKey = nullptr;
    };

    BannerView(Content content, i18n::LocalizationManager& localization, QWidget* parent = nullptr);

    // A text made from the data in the interface language, shown instead of the body text;
    // made again whenever the language changes.
    void setMessage(std::function<QString()> message);

    QLabel* bodyLabel() const { return m_body; }
    QLabel* noteLabel() const { return m_note; }
    QPushButton* firstButton() const { return m_firstButton; }
    QPushButton* secondButton() const { return m_secondButton; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();

    Content m_content;
    i18n::LocalizationManager& m_localization;
    std::function<QString()> m_message;
    QLabel* m_icon;
    QLabel* m_title;
    QLabel* m_body;
    QLabel* m_note;
    QPushButton* m_firstButton;
    QPushButton* m_secondButton;
};

} // namespace cuevox::views
