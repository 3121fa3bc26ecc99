// SPDX-License-Identifier: MIT
#include "ui/FormTimer.h"

#include "ui/TimerService.h"

#include <algorithm>

FormTimer::FormTimer(const QString &name, TimerService &service, QObject *parent)
    : QObject(parent)
    , m_service(service)
{
    setObjectName(name);
    m_service.add(this, [this] {
        if (m_handler)
            m_handler();
    });
}

FormTimer::~FormTimer()
{
    m_service.remove(this);
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
    if (isActive())
        m_service.start(this, m_interval);
    else
        m_service.stop(this);
}
