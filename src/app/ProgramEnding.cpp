// SPDX-License-Identifier: MIT
#include "app/ProgramEnding.h"

#include "platform/BlockedClose.h"
#include "platform/StopRequests.h"
#include "platform/WindowLoss.h"
#include "ui/Form.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

namespace {

void closeLater(QMessageBox *box)
{
    // Queued, so that the box's own event loop is running to be left.
    const auto reject = [box] { box->done(QDialog::Rejected); };
    QMetaObject::invokeMethod(box, reject, Qt::QueuedConnection);
}

// Closes every message box as it shows.
class MessageCloser final : public QObject
{
public:
    MessageCloser()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
                closeLater(box);
        }
        qApp->installEventFilter(this);
    }

private:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched))
                closeLater(box);
        }
        return false;
    }
};

} // namespace

ProgramEnding::ProgramEnding(Windows windows, Form &main)
    : m_windows(std::move(windows))
    , m_requests(StopRequests::forPlatform())
    , m_mainLoss(WindowLoss::forPlatform(*main.surface()))
    , m_mainClose(BlockedClose::forPlatform(*main.surface()))
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
    m_messageCloser = std::make_unique<MessageCloser>();
    // A window's native window holds those of the windows above it, so
    // those go first.
    for (Form *window : m_windows()) {
        if (window && window->isLoaded())
            window->unload();
    }
}
