#pragma once

#include <utility>

namespace cuevox::state {

// Assigns `value` to `object`'s `field` and emits `changed` only when it differs: views redraw
// on a change signal, so a value equal to the one they show is not announced.
template <typename Object, typename T>
void publish(Object& object, T& field, T value, void (Object::*changed)()) {
    if (field == value) {
        return;
    }
    field = std::move(value);
    emit(object.*changed)();
}

} // namespace cuevox::state
