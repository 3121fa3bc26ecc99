#include "ProgramEnding.h"

#include "platform/BlockedClose.h"
#include "platform/StopRequests.h"
#include "platform/WindowLoss.h"
#include "ui/Form.h"

#include <QGuiApplication>
#include <QSessionManager>

ProgramEnding::ProgramEnding(Windows windows, Form &main)
    : m_windows(std::move(windows))
    , m_requests(StopRequests::install())
    , m_mainLoss(WindowLoss::watch(*main.surface()))
    , m_mainClose(BlockedClose::watch(*main.surface()))
{
    QObject::connect(m_requests.get(), &StopRequests::requested, &m_receiver, [this] { end(); });
    QObject::connect(m_mainLoss.get(), &WindowLoss::lost, &m_receiver, [this] { end(); });
    // Closing the strip from its frame while one of its windows is open
    // closes them all, each with its saves, as if closed one by one.
    QObject::connect(m_mainClose.get(), &BlockedClose::requested, &m_receiver, [this] { end(); });
    // The session manager wants the data saved before this signal returns.
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, &m_receiver, [this] { end(); },
        Qt::DirectConnection);
}

ProgramEnding::~ProgramEnding() = default;

void ProgramEnding::end()
{
    // Session managers send a hangup right after the termination signal; the
    // saves of the first request must not be cut short by the second.
    if (m_ending)
        return;
    m_ending = true;
    // A window's native window holds those of the windows above it, so
    // those go first.
    for (Form *window : m_windows()) {
        if (window && window->isLoaded())
            window->unload();
    }
}
