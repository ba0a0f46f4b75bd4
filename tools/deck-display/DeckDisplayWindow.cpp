#include "deck-display/DeckDisplayWindow.hpp"

#include "deck-display/BrowserTable.hpp"
#include "deck-display/DeckPanel.hpp"

#include <QElapsedTimer>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QSocketNotifier>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace cuevox::tools {
namespace {

// Fast enough that two reads 0.18 s apart see a playing deck's tenths move.
constexpr int kRefreshMilliseconds = 40;

void answer(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

} // namespace

DeckDisplayWindow::DeckDisplayWindow(std::unique_ptr<DeckDisplayController> controller,
                                     const DeckDisplayLayout& layout)
    : m_controller(std::move(controller)) {
    setWindowTitle(QStringLiteral("rekordbox — Cuevox deck display"));
    setObjectName(QStringLiteral("deckDisplay"));
    setStyleSheet(QStringLiteral("#deckDisplay { background: #0b0c0e; }"));
    auto* column = new QVBoxLayout(this);
    m_title = new QLabel(QStringLiteral("rekordbox"), this);
    m_title->setStyleSheet(QStringLiteral("color: #e6e6e6; font-size: 18px; font-weight: bold;"));
    column->addWidget(m_title);
    auto* grid = new QGridLayout;
    column->addLayout(grid, 1);
    for (int deck = 1; deck <= m_controller->decks(); ++deck) {
        auto* panel = new DeckPanel(deck, this);
        grid->addWidget(panel, (deck - 1) / 2, (deck - 1) % 2);
        m_decks[static_cast<std::size_t>(deck - 1)] = panel;
    }
    const QString keys = QStringLiteral("1–%1 deck · L load next · Space play/pause · E eject");
    auto* help = new QLabel(keys.arg(m_controller->decks()), this);
    help->setStyleSheet(QStringLiteral("color: #8a8f98;"));
    column->addWidget(help);
    if (layout.browserRows > 0) {
        auto* browser = new QScrollArea(this);
        browser->setStyleSheet(QStringLiteral("background: #15171b; border: none;"));
        browser->setWidget(
            new BrowserTable(m_controller->tracks(), layout.browserRows, layout.columns, browser));
        column->addWidget(browser, 2);
    }
    resize(900, layout.browserRows > 0 ? 760 : 420);

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &DeckDisplayWindow::refresh);
    timer->start(kRefreshMilliseconds);
    refresh();
}

DeckDisplayWindow::~DeckDisplayWindow() = default;

void DeckDisplayWindow::refresh() {
    for (int deck = 1; deck <= m_controller->decks(); ++deck) {
        m_decks[static_cast<std::size_t>(deck - 1)]->display(
            m_controller->deckTexts(deck), m_controller->isPlaying(deck), deck == m_selectedDeck);
    }
}

std::optional<std::string> DeckDisplayWindow::perform(const DeckDisplayCommand& command) {
    if (command.verb == DeckDisplayCommand::Verb::quit) {
        close();
        return std::nullopt;
    }
    if (command.verb == DeckDisplayCommand::Verb::flood) {
        flood(command.rate, command.seconds);
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
    if (key >= Qt::Key_1 && key < Qt::Key_1 + m_controller->decks()) {
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

void DeckDisplayWindow::flood(int rate, int seconds) {
    delete m_flood;
    m_flood = new QTimer(this);
    m_flood->setTimerType(Qt::PreciseTimer);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto changes = std::make_shared<long long>(0);
    connect(m_flood, &QTimer::timeout, this, [this, rate, seconds, clock, changes] {
        const double elapsed = static_cast<double>(clock->nsecsElapsed()) / 1e9;
        // Catches up with the rate whatever the timer's grain, but never with more than two
        // ticks' worth at once, so that the window still answers its readers between ticks.
        const auto due = std::min(static_cast<long long>(std::min<double>(elapsed, seconds) * rate),
                                  *changes + 2 * rate / 1000 + 1);
        while (*changes < due) {
            m_title->setText(QStringLiteral("rekordbox %1").arg(++*changes));
        }
        if (elapsed >= seconds) {
            m_title->setText(QStringLiteral("rekordbox"));
            m_flood->stop();
        }
    });
    m_flood->start(1);
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
