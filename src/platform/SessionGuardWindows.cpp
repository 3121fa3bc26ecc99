#include "platform/SessionGuard.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
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
