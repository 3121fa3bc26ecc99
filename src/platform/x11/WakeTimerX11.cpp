// SPDX-License-Identifier: MIT
#include "platform/WakeTimer.h"

#include <QTimer>

namespace {

// Precise: the uptime line must turn within a frame of each whole second.
class WakeTimerX11 final : public WakeTimer
{
public:
    explicit WakeTimerX11(std::function<void()> fired)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(fired));
    }

    void start(int interval) override { m_timer.start(interval); }
    void stop() override { m_timer.stop(); }
    [[nodiscard]] bool isActive() const override { return m_timer.isActive(); }
    [[nodiscard]] int remainingTime() const override { return m_timer.remainingTime(); }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<WakeTimer> WakeTimer::forPlatform(std::function<void()> fired)
{
    return std::make_unique<WakeTimerX11>(std::move(fired));
}
