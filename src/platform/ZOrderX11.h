#pragma once

#include "platform/ZOrder.h"

#include <cstdint>

struct xcb_connection_t;

// The z-order of an X11 desktop whose window manager follows the Extended
// Window Manager Hints: _NET_ACTIVE_WINDOW tells the foreground window, and
// the _NET_WM_STATE_ABOVE state is the topmost layer.
class ZOrderX11 final : public ZOrder
{
public:
    // Null unless the application runs on X11 under such a window manager.
    static std::unique_ptr<ZOrderX11> forThisSession();

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

    xcb_connection_t *m_connection;
    std::uint32_t m_root;
    Atoms m_atoms;
};
