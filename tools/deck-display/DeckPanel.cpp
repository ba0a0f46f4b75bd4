#include "deck-display/DeckPanel.hpp"

#include <QGridLayout>
#include <QLabel>

namespace cuevox::tools {
namespace {

// Where each text sits: title and artist across the top, tempo and key, then the two times.
struct Cell {
    int row;
    int column;
    int columnSpan;
    int pointSize;
};
constexpr std::array<Cell, 6> kCells{{
    {1, 0, 2, 15},
    {2, 0, 2, 12},
    {3, 0, 1, 20},
    {3, 1, 1, 20},
    {4, 0, 1, 17},
    {4, 1, 1, 17},
}};

} // namespace

DeckPanel::DeckPanel(int deck, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("deck%1").arg(deck));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QGridLayout(this);
    auto* header = new QLabel(QStringLiteral("DECK %1").arg(deck), this);
    header->setStyleSheet(QStringLiteral("color: #8a8f98; font-weight: bold;"));
    layout->addWidget(header, 0, 0, 1, 2);
    for (std::size_t index = 0; index < kTextCount; ++index) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        QFont font = label->font();
        font.setPointSize(kCells[index].pointSize);
        font.setBold(index == 0 || index == 2);
        label->setFont(font);
        layout->addWidget(label, kCells[index].row, kCells[index].column, 1,
                          kCells[index].columnSpan);
        m_texts[index] = label;
    }
    layout->setRowStretch(5, 1);
}

void DeckPanel::display(const std::vector<std::string>& texts, bool playing, bool selected) {
    for (std::size_t index = 0; index < kTextCount; ++index) {
        const QString text =
            index < texts.size() ? QString::fromStdString(texts[index]) : QString();
        if (m_texts[index]->text() != text) {
            m_texts[index]->setText(text);
        }
    }
    if (m_styled && playing == m_playing && selected == m_selected) {
        return;
    }
    m_styled = true;
    m_playing = playing;
    m_selected = selected;
    // Playing is a colour, never a text: a reader must tell it from the moving times alone.
    setStyleSheet(QStringLiteral("#%1 { background: #15171b; border: 2px solid %2; "
                                 "border-radius: 6px; } QLabel { color: %3; }")
                      .arg(objectName(),
                           selected ? QStringLiteral("#4aa3ff") : QStringLiteral("#2b2f36"),
                           playing ? QStringLiteral("#7ee08a") : QStringLiteral("#e6e6e6")));
}

} // namespace cuevox::tools
