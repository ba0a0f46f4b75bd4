#pragma once

#include "deck-display/DeckDisplayController.hpp"
#include "deck-display/DeckDisplayLayout.hpp"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QSocketNotifier;
class QTimer;

namespace cuevox::tools {

class DeckPanel;

// The deck display's window: the controller's decks and, below them, a browser of track rows
// as the layout says; keyboard controls for a person (1 to 4 pick a deck; L loads the next
// track, Space plays or pauses, E ejects) and, when asked, a script on standard input for a
// test, each line answered "ok" or "error: …".
class DeckDisplayWindow final : public QWidget {
    Q_OBJECT

public:
    // The layout's browser; its deck count is the controller's.
    explicit DeckDisplayWindow(std::unique_ptr<DeckDisplayController> controller,
                               const DeckDisplayLayout& layout = {});
    ~DeckDisplayWindow() override;

    // Reads commands from standard input; its end closes the window, so a display whose
    // driver died does not outlive it.
    void readCommandsFromStandardInput();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();
    // Nothing when done, else why not; quit closes the window.
    std::optional<std::string> perform(const DeckDisplayCommand& command);
    // From the keyboard, where a refusal can only be logged.
    void performKey(const DeckDisplayCommand& command);
    void readStandardInput();
    void runLine(const std::string& line);
    // Changes the title label `rate` times a second for `seconds`: an application that floods
    // its readers with events.
    void flood(int rate, int seconds);

    std::unique_ptr<DeckDisplayController> m_controller;
    std::array<DeckPanel*, simulation::SimulatedRekordbox::kDeckCount> m_decks{};
    int m_selectedDeck = 1;
    QSocketNotifier* m_input = nullptr;
    std::string m_pendingInput;
    QLabel* m_title = nullptr;
    QTimer* m_flood = nullptr;
};

} // namespace cuevox::tools
