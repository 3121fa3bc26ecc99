// SPDX-License-Identifier: MIT
#include "platform/StopRequests.h"

#include <QMetaObject>

#include <windows.h>

namespace {

StopRequests *g_requests = nullptr;
// Set once the program has unloaded its windows.
HANDLE g_finished = nullptr;

const char *eventName(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
        return "CTRL_C_EVENT";
    case CTRL_BREAK_EVENT:
        return "CTRL_BREAK_EVENT";
    case CTRL_CLOSE_EVENT:
        return "CTRL_CLOSE_EVENT";
    case CTRL_LOGOFF_EVENT:
        return "CTRL_LOGOFF_EVENT";
    case CTRL_SHUTDOWN_EVENT:
        return "CTRL_SHUTDOWN_EVENT";
    default:
        return "console event";
    }
}

// Runs on a thread of its own that Windows starts for the event.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (!g_requests)
        return FALSE;
    const QString what = QString::fromLatin1(eventName(event));
    QMetaObject::invokeMethod(
        g_requests, [what] { emit g_requests->requested(what); }, Qt::QueuedConnection);
    // Windows ends the process as soon as this returns for these three, so
    // give the event loop a few seconds to save.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(g_finished, 4000);
    return TRUE;
}

class StopRequestsWindows final : public StopRequests
{
public:
    StopRequestsWindows()
    {
        g_requests = this;
        g_finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    }

    ~StopRequestsWindows() override
    {
        g_requests = nullptr;
        SetEvent(g_finished);
    }
};

} // namespace

std::unique_ptr<StopRequests> StopRequests::forPlatform()
{
    return std::make_unique<StopRequestsWindows>();
}

StopRequests::~StopRequests() = default;
