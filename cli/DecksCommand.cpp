#include "Commands.hpp"
#include "JsonInput.hpp"
#include "OpenKeyOption.hpp"
#include "Output.hpp"
#include "decks/AccessibilityTrackPatternMatcher.hpp"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace cuevox::cli {
namespace {

using decks::AccessibilityTrackPatternMatcher::DeckSlotState;

struct DecksOptions {
    std::string file;
    bool openKey = false;
    bool json = false;
};

Json slotJson(std::size_t number, const DeckSlotState& slot) {
    const auto& c = slot.candidate;
    return Json{{"slot", number},
                {"state", c ? "loaded" : "empty"},
                {"title", c ? Json(c->title) : Json(nullptr)},
                {"artist", c ? Json(c->artist) : Json(nullptr)},
                {"bpm", c ? jsonOrNull(c->bpm) : Json(nullptr)},
                {"rawKey", c ? Json(c->rawKey) : Json(nullptr)},
                {"sourceEndIndex", c ? Json(c->sourceEndIndex) : Json(nullptr)}};
}

// Texts are shown exactly as read, so they are quoted and escaped as JSON strings: outer spaces
// stay visible and a line break in a text does not break the line.
std::string quoted(const std::string& text) {
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void printSlots(const std::vector<DeckSlotState>& slots, std::size_t textCount) {
    if (slots.empty()) {
        std::cout << "No deck in " << textCount << " texts\n";
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        std::cout << "Slot " << i + 1 << ": ";
        if (const auto& c = slots[i].candidate) {
            std::cout << "loaded  " << quoted(c->title) << " by " << quoted(c->artist) << "  "
                      << (c->bpm ? fixed(*c->bpm, 2) + " BPM" : std::string("no tempo")) << "  key "
                      << quoted(c->rawKey) << "  (texts after it from " << c->sourceEndIndex
                      << ")\n";
        } else {
            std::cout << "empty\n";
        }
    }
}

void runDecks(const DecksOptions& options, CommandContext& context) {
    context.exitCode = 1;
    const auto document = readJsonInput(options.file);
    if (!document) {
        printError(document.error());
        return;
    }
    const std::string name = inputName(options.file);
    if (!document->is_array()) {
        printError(name + ": expected an array of strings, found " + describeJsonType(*document));
        return;
    }
    std::vector<std::string> texts;
    texts.reserve(document->size());
    for (std::size_t i = 0; i < document->size(); ++i) {
        const Json& element = (*document)[i];
        if (!element.is_string()) {
            printError(name + ": element " + std::to_string(i) + " (counting from 0) is " +
                       describeJsonType(element) + ", not a string");
            return;
        }
        texts.push_back(element.get<std::string>());
    }

    const std::vector<DeckSlotState> slots =
        decks::AccessibilityTrackPatternMatcher::extractDeckSlots(
            texts, libraryReadOptions(options.openKey).keyNotation);
    if (options.json) {
        Json result = Json::array();
        for (std::size_t i = 0; i < slots.size(); ++i) {
            result.push_back(slotJson(i + 1, slots[i]));
        }
        printJson(result);
    } else {
        printSlots(slots, texts.size());
    }
    context.exitCode = 0;
}

} // namespace

void addDecksCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<DecksOptions>();
    CLI::App* command = app.add_subcommand(
        "decks", "Find the decks in the texts of rekordbox's window: a JSON array of strings in "
                 "tree order, as the deck monitor reads them. A loaded deck is a title, an "
                 "artist, a tempo such as 128.00 (or --.-- without one) and a key; an empty one "
                 "shows \"Not Loaded.\"");
    command->add_option("FILE", options->file, "The JSON file of texts; - or none for stdin");
    addOpenKeyFlag(*command, options->openKey);
    command->add_flag("--json", options->json, "Print one JSON document");
    command->callback([options, &context] { runDecks(*options, context); });
}

} // namespace cuevox::cli
