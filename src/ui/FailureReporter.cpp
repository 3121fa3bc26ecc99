// SPDX-License-Identifier: MIT
#include "ui/FailureReporter.h"

#include "base/ErrorLine.h"
#include "base/ProgramIdentity.h"
#include "ui/TimerService.h"

#include <QApplication>
#include <QMessageBox>

FailureReporter::FailureReporter(TimerService &timers, ShowMessage show, PrintLine print, Exit exit)
    : m_timers(timers)
    , m_show(std::move(show))
    , m_print(std::move(print))
    , m_exit(std::move(exit))
{
    if (!m_show) {
        m_show = [](const QString &title, const QString &text) {
            QMessageBox::warning(nullptr, title, text);
        };
    }
    if (!m_print)
        m_print = ErrorLine::report;
    if (!m_exit)
        m_exit = [](int status) { QCoreApplication::exit(status); };
}

void FailureReporter::runStopped(const QString &description)
{
    if (m_reported.contains(description))
        return;
    m_reported << description;
    m_print(description);
}

void FailureReporter::settingsNotSaved(const QStringList &settingsAndReasons)
{
    if (settingsAndReasons.isEmpty())
        return;
    const QString text = QStringLiteral("These settings could not be saved:\n\n") +
                         settingsAndReasons.join(QLatin1Char('\n'));
    m_print(settingsAndReasons.join(QStringLiteral("; ")));
    m_show(ProgramIdentity::name, text);
}

void FailureReporter::fatal(const QString &what)
{
    if (m_fatalShown)
        return;
    m_fatalShown = true;
    m_exitStatus = 1;
    // Nothing may tick behind the message: the state that failed is suspect.
    m_timers.halt();
    m_print(QStringLiteral("fatal: ") + what);
    m_show(ProgramIdentity::name,
           QStringLiteral("The program has to end because of this failure:\n\n") + what);
    m_exit(m_exitStatus);
}
