#pragma once

#include "views/CheckboxFilterList.hpp"

#include <QString>
#include <functional>
#include <vector>

namespace cuevox::views {

// Binds a checkbox list to one option list and one selection set of any types: `identity` is
// what the selection holds for an option. All functions are called at the time of use, so the
// list always shows and changes the current state.
template <class Option, class Selection>
CheckboxFilterList::Source checkboxFilterSource(
    std::function<const std::vector<Option>&()> options,
    std::function<QString(const Option&)> label, std::function<int(const Option&)> count,
    std::function<typename Selection::value_type(const Option&)> identity,
    std::function<const Selection&()> selection, std::function<void(Selection)> setSelection) {
    CheckboxFilterList::Source source;
    source.options = [=] {
        std::vector<CheckboxFilterOption> rows;
        const Selection& selected = selection();
        for (const Option& option : options()) {
            rows.push_back({label(option), count(option), selected.contains(identity(option))});
        }
        return rows;
    };
    source.toggle = [=](std::size_t row) {
        const std::vector<Option>& current = options();
        if (row >= current.size()) {
            return;
        }
        Selection changed = selection();
        const auto id = identity(current[row]);
        if (changed.erase(id) == 0) {
            changed.insert(id);
        }
        setSelection(std::move(changed));
    };
    source.clear = [=] { setSelection(Selection{}); };
    return source;
}

} // namespace cuevox::views
