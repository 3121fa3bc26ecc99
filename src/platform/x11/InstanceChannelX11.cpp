// SPDX-License-Identifier: MIT
#include "platform/InstanceChannel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace InstanceChannel {

bool makePrivateFolder(const QString &folder, QString &problem)
{
    QDir().mkpath(QFileInfo(folder).absolutePath());
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat status = {};
    if (::lstat(path.constData(), &status) != 0) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (!S_ISDIR(status.st_mode)) {
        problem = QStringLiteral("it is not a folder");
        return false;
    }
    if (status.st_uid != ::geteuid()) {
        problem = QStringLiteral("it belongs to another user");
        return false;
    }
    if ((status.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

QString serverName(const QString &folder, const QString &key)
{
    return folder + u'/' + key + QStringLiteral(".socket");
}

// Window managers judge focus requests by their own rules and tokens.
void allowOtherToComeForward() {}

} // namespace InstanceChannel
