// SPDX-License-Identifier: MIT
#include "platform/InstanceChannel.h"

#include "base/ProgramIdentity.h"

#include <QDir>

#include <windows.h>

namespace InstanceChannel {

// The user's profile folders are the user's own already.
bool makePrivateFolder(const QString &folder, QString &problem)
{
    problem = QStringLiteral("it cannot be made");
    return QDir().mkpath(folder);
}

// Local servers are named pipes here, which live in a namespace of their own
// rather than in a folder, shared by every user of the machine.
QString serverName(const QString &, const QString &key)
{
    QString user = qEnvironmentVariable("USERNAME");
    for (QChar &c : user) {
        const bool plain = c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'.' || c == u'-');
        if (!plain)
            c = u'_';
    }
    return ProgramIdentity::id + u'-' + user + u'-' + key;
}

void allowOtherToComeForward()
{
    AllowSetForegroundWindow(ASFW_ANY);
}

} // namespace InstanceChannel
