// SPDX-License-Identifier: MIT
#include "platform/LoginStart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace LoginStart {
namespace {

QString entryPath(const Entry &entry)
{
    // $XDG_CONFIG_HOME, or ~/.config when it is unset or not absolute.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + entry.id + QStringLiteral(".desktop");
}

// Every string of a desktop entry takes these escapes.
QString escaped(const QString &text)
{
    QString value;
    for (const QChar c : text) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

// Exec takes a command line, quoted like a shell's but with its own rules,
// inside a value with the escapes of every other desktop entry string.
QString execValue(const QString &executable)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (const QChar c : executable)
        quote = quote || reserved.contains(c);
    QString argument;
    for (const QChar c : executable) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            argument += u'\\';
        argument += c;
    }
    if (quote)
        argument = u'"' + argument + u'"';
    argument.replace(u'%', QStringLiteral("%%"));
    return escaped(argument);
}

} // namespace

Outcome enable(const Entry &entry)
{
    const QString path = entryPath(entry);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return {
            false,
            QStringLiteral("Could not make the folder %1.").arg(QFileInfo(path).absolutePath())};
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Comment=%2\n"
                                        "Exec=%3\n"
                                        // A program removed without undoing this leaves an
                                        // entry that the session skips instead of failing on.
                                        "TryExec=%5\n"
                                        "Icon=%4\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(entry.name, entry.comment, execValue(entry.executable),
                                  entry.icon, escaped(entry.executable));
    // Written whole or not at all: a half-written entry could start anything.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return {false, QStringLiteral("Could not write %1: %2.").arg(path, file.errorString())};
    return {true, QStringLiteral("%1 will start at login: wrote %2.").arg(entry.name, path)};
}

Outcome disable(const Entry &entry)
{
    const QString path = entryPath(entry);
    QFile file(path);
    if (!file.exists()) {
        return {true, QStringLiteral("%1 was not set to start at login: there is no %2.")
                          .arg(entry.name, path)};
    }
    if (!file.remove())
        return {false, QStringLiteral("Could not remove %1: %2.").arg(path, file.errorString())};
    return {true,
            QStringLiteral("%1 will no longer start at login: removed %2.").arg(entry.name, path)};
}

} // namespace LoginStart
