#pragma once

#include <QString>

// What the system itself knows of other starts of the program in the user's
// session, beside the lock file that every platform keeps. On Windows a
// named mutex, which dies with the process that holds it; elsewhere nothing,
// and the lock file decides alone.
class SessionGuard
{
public:
    // Holds `name` for as long as this object lives.
    explicit SessionGuard(const QString &name);
    ~SessionGuard();
    SessionGuard(const SessionGuard &) = delete;
    SessionGuard &operator=(const SessionGuard &) = delete;

    // True when no other live process holds the name, so a lock file left
    // behind is a dead run's, even one naming a process id that the system
    // has since given to this process.
    [[nodiscard]] bool leftoverLockIsStale() const;
    // Lets the running copy bring its window to the front when this start,
    // which the user has just launched and so may do so, asks it to.
    static void allowOtherToComeForward();

private:
    void *m_handle = nullptr;
    bool m_alone = false;
};
