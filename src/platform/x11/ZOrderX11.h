// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ZOrder.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <map>
#include <optional>

struct xcb_connection_t;

// The z-order of an X11 desktop whose window manager follows the Extended
// Window Manager Hints: _NET_ACTIVE_WINDOW tells the foreground window, and
// the _NET_WM_STATE_ABOVE state is the topmost layer.
//
// Both are kept as the window manager last announced them, read again only
// after it says they changed: asking the X server each second would wake the
// program and its X connection several times a second for an answer that
// almost never changes.
class ZOrderX11 final : public ZOrder, public QAbstractNativeEventFilter
{
public:
    // Null unless the application runs on X11 under such a window manager.
    static std::unique_ptr<ZOrderX11> forThisSession();
    ~ZOrderX11() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    [[nodiscard]] Handle foregroundWindow() override;
    void demote(Handle window) override;
    void promote(Handle window) override;

private:
    struct Atoms
    {
        std::uint32_t activeWindow;
        std::uint32_t state;
        std::uint32_t above;
    };

    ZOrderX11(xcb_connection_t *connection, std::uint32_t root, Atoms atoms);
    void changeAbove(Handle window, bool add);
    [[nodiscard]] bool isAbove(Handle window);
    [[nodiscard]] static bool isOurs(Handle window);
    void watchForeground(Handle window);

    xcb_connection_t *m_connection;
    std::uint32_t m_root;
    Atoms m_atoms;
    std::optional<Handle> m_active;
    // The foreground window of another program, whose state changes we ask
    // to hear of while it has the foreground.
    Handle m_watched = 0;
    // Only windows whose state changes X tells us of: ours and the watched one.
    std::map<Handle, bool> m_above;
};
