// SPDX-License-Identifier: MIT
#include "ui/TimerService.h"

#include "platform/WakeTimer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdlib>
#include <limits>

TimerService::TimerService(Clock clock, QObject *parent)
    : TimerService(clock, clock ? Drive::Manual : Drive::Native, parent)
{}

TimerService::TimerService(Clock clock, Drive drive, QObject *parent)
    : QObject(parent)
    , m_clock(std::move(clock))
    , m_manual(drive == Drive::Manual)
{
    if (!m_clock) {
        auto elapsed = std::make_shared<QElapsedTimer>();
        elapsed->start();
        m_clock = [elapsed] { return elapsed->elapsed(); };
    }
    m_driver = WakeTimer::forPlatform([this] { runDue(); });
}

TimerService::~TimerService() = default;

qint64 TimerService::now() const
{
    return m_clock();
}

TimerService::Entry *TimerService::find(const FormTimer *timer)
{
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [timer](const Entry &e) { return e.timer == timer; });
    return entry == m_entries.end() ? nullptr : &*entry;
}

void TimerService::add(const FormTimer *timer, std::function<void()> fire)
{
    m_entries.push_back({timer, std::move(fire)});
}

void TimerService::remove(const FormTimer *timer)
{
    std::erase_if(m_entries, [timer](const Entry &e) { return e.timer == timer; });
    reschedule();
}

void TimerService::start(const FormTimer *timer, int interval)
{
    Entry *entry = find(timer);
    if (!entry)
        return;
    entry->period = interval;
    entry->started = true;
    // A paced timer's first tick comes a frame later, so a window shows its
    // values at once instead of up to a second after it opens.
    entry->due = now() + std::max(interval, minimumPeriod);
    reschedule();
}

void TimerService::stop(const FormTimer *timer)
{
    if (Entry *entry = find(timer)) {
        entry->started = false;
        reschedule();
    }
}

int TimerService::runDue()
{
    // A handler that opens a nested event loop must not see itself re-entered.
    if (m_halted)
        return 0;
    if (m_running) {
        if (!m_manual)
            m_driver->start(minimumPeriod); // no busy loop under a nested event loop
        return 0;
    }
    m_running = true;
    const qint64 passTime = now();
    int fired = 0;
    // By key: handlers may add, stop or remove timers while the pass runs.
    std::vector<const FormTimer *> pass;
    pass.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        pass.push_back(entry.timer);
    for (const FormTimer *timer : pass) {
        if (m_halted)
            break;
        Entry *entry = find(timer);
        if (!entry || !entry->started || entry->due > passTime + earliness(*entry))
            continue;
        entry->due = followingDue(*entry, passTime);
        ++fired;
        // A copy: the handler may remove its own timer.
        const std::function<void()> fire = entry->fire;
        fire();
    }
    m_running = false;
    reschedule();
    return fired;
}

int TimerService::earliness(const Entry &entry) const
{
    // The uptime line must not show the second before the one it waited for.
    return paced(entry) && m_frameDemand == 0 ? 0 : gatherWindow;
}

qint64 TimerService::followingDue(const Entry &entry, qint64 passTime) const
{
    const qint64 from = std::max(entry.due, passTime);
    const bool frames = m_frameDemand > 0;
    if (paced(entry))
        return frames ? from + minimumPeriod : (passTime / second + 1) * second;
    // Whole-second timers share the wake-up of the uptime line. Rounded
    // down, so joining it never stretches the time between two ticks.
    if (!frames && entry.period % second == 0)
        return (from + entry.period) / second * second;
    return from + entry.period;
}

void TimerService::demandFrames()
{
    if (++m_frameDemand == 1)
        repace();
}

void TimerService::releaseFrames()
{
    if (m_frameDemand > 0 && --m_frameDemand == 0)
        repace();
}

void TimerService::repace()
{
    // The new cadence holds from the next pass on, not a second later.
    const qint64 passTime = now();
    for (Entry &entry : m_entries) {
        if (entry.started && paced(entry)) {
            entry.due = m_frameDemand > 0 ? std::min(entry.due, passTime + minimumPeriod)
                                          : (passTime / second + 1) * second;
        }
    }
    reschedule();
}

std::optional<qint64> TimerService::nextPass() const
{
    std::optional<qint64> earliest;
    for (const Entry &entry : m_entries) {
        if (entry.started && (!earliest || entry.due < *earliest))
            earliest = entry.due;
    }
    return earliest;
}

void TimerService::halt()
{
    m_halted = true;
    m_driver->stop();
}

void TimerService::reschedule()
{
    if (m_manual || m_running || m_halted)
        return;
    const std::optional<qint64> earliest = nextPass();
    if (!earliest) {
        m_driver->stop();
        return;
    }
    const int wait = static_cast<int>(
        std::min<qint64>(std::max<qint64>(0, *earliest - now()), std::numeric_limits<int>::max()));
    // Re-arming the native timer on every pass costs as much as the pass
    // itself; a steady cadence keeps the running one.
    if (m_driver->isActive() && std::abs(m_driver->remainingTime() - wait) <= 1)
        return;
    m_driver->start(wait);
}
