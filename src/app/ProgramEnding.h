// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class BlockedClose;
class Form;
class StopRequests;
class WindowLoss;

// Ends the program in order whatever asks it to stop from outside its own
// windows: a signal or console event, the session manager, the main
// window's native window destroyed by another program, or the main window
// closed from its frame while a window it owns is open. The open windows
// unload from the topmost down, so each saves what it saves when closed, and
// the program ends as the main window unloads. A message box open meanwhile,
// or opened by the unloads, gives way: its text is on standard error already,
// and the user it waits for may be gone with the session.
class ProgramEnding
{
public:
    // The windows that may be open, topmost first; absent ones are null.
    using Windows = std::function<std::vector<Form *>()>;

    // `main` must be shown.
    ProgramEnding(Windows windows, Form &main);
    ~ProgramEnding();

    void end();

private:
    Windows m_windows;
    QObject m_receiver;
    std::unique_ptr<QObject> m_messageCloser;
    std::unique_ptr<StopRequests> m_requests;
    std::unique_ptr<WindowLoss> m_mainLoss;
    std::unique_ptr<BlockedClose> m_mainClose;
    bool m_ending = false;
};
