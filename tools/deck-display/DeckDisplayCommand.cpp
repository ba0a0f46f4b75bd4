#include "deck-display/DeckDisplayCommand.hpp"

#include "text/Text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

namespace cuevox::tools {
namespace {

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> result;
    constexpr std::string_view kBlanks = " \t\r\n";
    std::size_t start = line.find_first_not_of(kBlanks);
    while (start != std::string_view::npos) {
        const std::size_t end = line.find_first_of(kBlanks, start);
        result.push_back(line.substr(start, end - start));
        start = end == std::string_view::npos ? end : line.find_first_not_of(kBlanks, end);
    }
    return result;
}

using Verb = DeckDisplayCommand::Verb;

// A whole number from `low` to `high`, or nothing.
std::optional<int> numberIn(std::string_view word, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

constexpr std::array<std::pair<std::string_view, Verb>, 8> kVerbs{{
    {"load", Verb::load},
    {"next", Verb::loadNext},
    {"play", Verb::play},
    {"pause", Verb::pause},
    {"toggle", Verb::toggle},
    {"eject", Verb::eject},
    {"quit", Verb::quit},
    {"flood", Verb::flood},
}};

} // namespace

tl::expected<DeckDisplayCommand, std::string> parseDeckDisplayCommand(std::string_view line) {
    const std::vector<std::string_view> parts = words(line);
    if (parts.empty()) {
        return tl::unexpected(std::string("empty command"));
    }
    const auto* found = std::find_if(kVerbs.begin(), kVerbs.end(),
                                     [&](const auto& entry) { return entry.first == parts[0]; });
    if (found == kVerbs.end()) {
        return tl::unexpected("unknown command \"" + text::escapeForMessage(parts[0]) + "\"");
    }
    DeckDisplayCommand command;
    command.verb = found->second;
    const std::size_t expected = command.verb == Verb::quit                                  ? 1
                                 : command.verb == Verb::load || command.verb == Verb::flood ? 3
                                                                                             : 2;
    if (parts.size() != expected) {
        static constexpr std::array<std::string_view, 3> kForms{
            "takes no arguments", "takes a deck (1 to 4)", "takes a deck (1 to 4) and a track ID"};
        return tl::unexpected(std::string(parts[0]) + " " +
                              std::string(command.verb == Verb::flood
                                              ? "takes changes a second and seconds"
                                              : kForms[expected - 1]));
    }
    if (command.verb == Verb::quit) {
        return command;
    }
    if (command.verb == Verb::flood) {
        const auto rate = numberIn(parts[1], 1, 100'000);
        const auto seconds = numberIn(parts[2], 1, 600);
        if (!rate || !seconds) {
            return tl::unexpected(
                std::string("flood takes 1 to 100000 changes a second for 1 to 600 seconds"));
        }
        command.rate = *rate;
        command.seconds = *seconds;
        return command;
    }
    const std::string_view deck = parts[1];
    const auto number = numberIn(deck, 1, 4);
    if (!number) {
        return tl::unexpected("no deck \"" + text::escapeForMessage(deck) + "\": decks are 1 to 4");
    }
    command.deck = *number;
    if (command.verb == Verb::load) {
        command.trackID = std::string(parts[2]);
    }
    return command;
}

} // namespace cuevox::tools
