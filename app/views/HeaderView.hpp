#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace cuevox::i18n {
class LocalizationManager;
}

namespace cuevox::views {

// The window's top row: the program's name, the collection's size and the button that loads
// a collection.
class HeaderView : public QWidget {
    Q_OBJECT

public:
    explicit HeaderView(i18n::LocalizationManager& localization, QWidget* parent = nullptr);

    // 0 hides the count: an empty collection shows as no collection.
    void setTrackCount(int count);

    QPushButton* loadButton() const { return m_loadButton; }
    QLabel* countLabel() const { return m_count; }

private:
    void retranslate();

    i18n::LocalizationManager& m_localization;
    int m_trackCount = 0;
    QLabel* m_title;
    QLabel* m_count;
    QPushButton* m_loadButton;
};

} // namespace cuevox::views
