#include "ScaledMonitorClock.hpp"

#include <cassert>
#include <cmath>

namespace cuevox::cli {

ScaledMonitorClock::ScaledMonitorClock(double speed)
    : m_speed(speed), m_wallStart(std::chrono::steady_clock::now()),
      m_start(std::chrono::system_clock::now()) {
    assert(std::isfinite(speed) && speed > 0);
}

double ScaledMonitorClock::elapsedSeconds() const {
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - m_wallStart;
    return wall.count() * m_speed;
}

double ScaledMonitorClock::secondsAt(std::chrono::system_clock::time_point moment) const {
    return std::chrono::duration<double>(moment - m_start).count();
}

std::chrono::steady_clock::time_point ScaledMonitorClock::wallTimeAt(double seconds) const {
    return m_wallStart + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                             std::chrono::duration<double>(seconds / m_speed));
}

std::chrono::system_clock::time_point ScaledMonitorClock::now() {
    return m_start + std::chrono::duration_cast<std::chrono::system_clock::duration>(
                         std::chrono::duration<double>(elapsedSeconds()));
}

void ScaledMonitorClock::sleepFor(std::chrono::nanoseconds duration, std::stop_token stop) {
    m_wall.sleepFor(std::chrono::nanoseconds(static_cast<std::chrono::nanoseconds::rep>(
                        static_cast<double>(duration.count()) / m_speed)),
                    std::move(stop));
}

} // namespace cuevox::cli
