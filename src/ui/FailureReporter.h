// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <functional>

class TimerService;

// Where failures inside handlers end up. A fault that only stops one run of a
// handler, such as an arithmetic fault, is printed once for each distinct
// description and the program goes on; a refused settings write is
// shown to the user and the program goes on; anything else is fatal.
class FailureReporter
{
public:
    using ShowMessage = std::function<void(const QString &title, const QString &text)>;
    using PrintLine = std::function<void(const QString &line)>;
    using Exit = std::function<void(int status)>;

    // A fatal failure halts `timers`. Defaults: a message box, standard
    // error, and leaving the event loops.
    explicit FailureReporter(TimerService &timers, ShowMessage show = {}, PrintLine print = {},
                             Exit exit = {});

    // One run of a handler stopped early, as `description` says.
    void runStopped(const QString &description);
    // One message for all the settings a handler could not save.
    void settingsNotSaved(const QStringList &settingsAndReasons);
    void fatal(const QString &what);

    [[nodiscard]] int exitStatus() const { return m_exitStatus; }

    // Runs one event handler; an exception escaping it is a fatal failure.
    template <typename Handler> void run(const char *name, Handler &&handler) noexcept
    {
        try {
            handler();
        } catch (const std::exception &error) {
            fatal(
                QStringLiteral("%1: %2").arg(QLatin1String(name), QString::fromUtf8(error.what())));
        } catch (...) {
            fatal(QStringLiteral("%1: unknown failure").arg(QLatin1String(name)));
        }
    }

private:
    TimerService &m_timers;
    ShowMessage m_show;
    PrintLine m_print;
    Exit m_exit;
    QStringList m_reported;
    int m_exitStatus = 0;
    bool m_fatalShown = false;
};
