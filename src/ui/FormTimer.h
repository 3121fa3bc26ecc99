// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class TimerService;

// A window timer: an interval in milliseconds and an enabled flag. Interval 0
// never fires; enabling makes the first tick come one interval later. The
// schedule itself is the service's; this is the window's handle on it.
class FormTimer : public QObject
{
    Q_OBJECT

public:
    FormTimer(const QString &name, TimerService &service, QObject *parent = nullptr);
    ~FormTimer() override;

    [[nodiscard]] int interval() const { return m_interval; }
    // Restarts the countdown of an enabled timer.
    void setInterval(int milliseconds);
    [[nodiscard]] bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    [[nodiscard]] bool isActive() const { return m_enabled && m_interval > 0; }

    void onTimer(std::function<void()> handler) { m_handler = std::move(handler); }

signals:
    void enabledChanged(bool enabled);

private:
    void restart();

    TimerService &m_service;
    std::function<void()> m_handler;
    int m_interval = 0;
    bool m_enabled = true;
};
