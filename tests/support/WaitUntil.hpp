#pragma once

#include <QDeadlineTimer>
#include <QTest>

namespace cuevox::tests {

// Runs the event loop until `done` holds, for at most five seconds: what a background thread or
// a timer brings arrives late on a loaded machine, never early.
template <typename Condition>
bool waitUntil(Condition done) {
    for (QDeadlineTimer deadline(5000); !done();) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

} // namespace cuevox::tests
