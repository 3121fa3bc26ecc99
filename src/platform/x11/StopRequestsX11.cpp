// SPDX-License-Identifier: MIT
#include "platform/StopRequests.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array stopSignals{SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// Written by the handler, read by the event loop: the classic self-pipe.
int g_pipe[2] = {-1, -1};

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

const char *signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGTERM:
        return "SIGTERM";
    case SIGINT:
        return "SIGINT";
    case SIGHUP:
        return "SIGHUP";
    case SIGQUIT:
        return "SIGQUIT";
    default:
        return "signal";
    }
}

class StopRequestsX11 final : public StopRequests
{
public:
    StopRequestsX11()
    {
        if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { drain(); });

        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signalNumber : stopSignals) {
            struct sigaction previous = {};
            sigaction(signalNumber, nullptr, &previous);
            // A signal ignored at start stays ignored: that is how nohup and
            // shells ask a program to outlive its terminal.
            if (previous.sa_handler == SIG_IGN)
                continue;
            sigaction(signalNumber, &action, nullptr);
        }
    }

    ~StopRequestsX11() override
    {
        struct sigaction action = {};
        action.sa_handler = SIG_DFL;
        sigemptyset(&action.sa_mask);
        for (const int signalNumber : stopSignals) {
            struct sigaction current = {};
            sigaction(signalNumber, nullptr, &current);
            if (current.sa_handler == onSignal)
                sigaction(signalNumber, &action, nullptr);
        }
        for (int &end : g_pipe) {
            if (end >= 0)
                ::close(end);
            end = -1;
        }
    }

private:
    void drain()
    {
        unsigned char byte = 0;
        while (::read(g_pipe[0], &byte, 1) == 1)
            emit requested(QString::fromLatin1(signalName(byte)));
    }

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace

std::unique_ptr<StopRequests> StopRequests::forPlatform()
{
    return std::make_unique<StopRequestsX11>();
}

StopRequests::~StopRequests() = default;
