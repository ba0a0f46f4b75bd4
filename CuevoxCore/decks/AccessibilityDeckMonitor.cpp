#include "decks/AccessibilityDeckMonitor.hpp"

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#elif defined(__APPLE__)
#include <pthread.h>
#endif

namespace cuevox::decks {
namespace {

// Polling is background work: on a busy machine the DJ's audio comes first. Best effort.
void lowerThisThreadsPriority() {
#if defined(__linux__)
    const auto thread = static_cast<id_t>(::syscall(SYS_gettid));
    ::setpriority(PRIO_PROCESS, thread, ::getpriority(PRIO_PROCESS, thread) + 5);
#elif defined(__APPLE__)
    ::pthread_set_qos_class_self_np(QOS_CLASS_UTILITY, 0);
#endif
}

} // namespace

AccessibilityDeckMonitor::AccessibilityDeckMonitor(Configuration configuration,
                                                   std::shared_ptr<AccessibilityPlatform> platform,
                                                   std::shared_ptr<MonitorClock> clock)
    : m_configuration(std::move(configuration)), m_platform(std::move(platform)),
      m_clock(std::move(clock)), m_deckStates(std::make_shared<EventQueue<DeckState>>()),
      m_restarts(std::make_shared<EventQueue<RekordboxRestart>>()),
      m_poller(m_configuration, *m_platform, *m_clock) {
    // Checked here rather than on the thread, so a bad configuration fails where it is made.
    intervalNanoseconds(m_configuration.pollInterval);
    intervalNanoseconds(m_configuration.playbackSampleGap);
    intervalNanoseconds(m_configuration.idlePollInterval);
    m_thread = std::jthread([this](std::stop_token stop) { run(std::move(stop)); });
}

AccessibilityDeckMonitor::~AccessibilityDeckMonitor() {
    m_thread.request_stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_deckStates->close();
    m_restarts->close();
}

void AccessibilityDeckMonitor::run(std::stop_token stop) {
    lowerThisThreadsPriority();
    const auto activeInterval = intervalNanoseconds(m_configuration.pollInterval);
    const auto idleInterval = intervalNanoseconds(m_configuration.idlePollInterval);
    while (!stop.stop_requested()) {
        DeckPoller::Outcome outcome = m_poller.pollOnce(stop);
        if (outcome.restarted) {
            m_restarts->push(RekordboxRestart{});
        }
        for (DeckState& state : outcome.changedStates) {
            m_deckStates->push(std::move(state));
        }
        m_clock->sleepFor(outcome.active ? activeInterval : idleInterval, stop);
    }
}

bool AccessibilityDeckMonitor::hasAccessibilityPermission(AccessibilityPlatform& platform) {
    return platform.isProcessTrusted();
}

void AccessibilityDeckMonitor::requestAccessibilityPermission(AccessibilityPlatform& platform) {
    platform.requestTrust();
}

} // namespace cuevox::decks
