// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FormTimer;
class WakeTimer;

// Owns the schedule of every FormTimer and drives them from one native timer
// (the platform's WakeTimer).
// Timers that come due in the same pass fire in the order they were added, so
// a window can rely on the order of its own timers (sampling before breakdown
// before display). The service must outlive the timers it schedules.
//
// A timer asking for ticks faster than a frame only drives what people read,
// so how often it runs follows what is on screen: one frame apart while some
// window shows every intermediate value (demandFrames), otherwise once at
// each whole second of the clock, when the uptime line can change. The
// cadence decides only when due timers run, never their order.
class TimerService : public QObject
{
    Q_OBJECT

public:
    // About 31 passes a second: faster than anyone reads changing digits.
    static constexpr int minimumPeriod = 32;
    static constexpr int second = 1000;
    // Timers due within half a frame of each other fire in the same pass, so
    // timers started one after another in the same handler stay together.
    static constexpr int gatherWindow = minimumPeriod / 2;

    using Clock = std::function<qint64()>;
    enum class Drive
    {
        Native, // a real timer wakes the service
        Manual, // the caller runs runDue() itself
    };

    // Without a clock the service uses a monotonic one and arms a real timer;
    // tests pass their own clock and call runDue() themselves. The program
    // passes the tick counter, so waits hold across a suspend.
    explicit TimerService(Clock clock = {}, QObject *parent = nullptr);
    TimerService(Clock clock, Drive drive, QObject *parent = nullptr);
    ~TimerService() override;

    [[nodiscard]] qint64 now() const;

    // Timers added earlier fire earlier within a pass; `fire` runs the tick.
    void add(const FormTimer *timer, std::function<void()> fire);
    void remove(const FormTimer *timer);
    // The first tick comes one interval (at least a frame) from now.
    void start(const FormTimer *timer, int interval);
    void stop(const FormTimer *timer);

    // Counted: frames are shown while anyone still asks for them.
    void demandFrames();
    void releaseFrames();

    // When the next pass is due; nothing started gives no value.
    [[nodiscard]] std::optional<qint64> nextPass() const;

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

    [[nodiscard]] static bool paced(const Entry &entry) { return entry.period < minimumPeriod; }
    [[nodiscard]] int earliness(const Entry &entry) const;
    [[nodiscard]] qint64 followingDue(const Entry &entry, qint64 passTime) const;
    void repace();
    Entry *find(const FormTimer *timer);
    void reschedule();

    Clock m_clock;
    bool m_manual = false;
    bool m_running = false;
    bool m_halted = false;
    int m_frameDemand = 0;
    std::unique_ptr<WakeTimer> m_driver;
    std::vector<Entry> m_entries;
};
