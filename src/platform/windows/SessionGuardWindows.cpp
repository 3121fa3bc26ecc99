// SPDX-License-Identifier: MIT
#include "platform/SessionGuard.h"

#include <windows.h>

#include <string>

namespace {

class SessionGuardWindows final : public SessionGuard
{
public:
    explicit SessionGuardWindows(const QString &name)
    {
        // "Local\" keeps each logon session, and so each desktop, apart.
        const std::wstring full = (QStringLiteral("Local\\") + name).toStdWString();
        m_handle = CreateMutexW(nullptr, FALSE, full.c_str());
        m_alone = m_handle && GetLastError() != ERROR_ALREADY_EXISTS;
    }
    ~SessionGuardWindows() override
    {
        if (m_handle)
            CloseHandle(m_handle);
    }

    [[nodiscard]] bool leftoverLockIsStale() const override { return m_alone; }

private:
    HANDLE m_handle = nullptr;
    bool m_alone = false;
};

} // namespace

std::unique_ptr<SessionGuard> SessionGuard::forPlatform(const QString &name)
{
    return std::make_unique<SessionGuardWindows>(name);
}
