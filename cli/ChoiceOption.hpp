#pragma once

#include "tracklist/ListModeNames.hpp"

#include <CLI/CLI.hpp>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace cuevox::cli {

template <typename Enum>
using Choice = tracklist::Named<Enum>;

// One of a fixed set of names, spelt exactly; anything else is refused with the full list.
// `target` and `choices` must outlive the parse.
template <typename Enum, std::size_t N>
void addChoiceOption(CLI::App& command, const std::string& name, Enum& target,
                     const std::array<Choice<Enum>, N>& choices, const std::string& description,
                     const std::string& typeName = "MODE") {
    command
        .add_option_function<std::string>(
            name,
            [&target, &choices](const std::string& text) {
                for (const Choice<Enum>& choice : choices) {
                    if (choice.name == text) {
                        target = choice.value;
                    }
                }
            },
            description)
        ->check([&choices](const std::string& text) {
            std::string names;
            for (std::size_t i = 0; i < N; ++i) {
                if (choices[i].name == text) {
                    return std::string();
                }
                names += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(choices[i].name);
            }
            return "must be " + names + ", not \"" + text + "\"";
        })
        ->type_name(typeName);
}

} // namespace cuevox::cli
