#include "deck-display/DeckDisplayWindow.hpp"

#include "deck-display/DeckPanel.hpp"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSocketNotifier>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <unistd.h>

namespace cuevox::tools {
namespace {

constexpr int kDeckCount = simulation::SimulatedRekordbox::kDeckCount;

// Fast enough that two reads 0.18 s apart see a playing deck's tenths move.
constexpr int kRefreshMilliseconds = 40;

void answer(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

} // namespace

DeckDisplayWindow::DeckDisplayWindow(std::unique_ptr<DeckDisplayController> controller)
    : m_controller(std::move(controller)) {
    setWindowTitle(QStringLiteral("rekordbox — Cuevox deck display"));
    setObjectName(QStringLiteral("deckDisplay"));
    setStyleSheet(QStringLiteral("#deckDisplay { background: #0b0c0e; }"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("rekordbox"), this);
    title->setStyleSheet(QStringLiteral("color: #e6e6e6; font-size: 18px; font-weight: bold;"));
    layout->addWidget(title);
    auto* grid = new QGridLayout;
    layout->addLayout(grid, 1);
    for (int deck = 1; deck <= kDeckCount; ++deck) {
        auto* panel = new DeckPanel(deck, this);
        grid->addWidget(panel, (deck - 1) / 2, (deck - 1) % 2);
        m_decks[static_cast<std::size_t>(deck - 1)] = panel;
    }
    auto* help = new QLabel(
        QStringLiteral("1–4 deck · L load next · Space play/pause · E eject"), this);
    help->setStyleSheet(QStringLiteral("color: #8a8f98;"));
    layout->addWidget(help);
    resize(900, 420);

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &DeckDisplayWindow::refresh);
    timer->start(kRefreshMilliseconds);
    refresh();
}

DeckDisplayWindow::~DeckDisplayWindow() = default;

void DeckDisplayWindow::refresh() {
    for (int deck = 1; deck <= kDeckCount; ++deck) {
        m_decks[static_cast<std::size_t>(deck - 1)]->display(
            m_controller->deckTexts(deck), m_controller->isPlaying(deck), deck == m_selectedDeck);
    }
}

std::optional<std::string> DeckDisplayWindow::perform(const DeckDisplayCommand& command) {
    if (command.verb == DeckDisplayCommand::Verb::quit) {
        close();
        return std::nullopt;
    }
    std::optional<std::string> problem = m_controller->perform(command);
    refresh();
    return problem;
}

void DeckDisplayWindow::performKey(const DeckDisplayCommand& command) {
    if (const std::optional<std::string> problem = perform(command)) {
        std::fprintf(stderr, "cuevox-deck-display: %s\n", problem->c_str());
    }
}

void DeckDisplayWindow::keyPressEvent(QKeyEvent* event) {
    using Verb = DeckDisplayCommand::Verb;
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        m_selectedDeck = key - Qt::Key_1 + 1;
        refresh();
    } else if (key == Qt::Key_L) {
        performKey({Verb::loadNext, m_selectedDeck, {}});
    } else if (key == Qt::Key_Space) {
        performKey({Verb::toggle, m_selectedDeck, {}});
    } else if (key == Qt::Key_E) {
        performKey({Verb::eject, m_selectedDeck, {}});
    } else {
        QWidget::keyPressEvent(event);
    }
}

void DeckDisplayWindow::readCommandsFromStandardInput() {
    if (m_input) {
        return;
    }
    m_input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_input, &QSocketNotifier::activated, this, &DeckDisplayWindow::readStandardInput);
}

void DeckDisplayWindow::readStandardInput() {
    char buffer[4096];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) {
        m_input->setEnabled(false);
        close();
        return;
    }
    m_pendingInput.append(buffer, static_cast<std::size_t>(count));
    std::size_t end = 0;
    while ((end = m_pendingInput.find('\n')) != std::string::npos) {
        const std::string line = m_pendingInput.substr(0, end);
        m_pendingInput.erase(0, end + 1);
        runLine(line);
    }
}

void DeckDisplayWindow::runLine(const std::string& line) {
    const auto command = parseDeckDisplayCommand(line);
    if (!command) {
        answer("error: " + command.error());
        return;
    }
    const std::optional<std::string> problem = perform(*command);
    answer(problem ? "error: " + *problem : std::string("ok"));
}

} // namespace cuevox::tools
