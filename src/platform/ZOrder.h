// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <memory>

// The stacking layers of the desktop's top-level windows, as far as the
// platform lets a program see and change them. Windows are named by an opaque
// handle, 0 for no window.
class ZOrder
{
public:
    using Handle = quintptr;

    // The best the running session offers, chosen when called; on X11 a
    // window manager that starts later is taken up once it is there.
    static std::unique_ptr<ZOrder> forPlatform();
    virtual ~ZOrder() = default;
    ZOrder(const ZOrder &) = delete;
    ZOrder &operator=(const ZOrder &) = delete;

    // The window that has the foreground, or 0.
    [[nodiscard]] virtual Handle foregroundWindow() = 0;
    // Out of and into the topmost layer, without moving, resizing or
    // activating the window. A request the platform refuses changes nothing.
    virtual void demote(Handle window) = 0;
    virtual void promote(Handle window) = 0;

protected:
    ZOrder() = default;
};
