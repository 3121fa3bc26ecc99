#include "platform/SessionGuard.h"

#include <windows.h>

#include <string>

SessionGuard::SessionGuard(const QString &name)
{
    // "Local\" keeps each logon session, and so each desktop, apart.
    const std::wstring full = (QStringLiteral("Local\\") + name).toStdWString();
    m_handle = CreateMutexW(nullptr, FALSE, full.c_str());
    m_alone = m_handle && GetLastError() != ERROR_ALREADY_EXISTS;
}

SessionGuard::~SessionGuard()
{
    if (m_handle)
        CloseHandle(m_handle);
}

bool SessionGuard::leftoverLockIsStale() const
{
    return m_alone;
}

void SessionGuard::allowOtherToComeForward()
{
    AllowSetForegroundWindow(ASFW_ANY);
}
