// SPDX-License-Identifier: MIT
#include "platform/SessionGuard.h"

namespace {

// The X11 session keeps no record of programs by name; the lock file decides.
class SessionGuardX11 final : public SessionGuard
{
public:
    [[nodiscard]] bool leftoverLockIsStale() const override { return false; }
};

} // namespace

std::unique_ptr<SessionGuard> SessionGuard::forPlatform(const QString &)
{
    return std::make_unique<SessionGuardX11>();
}
