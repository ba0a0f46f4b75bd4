#pragma once

#include "decks/EventQueue.hpp"

#include <QMetaObject>
#include <QObject>
#include <optional>
#include <utility>

namespace cuevox::state {

// Hands each element that another thread queues to `take` on the thread of `receiver`, as one
// queued call per element in the order pushed.
template <typename T, typename Take>
void takeQueued(QObject* receiver, decks::EventQueue<T>& queue, Take take) {
    queue.setNotifier([receiver, &queue, take] {
        QMetaObject::invokeMethod(
            receiver,
            [&queue, take] {
                if (std::optional<T> element = queue.tryPop()) {
                    take(std::move(*element));
                }
            },
            Qt::QueuedConnection);
    });
}

} // namespace cuevox::state
