#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

class FormTimer;

// Owns the schedule of every FormTimer and drives them from one native timer.
// Timers that come due in the same pass fire in the order they were added, so
// a window can rely on the order of its own timers (sampling before breakdown
// before display). The service must outlive the timers it schedules.
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

    [[nodiscard]] qint64 now() const;

    // Timers added earlier fire earlier within a pass; `fire` runs the tick.
    void add(const FormTimer *timer, std::function<void()> fire);
    void remove(const FormTimer *timer);
    // The first tick comes one interval (at least a frame) from now.
    void start(const FormTimer *timer, int interval);
    void stop(const FormTimer *timer);

    // Fires every started timer that is due; returns how many fired.
    int runDue();
    // Stops every timer for good, e.g. before reporting a fatal failure.
    void halt();

private:
    struct Entry
    {
        const FormTimer *timer;
        std::function<void()> fire;
        int period = 0;
        bool started = false;
        qint64 due = 0;
    };

    Entry *find(const FormTimer *timer);
    void reschedule();

    Clock m_clock;
    bool m_manual = false;
    bool m_running = false;
    bool m_halted = false;
    QTimer m_driver;
    std::vector<Entry> m_entries;
};
