#include "SingleInstance.h"

#include "ProgramIdentity.h"
#include "settings/ErrorLine.h"
#include "settings/QSettingsStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace {

const QByteArray request = QByteArrayLiteral("activate\n");
const QByteArray answer = QByteArrayLiteral("ok\n");

// Long enough for a first start that has just taken the lock to open its
// socket, short enough not to keep a user waiting on one that hangs.
constexpr int answerWithinMs = 5000;

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

QString displayName()
{
    const QString platform = QGuiApplication::platformName();
    QString display;
    if (platform == u"xcb") {
        // ":0" and ":0.0" are the same display to the user.
        display = QString::fromLocal8Bit(qgetenv("DISPLAY"));
        const qsizetype dot = display.lastIndexOf(u'.');
        const QStringView screen = QStringView(display).mid(dot + 1);
        if (dot > display.lastIndexOf(u':') && !screen.isEmpty() &&
            std::all_of(screen.begin(), screen.end(), [](QChar c) { return c.isDigit(); }))
            display.truncate(dot);
    } else if (platform == u"wayland") {
        display = QString::fromLocal8Bit(qgetenv("WAYLAND_DISPLAY"));
    }
    return display.isEmpty() ? platform : platform + u'-' + display;
}

} // namespace

SingleInstance::SingleInstance(const QString &folder, const QString &key, QObject *parent)
    : QObject(parent)
#ifdef Q_OS_WIN
    // Local sockets are named pipes there, which live in a namespace of
    // their own rather than in a folder.
    , m_socketName(ProgramIdentity::id + u'-' + safeForFileName(qEnvironmentVariable("USERNAME")) +
                   u'-' + key)
#else
    , m_socketName(folder + u'/' + key + QStringLiteral(".socket"))
#endif
    , m_lock(folder + u'/' + key + QStringLiteral(".lock"))
    , m_session(ProgramIdentity::id + u'-' + key)
{
    // The lock is held for the whole run; by default QLockFile would call it
    // stale after 30 seconds and let a second instance take it over.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyForThisProcess()
{
    return safeForFileName(QSettingsStore::executableSection() + u'@' + displayName());
}

QString SingleInstance::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u'/' +
           ProgramIdentity::id;
}

SingleInstance::Claim SingleInstance::claim()
{
    const QString folder = QFileInfo(m_lock.fileName()).absolutePath();
    if (!QDir().mkpath(folder)) {
        ErrorLine::print(
            QStringLiteral("Could not make %1; starting without checking for a running copy.")
                .arg(folder));
        return Claim::First;
    }
    // Windows soon hands out a dead process's id again, so a crashed run's
    // lock may name this very process and look held.
    if (m_session.leftoverLockIsStale())
        QFile::remove(m_lock.fileName());
    const QDeadlineTimer deadline(answerWithinMs);
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
        SessionGuard::allowOtherToComeForward();
        if (askHolder())
            return Claim::Handed;
        if (deadline.hasExpired())
            return Claim::NoAnswer;
        QThread::msleep(50);
    }
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
