// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

// What the system itself knows of other starts of the program in the user's
// session, beside the lock file that every platform keeps. On Windows a
// named mutex, which dies with the process that holds it; elsewhere nothing,
// and the lock file decides alone.
class SessionGuard
{
public:
    // Holds `name` for as long as the guard lives.
    static std::unique_ptr<SessionGuard> forPlatform(const QString &name);
    virtual ~SessionGuard() = default;
    SessionGuard(const SessionGuard &) = delete;
    SessionGuard &operator=(const SessionGuard &) = delete;

    // True when no other live process holds the name, so a lock file left
    // behind is a dead run's, even one naming a process id that the system
    // has since given to this process.
    [[nodiscard]] virtual bool leftoverLockIsStale() const = 0;

protected:
    SessionGuard() = default;
};
