// SPDX-License-Identifier: MIT
#include "settings/StoreMedium.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <sys/resource.h>

namespace StoreMedium {
namespace {

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// True when the file holds anything QSettings would drop or change when it
// writes the file anew: bytes that are not UTF-8, control characters,
// comments, or lines that are neither a [section] nor a key=value pair.
// QSettings itself reports this only at the first read of a file in a
// process, so the bytes are judged here.
bool damaged(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return true;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        bool quoted = false;
        for (const QChar c : line) {
            if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
                return true;
            if (c == QLatin1Char('"'))
                quoted = !quoted;
            else if (c == QLatin1Char(';') && !quoted)
                return true; // the rest of the line is a comment to QSettings
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            continue;
        if (line.startsWith(QLatin1Char('#')) || line.indexOf(QLatin1Char('=')) < 1)
            return true;
    }
    return false;
}

// The first free name of "<file>.damaged", "<file>.damaged.1", ...
QString copyPath(const QString &filePath)
{
    const QString first = filePath + QStringLiteral(".damaged");
    QString candidate = first;
    for (int number = 1; QFileInfo::exists(candidate); ++number)
        candidate = first + QLatin1Char('.') + QString::number(number);
    return candidate;
}

} // namespace

QString whyUnwritable(const QString &filePath)
{
    const QFileInfo file(filePath);
    const QString folder = file.absolutePath();
    QFileInfo nearest(folder);
    while (!nearest.exists()) {
        const QString parent = nearest.absolutePath();
        if (parent == nearest.absoluteFilePath())
            break;
        nearest.setFile(parent);
    }
    if (nearest.exists() && !nearest.isDir()) {
        return QStringLiteral("\"%1\" is a file, so the folder \"%2\" cannot be made")
            .arg(nativePath(nearest.absoluteFilePath()), nativePath(folder));
    }
    if (nearest.absoluteFilePath() != QFileInfo(folder).absoluteFilePath()) {
        if (!nearest.isWritable()) {
            return QStringLiteral("the folder \"%1\" is read-only, so the folder \"%2\" cannot "
                                  "be made")
                .arg(nativePath(nearest.absoluteFilePath()), nativePath(folder));
        }
        return QStringLiteral("the folder \"%1\" cannot be made").arg(nativePath(folder));
    }
    if (!nearest.isWritable())
        return QStringLiteral("the folder \"%1\" is read-only").arg(nativePath(folder));
    if (file.isDir())
        return QStringLiteral("\"%1\" is a directory").arg(nativePath(filePath));
    if (file.isSymLink() && !file.exists()) {
        return QStringLiteral("\"%1\" is a broken link to \"%2\"")
            .arg(nativePath(filePath), nativePath(file.symLinkTarget()));
    }
    if (file.exists() && !file.isReadable())
        return QStringLiteral("the file cannot be read, so it cannot be brought up to date");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("the file is read-only");
    // Under a file size limit the write fails as on a full disk; SIGXFSZ is
    // ignored so that it comes to this.
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        return QStringLiteral("file too large for the limit of %1 bytes a file may have here")
            .arg(static_cast<qulonglong>(limit.rlim_cur));
    }
    return QStringLiteral("the disk may be full, or another program may hold the file");
}

Refusal keepIfDamaged(const QString &filePath, const std::function<void(const QString &)> &print)
{
    QFile file(filePath);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) {
        // Nothing to keep, or nothing that can be read: the write itself
        // will tell.
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (!damaged(bytes))
        return std::nullopt;
    const QString copy = copyPath(filePath);
    if (!QFile::copy(filePath, copy)) {
        QFile::remove(copy);
        return QStringLiteral("it holds lines that are not settings and no copy of it could be "
                              "made as \"%1\", so it was left as it is")
            .arg(nativePath(copy));
    }
    print(QStringLiteral("the settings file \"%1\" holds lines that are not "
                         "settings; it is kept as \"%2\" and written anew")
              .arg(nativePath(filePath), nativePath(copy)));
    return std::nullopt;
}

} // namespace StoreMedium
