// SPDX-License-Identifier: MIT
#include "forms/main/BootTimeToolTip.h"

#include "engine/TickSource.h"
#include "platform/FastStartup.h"

#include <QDateTime>
#include <QHelpEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QToolTip>
#include <QWidget>

BootTimeToolTip::BootTimeToolTip(const TickSource &ticks, QObject *parent)
    : QObject(parent)
    , m_ticks(ticks)
{}

QString BootTimeToolTip::text(std::uint64_t uptimeMilliseconds, const QDateTime &now,
                              const QLocale &locale, bool sinceRestart)
{
    const QDateTime boot = now.addMSecs(-static_cast<qint64>(uptimeMilliseconds));
    // The date as the locale writes it in full, in its own order and digits;
    // the time in its own short form, to the minute: some locales, C among
    // them, add seconds even there.
    static const QRegularExpression seconds(QStringLiteral("[.:]ss?"));
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    timeFormat.remove(seconds);
    const QString upSince = QStringLiteral("Up since %1, %2")
                                .arg(locale.toString(boot.date(), QLocale::LongFormat),
                                     locale.toString(boot.time(), timeFormat));
    if (!sinceRestart)
        return upSince;
    return upSince +
           QStringLiteral("\nCounted from the last restart: Shut down with Fast Startup does "
                          "not end the count.");
}

bool BootTimeToolTip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    const auto *help = static_cast<QHelpEvent *>(event);
    QToolTip::showText(help->globalPos(),
                       text(m_ticks.milliseconds(), QDateTime::currentDateTime(), QLocale(),
                            FastStartup::keepsTheCount()),
                       qobject_cast<QWidget *>(watched));
    return true;
}
