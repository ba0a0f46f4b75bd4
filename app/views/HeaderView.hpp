#pragma once

#include <QWidget>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace cuevox::i18n {
class LocalizationManager;
}

namespace cuevox::views {

// The window's top row: the program's name, how far a collection being loaded has been read,
// the collection's size and the button that loads a collection.
class HeaderView : public QWidget {
    Q_OBJECT

public:
    explicit HeaderView(i18n::LocalizationManager& localization, QWidget* parent = nullptr);

    // 0 hides the count: an empty collection shows as no collection.
    void setTrackCount(int count);
    // Percent of the file read; nothing hides it.
    void setLoadProgress(std::optional<int> percent);

    QPushButton* loadButton() const { return m_loadButton; }
    QLabel* countLabel() const { return m_count; }
    QLabel* progressLabel() const { return m_progressLabel; }

private:
    void retranslate();

    i18n::LocalizationManager& m_localization;
    int m_trackCount = 0;
    std::optional<int> m_loadPercent;
    QLabel* m_title;
    QLabel* m_progressLabel;
    QProgressBar* m_progressBar;
    QLabel* m_count;
    QPushButton* m_loadButton;
};

} // namespace cuevox::views
