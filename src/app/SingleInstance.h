// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class SessionGuard;

// One running strip per user, display and executable name. The first start
// holds a lock file and listens on a local socket beside it; a later start
// finds the lock held, asks the holder through the socket to come to the
// front, and ends. A lock left by a run that crashed names a process that is
// gone, or none at all, and is taken over; where the system can say that no
// other copy runs in the session, it is taken over whatever process it names.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // `folder` holds the lock and the socket; `key` tells instances apart.
    SingleInstance(const QString &folder, const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The key for this process: its executable's name and the display it
    // shows its windows on. Needs the application object.
    [[nodiscard]] static QString keyForThisProcess();
    // In the user's runtime folder, private to the user and cleared at
    // logout, or else in the user's cache folder; empty when neither is to be
    // had.
    [[nodiscard]] static QString defaultFolder();

    enum class Claim
    {
        First,   // this process runs the strip
        Handed,  // the running strip was asked to come to the front
        NoAnswer // a live process holds the lock but does not answer
    };
    [[nodiscard]] Claim claim();

signals:
    // Another start asked this one to bring its strip to the front.
    void activationRequested();

private:
    void listen();
    [[nodiscard]] bool askHolder() const;
    // False when the lock stays; then the start goes on without the check.
    bool removeUnreadableLock();

    QString m_folder;
    QString m_socketName;
    QLockFile m_lock;
    std::unique_ptr<SessionGuard> m_session;
    std::unique_ptr<QLocalServer> m_server;
};
