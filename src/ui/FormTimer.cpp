#include "ui/FormTimer.h"

#include "ui/TimerService.h"

#include <algorithm>

FormTimer::FormTimer(const QString &name, QObject *parent, TimerService *service)
    : QObject(parent)
    , m_service(service ? service : &TimerService::instance())
{
    setObjectName(name);
    m_service->add(this);
}

FormTimer::~FormTimer()
{
    if (m_service)
        m_service->remove(this);
}

int FormTimer::effectiveInterval() const
{
    return std::max(m_interval, TimerService::minimumPeriod);
}

void FormTimer::setInterval(int milliseconds)
{
    m_interval = std::max(milliseconds, 0);
    restart();
}

void FormTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
    emit enabledChanged(enabled);
}

void FormTimer::restart()
{
    if (!m_service)
        return;
    m_due = m_service->now() + effectiveInterval();
    m_service->reschedule();
}

void FormTimer::fire()
{
    if (m_handler)
        m_handler();
}
