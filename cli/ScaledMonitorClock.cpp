#include "ScaledMonitorClock.hpp"

#include <cassert>
#include <cmath>

namespace cuevox::cli {

ScaledMonitorClock::ScaledMonitorClock(double speed)
    : m_speed(speed), m_start(std::chrono::system_clock::now()) {
    assert(std::isfinite(speed) && speed > 0);
}

double ScaledMonitorClock::secondsAt(std::chrono::system_clock::time_point moment) const {
    return std::chrono::duration<double>(moment - m_start).count();
}

std::chrono::system_clock::time_point ScaledMonitorClock::now() {
    return m_start + std::chrono::duration_cast<std::chrono::system_clock::duration>(
                         std::chrono::duration<double>(elapsedSeconds()));
}

void ScaledMonitorClock::sleepFor(std::chrono::nanoseconds duration, std::stop_token stop) {
    m_wall.sleepFor(std::chrono::nanoseconds(static_cast<std::chrono::nanoseconds::rep>(
                        static_cast<double>(duration.count()) / m_speed)),
                    std::move(stop));
    m_elapsed.store(m_elapsed.load() + std::chrono::duration<double>(duration).count());
}

} // namespace cuevox::cli
