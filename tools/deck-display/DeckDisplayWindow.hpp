#pragma once

#include "deck-display/DeckDisplayController.hpp"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QSocketNotifier;

namespace cuevox::tools {

class DeckPanel;

// The deck display's window: four decks that follow the controller, keyboard controls for a
// person (1 to 4 pick a deck; L loads the next track, Space plays or pauses, E ejects) and,
// when asked, a script on standard input for a test, each line answered "ok" or "error: …".
class DeckDisplayWindow final : public QWidget {
    Q_OBJECT

public:
    explicit DeckDisplayWindow(std::unique_ptr<DeckDisplayController> controller);
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

    std::unique_ptr<DeckDisplayController> m_controller;
    std::array<DeckPanel*, simulation::SimulatedRekordbox::kDeckCount> m_decks{};
    int m_selectedDeck = 1;
    QSocketNotifier* m_input = nullptr;
    std::string m_pendingInput;
};

} // namespace cuevox::tools
