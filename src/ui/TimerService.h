#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

class FormTimer;

// Drives every FormTimer from one native timer. Timers that come due in the
// same pass fire in the order they were registered, so a window can rely on
// the order of its own timers (sampling before breakdown before display).
class TimerService : public QObject
{
    Q_OBJECT

public:
    // Faster ticks than one display frame cannot be seen and only cost CPU.
    static constexpr int minimumPeriod = 16;
    // Timers due within half a frame of each other fire in the same pass, so
    // timers started one after another in the same handler stay together.
    static constexpr int gatherWindow = minimumPeriod / 2;

    using Clock = std::function<qint64()>;

    // Without a clock the service uses a monotonic one and arms a real timer;
    // tests pass their own clock and call runDue() themselves.
    explicit TimerService(Clock clock = {}, QObject *parent = nullptr);
    ~TimerService() override;

    static TimerService &instance();

    [[nodiscard]] qint64 now() const;
    // Fires every enabled timer that is due; returns how many fired.
    int runDue();
    // Stops every timer for good, e.g. before reporting a fatal failure.
    void halt();

private:
    friend class FormTimer;
    void add(FormTimer *timer);
    void remove(FormTimer *timer);
    void reschedule();

    Clock m_clock;
    bool m_manual = false;
    bool m_running = false;
    bool m_halted = false;
    QTimer m_driver;
    std::vector<FormTimer *> m_timers;
};
