#pragma once

#include <QObject>
#include <QString>

#include <functional>

class TimerService;

// A window timer: an interval in milliseconds and an enabled flag. Interval 0
// never fires; enabling makes the first tick come one interval later.
class FormTimer : public QObject
{
    Q_OBJECT

public:
    explicit FormTimer(const QString &name, QObject *parent = nullptr,
                       TimerService *service = nullptr);
    ~FormTimer() override;

    [[nodiscard]] int interval() const { return m_interval; }
    // Restarts the countdown of an enabled timer.
    void setInterval(int milliseconds);
    [[nodiscard]] bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    [[nodiscard]] bool isActive() const { return m_enabled && m_interval > 0; }
    [[nodiscard]] int effectiveInterval() const;

    void onTimer(std::function<void()> handler) { m_handler = std::move(handler); }

signals:
    void enabledChanged(bool enabled);

private:
    friend class TimerService;
    void fire();
    void restart();

    TimerService *m_service;
    std::function<void()> m_handler;
    int m_interval = 0;
    bool m_enabled = true;
    qint64 m_due = 0;
};
