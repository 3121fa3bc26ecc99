#include "ui/TimerService.h"

#include "ui/FormTimer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

TimerService *defaultService = nullptr;

} // namespace

TimerService::TimerService(Clock clock, QObject *parent)
    : QObject(parent)
    , m_clock(std::move(clock))
    , m_manual(static_cast<bool>(m_clock))
{
    if (!m_clock) {
        auto elapsed = std::make_shared<QElapsedTimer>();
        elapsed->start();
        m_clock = [elapsed] { return elapsed->elapsed(); };
    }
    m_driver.setTimerType(Qt::PreciseTimer);
    connect(&m_driver, &QTimer::timeout, this, [this] { runDue(); });
}

TimerService::~TimerService()
{
    for (FormTimer *timer : m_timers)
        timer->m_service = nullptr;
    if (defaultService == this)
        defaultService = nullptr;
}

TimerService &TimerService::instance()
{
    if (!defaultService)
        defaultService = new TimerService;
    return *defaultService;
}

qint64 TimerService::now() const
{
    return m_clock();
}

int TimerService::runDue()
{
    // A handler that opens a nested event loop must not see itself re-entered.
    if (m_halted)
        return 0;
    if (m_running) {
        if (!m_manual)
            m_driver.start(minimumPeriod); // no busy loop under a nested event loop
        return 0;
    }
    m_running = true;
    const qint64 passTime = now();
    int fired = 0;
    // Copy: handlers may create or destroy timers while the pass runs.
    const std::vector<FormTimer *> pass = m_timers;
    for (FormTimer *timer : pass) {
        if (m_halted)
            break;
        if (std::find(m_timers.begin(), m_timers.end(), timer) == m_timers.end())
            continue;
        if (!timer->isActive() || timer->m_due > passTime + gatherWindow)
            continue;
        timer->m_due = std::max(timer->m_due, passTime) + timer->effectiveInterval();
        ++fired;
        timer->fire();
    }
    m_running = false;
    reschedule();
    return fired;
}

void TimerService::halt()
{
    m_halted = true;
    m_driver.stop();
}

void TimerService::add(FormTimer *timer)
{
    m_timers.push_back(timer);
}

void TimerService::remove(FormTimer *timer)
{
    std::erase(m_timers, timer);
    reschedule();
}

void TimerService::reschedule()
{
    if (m_manual || m_running || m_halted)
        return;
    qint64 earliest = std::numeric_limits<qint64>::max();
    for (const FormTimer *timer : m_timers) {
        if (timer->isActive())
            earliest = std::min(earliest, timer->m_due);
    }
    if (earliest == std::numeric_limits<qint64>::max()) {
        m_driver.stop();
        return;
    }
    const int wait = static_cast<int>(
        std::min<qint64>(std::max<qint64>(0, earliest - now()), std::numeric_limits<int>::max()));
    // Re-arming the native timer on every pass costs as much as the pass
    // itself; a steady cadence keeps the running one.
    if (m_driver.isActive() && std::abs(m_driver.remainingTime() - wait) <= 1)
        return;
    m_driver.start(wait > 0 ? wait : 0);
}
