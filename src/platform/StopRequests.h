// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

// The operating system's requests to end the program (the termination,
// interrupt, hangup and quit signals on Unix; console close, logoff and
// shutdown events on Windows), delivered as a Qt signal on the thread that
// runs the event loop. The handlers themselves do no more than take note.
class StopRequests : public QObject
{
    Q_OBJECT

public:
    // One per process: the handlers are process-wide.
    static std::unique_ptr<StopRequests> forPlatform();
    ~StopRequests() override;

signals:
    // `what` names the request, for example "SIGTERM".
    void requested(const QString &what);

protected:
    StopRequests() = default;
};
