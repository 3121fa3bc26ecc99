// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include "base/ErrorLine.h"
#include "base/ProgramIdentity.h"
#include "platform/InstanceChannel.h"
#include "platform/SessionGuard.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <optional>

namespace {

const QByteArray request = QByteArrayLiteral("activate\n");
const QByteArray answer = QByteArrayLiteral("ok\n");

// Long enough for a first start that has just taken the lock to open its
// socket, short enough not to keep a user waiting on one that hangs.
constexpr int answerWithinMs = 5000;
// A start that has just made its lock file fills it at once; one that stays
// empty or unreadable longer was left so by a crash, or was never a lock.
constexpr int unreadableForMs = 1000;

// Plain loops rather than regular expressions: the running strip would keep
// the expression engine's pages resident for two uses at start-up.
QString safeForFileName(QString text)
{
    for (QChar &c : text) {
        const bool safe = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                          (c >= u'0' && c <= u'9') || c == u'.' || c == u'_' || c == u'-';
        if (!safe)
            c = u'_';
    }
    return text;
}

// "[protocol/][host]:display[.screen]" names the X server and the screen. The
// local socket goes by the host "unix", by the protocol "unix/" and by no
// host at all; screen 0 goes by no screen at all.
QString x11Display(const QString &display)
{
    const qsizetype colon = display.lastIndexOf(u':');
    if (colon < 0)
        return display;
    QString host = display.left(colon);
    if (host == u"unix" || host.startsWith(QStringLiteral("unix/")))
        host.clear();
    QString server = display.mid(colon + 1);
    const qsizetype dot = server.indexOf(u'.');
    QString screen = dot < 0 ? QStringLiteral("0") : server.mid(dot + 1);
    if (dot >= 0)
        server.truncate(dot);
    const auto number = [](const QString &text) {
        return !text.isEmpty() &&
               std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    };
    if (!number(server) || !number(screen))
        return display;
    return host + u':' + QString::number(server.toULongLong()) + u'.' +
           QString::number(screen.toULongLong());
}

QString displayName()
{
    const QString platform = QGuiApplication::platformName();
    QString display;
    if (platform == u"xcb")
        display = x11Display(QString::fromLocal8Bit(qgetenv("DISPLAY")));
    else if (platform == u"wayland")
        display = QString::fromLocal8Bit(qgetenv("WAYLAND_DISPLAY"));
    return display.isEmpty() ? platform : platform + u'-' + display;
}

// A local socket's path has room for 106 bytes beside the nulls Qt keeps for
// the abstract namespace; a renamed copy's long name
// must not push it past them, so such a key is cut short and a hash of the
// whole of it keeps it apart from others.
QString fittedKey(const QString &folder, const QString &key)
{
    constexpr qsizetype pathRoom = 106;
    const qsizetype room =
        pathRoom - QFile::encodeName(folder).size() - qsizetype(sizeof("/.socket") - 1);
    if (QFile::encodeName(key).size() <= room)
        return key;
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
    return key.left(std::max<qsizetype>(0, room - hash.size() - 1)) + u'-' + hash;
}

} // namespace

SingleInstance::SingleInstance(const QString &folder, const QString &key, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_socketName(InstanceChannel::serverName(folder, fittedKey(folder, key)))
    , m_lock(folder + u'/' + fittedKey(folder, key) + QStringLiteral(".lock"))
    , m_session(SessionGuard::forPlatform(ProgramIdentity::id + u'-' + fittedKey({}, key)))
{
    // The lock is held for the whole run; by default QLockFile would call it
    // stale after 30 seconds and let a second instance take it over.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyForThisProcess()
{
    return safeForFileName(ProgramIdentity::runningExecutable() + u'@' + displayName());
}

QString SingleInstance::defaultFolder()
{
    // Qt answers with nothing when the runtime folder is unset and the one it
    // would make instead is not safe (another user made it first).
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) {
        // Without a home folder Qt would name one in the root.
        if (qEnvironmentVariableIsEmpty("XDG_CACHE_HOME") && QDir::homePath() == QDir::rootPath())
            return {};
        base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    }
    if (!QDir::isAbsolutePath(base) || QDir(base) == QDir::root())
        return {};
    return base + u'/' + ProgramIdentity::id;
}

SingleInstance::Claim SingleInstance::claim()
{
    QString problem = QStringLiteral("no runtime or cache folder of this user's is to be had");
    if (m_folder.isEmpty() || !InstanceChannel::makePrivateFolder(m_folder, problem)) {
        ErrorLine::print(
            QStringLiteral("Could not use %1 (%2); starting without checking for a "
                           "running copy.")
                .arg(m_folder.isEmpty() ? QStringLiteral("a private folder") : m_folder, problem));
        return Claim::First;
    }
    // Windows soon hands out a dead process's id again, so a crashed run's
    // lock may name this very process and look held.
    if (m_session->leftoverLockIsStale())
        QFile::remove(m_lock.fileName());
    const QDeadlineTimer deadline(answerWithinMs);
    std::optional<QDeadlineTimer> unreadable;
    for (;;) {
        if (m_lock.tryLock(0)) {
            listen();
            return Claim::First;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            // Never let a lock that cannot be made stand between the user and
            // the strip.
            ErrorLine::print(
                QStringLiteral("Could not lock %1; starting without checking for a running "
                               "copy.")
                    .arg(m_lock.fileName()));
            return Claim::First;
        }
        InstanceChannel::allowOtherToComeForward();
        if (askHolder())
            return Claim::Handed;
        qint64 pid = 0;
        QString host;
        QString application;
        if (m_lock.getLockInfo(&pid, &host, &application)) {
            unreadable.reset();
        } else if (!unreadable) {
            unreadable = QDeadlineTimer(unreadableForMs);
        } else if (unreadable->hasExpired()) {
            if (!removeUnreadableLock())
                return Claim::First;
            unreadable.reset();
            continue;
        }
        if (deadline.hasExpired())
            return Claim::NoAnswer;
        QThread::msleep(50);
    }
}

bool SingleInstance::removeUnreadableLock()
{
    const QString path = m_lock.fileName();
    const QFileInfo lock(path);
    // A link is removed, never what it points to.
    const bool removed =
        lock.isDir() && !lock.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
    if (removed) {
        ErrorLine::report(QStringLiteral("took over the lock %1, which named no running copy "
                                         "(empty or damaged, as a crash can leave it).")
                              .arg(path));
    } else {
        ErrorLine::print(QStringLiteral("Could not remove the lock %1, which names no running "
                                        "copy; starting without checking for a running copy.")
                             .arg(path));
    }
    return removed;
}

void SingleInstance::listen()
{
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock means that a socket left behind is a crashed run's.
    QLocalServer::removeServer(m_socketName);
    if (!m_server->listen(m_socketName)) {
        ErrorLine::print(
            QStringLiteral("Could not listen on %1 (%2); a second start will not find this "
                           "one.")
                .arg(m_socketName, m_server->errorString()));
        return;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == request) {
                    socket->write(answer);
                    socket->flush();
                    emit activationRequested();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

bool SingleInstance::askHolder() const
{
    QLocalSocket socket;
    socket.connectToServer(m_socketName);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(request);
    if (!socket.waitForBytesWritten(answerWithinMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(answerWithinMs))
            return false;
    }
    return socket.readLine() == answer;
}
