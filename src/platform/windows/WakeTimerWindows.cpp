// SPDX-License-Identifier: MIT
#include "platform/WakeTimer.h"

#include <windows.h>

#include <algorithm>
#include <map>

namespace {

class WakeTimerWindows;

// Thread timers carry no pointer of their own, only the id Windows gave.
std::map<UINT_PTR, WakeTimerWindows *> &running()
{
    static std::map<UINT_PTR, WakeTimerWindows *> timers;
    return timers;
}

// A thread timer: WM_TIMER comes through whatever loop dispatches the
// thread's messages, Qt's own or a modal one of Windows (a moved window, a
// message box), so the uptime line goes on turning there too. Without
// coalescing, Windows fires it at the first system tick after it is due.
class WakeTimerWindows final : public WakeTimer
{
public:
    explicit WakeTimerWindows(std::function<void()> fired)
        : m_fired(std::move(fired))
    {}
    ~WakeTimerWindows() override { stop(); }

    void start(int interval) override
    {
        const UINT period = std::max<UINT>(USER_TIMER_MINIMUM, static_cast<UINT>(interval));
        // The same id re-arms the running timer rather than adding one.
        const UINT_PTR id = SetCoalescableTimer(nullptr, m_id, period, &WakeTimerWindows::tick,
                                                TIMERV_NO_COALESCING);
        if (id == 0)
            return;
        if (m_id != 0 && id != m_id)
            running().erase(m_id);
        m_id = id;
        running()[m_id] = this;
        m_period = period;
        m_next = GetTickCount64() + period;
    }

    void stop() override
    {
        if (m_id == 0)
            return;
        KillTimer(nullptr, m_id);
        running().erase(m_id);
        m_id = 0;
    }

    [[nodiscard]] bool isActive() const override { return m_id != 0; }

    [[nodiscard]] int remainingTime() const override
    {
        const ULONGLONG now = GetTickCount64();
        return m_next > now ? static_cast<int>(m_next - now) : 0;
    }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        const auto found = running().find(id);
        if (found == running().end())
            return;
        WakeTimerWindows *timer = found->second;
        timer->m_next = GetTickCount64() + timer->m_period;
        // A copy: the handler may stop or delete this timer.
        const std::function<void()> fired = timer->m_fired;
        fired();
    }

    std::function<void()> m_fired;
    UINT_PTR m_id = 0;
    UINT m_period = USER_TIMER_MINIMUM;
    ULONGLONG m_next = 0;
};

} // namespace

std::unique_ptr<WakeTimer> WakeTimer::forPlatform(std::function<void()> fired)
{
    return std::make_unique<WakeTimerWindows>(std::move(fired));
}
