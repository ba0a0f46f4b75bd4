#include "decks/AccessibilityDeckMonitor.hpp"

#include <algorithm>
#include <iterator>

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
    const auto activeInterval = clockInterval(m_configuration.pollInterval);
    const auto idleInterval = clockInterval(m_configuration.idlePollInterval);
    while (!stop.stop_requested()) {
        DeckPoller::Outcome outcome = m_poller.startPoll(stop);
        const bool active = outcome.active;
        if (const auto secondSampleAt = m_poller.secondSampleAt()) {
            // A restart is signalled before any state of the new process, events' included.
            waitUntil(*secondSampleAt, stop, !outcome.restarted);
            DeckPoller::Outcome finished = m_poller.finishPoll(stop);
            std::ranges::move(finished.changedStates, std::back_inserter(outcome.changedStates));
        }
        publish(std::move(outcome));
        // Until rekordbox reports its changes, the polls are what sees them.
        const int slower = m_poller.eventsArrived() ? DeckPoller::kEventfulPollFactor : 1;
        const auto interval = active ? activeInterval * slower : idleInterval;
        waitUntil(m_clock->now() + interval, stop, true);
    }
}

void AccessibilityDeckMonitor::waitUntil(std::chrono::system_clock::time_point deadline,
                                         std::stop_token stop, bool serveEvents) {
    if (!serveEvents) {
        const auto now = m_clock->now();
        m_clock->sleepFor(std::max(deadline - now, std::chrono::system_clock::duration::zero()),
                          stop);
        return;
    }
    bool woken = false;
    while (true) {
        publish(m_poller.handleEvents(stop));
        const auto now = m_clock->now();
        if (stop.stop_requested() || now >= deadline) {
            return;
        }
        auto wakeAt = deadline;
        if (const auto next = m_poller.nextEventDeadline(); next && *next < wakeAt) {
            wakeAt = std::max(*next, now);
        }
        // An event ends the sleep, but events that wait for their coalescing delay, or that
        // just woke it, do not: a flood then wakes the thread once a delay, not once an event.
        const bool arm = !woken && !m_poller.eventsPending();
        if (woken) {
            wakeAt = std::min(wakeAt, now + DeckPoller::kCoalescingDelay);
        }
        std::stop_source wake;
        const std::stop_callback forward(stop, [&wake] { wake.request_stop(); });
        if (arm) {
            m_poller.inbox().arm(wake);
        }
        m_clock->sleepFor(wakeAt - now, wake.get_token());
        m_poller.inbox().disarm();
        woken = arm && wake.stop_requested();
    }
}

void AccessibilityDeckMonitor::publish(DeckPoller::Outcome outcome) {
    if (outcome.restarted) {
        m_restarts->push(RekordboxRestart{});
    }
    for (DeckState& state : outcome.changedStates) {
        m_deckStates->push(std::move(state));
    }
}

bool AccessibilityDeckMonitor::hasAccessibilityPermission(AccessibilityPlatform& platform) {
    return platform.isProcessTrusted();
}

void AccessibilityDeckMonitor::requestAccessibilityPermission(AccessibilityPlatform& platform) {
    platform.requestTrust();
}

} // namespace cuevox::decks
