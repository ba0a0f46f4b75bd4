#pragma once

#include <QFrame>
#include <array>
#include <string>
#include <vector>

class QLabel;

namespace cuevox::tools {

// One deck as rekordbox draws it: title, artist, tempo, key, elapsed and remaining time, or
// "Not Loaded." alone. The labels are made once and only change text, so that a reader walking
// the window always finds them in the same order.
class DeckPanel final : public QFrame {
    Q_OBJECT

public:
    DeckPanel(int deck, QWidget* parent);

    void display(const std::vector<std::string>& texts, bool playing, bool selected);

private:
    static constexpr std::size_t kTextCount = 6;

    std::array<QLabel*, kTextCount> m_texts{};
    bool m_playing = false;
    bool m_selected = false;
    bool m_styled = false;
};

} // namespace cuevox::tools
