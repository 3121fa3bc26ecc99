// SPDX-License-Identifier: MIT
#include "platform/ZOrder.h"
#include "platform/ZOrderAwaitingWindowManager.h"
#include "platform/ZOrderStaysOnTopHint.h"
#include "platform/x11/PropertiesX11.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

using PropertiesX11::atom;
using PropertiesX11::read32;
using PropertiesX11::ReplyPtr;

namespace {

// EWMH: a window manager names its check window on the root and on the check
// window itself; a name left on the root by one that has gone points nowhere.
bool hasLiveWindowManager(xcb_connection_t *connection, xcb_window_t root)
{
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<uint32_t> onRoot = read32(connection, root, check, XCB_ATOM_WINDOW, 1);
    if (onRoot.empty())
        return false;
    const std::vector<uint32_t> onItself =
        read32(connection, onRoot.front(), check, XCB_ATOM_WINDOW, 1);
    return onItself == onRoot;
}

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

std::unique_ptr<ZOrderX11> ZOrderX11::forThisSession()
{
    xcb_connection_t *connection = PropertiesX11::connection();
    if (!connection)
        return nullptr;
    const xcb_window_t root = PropertiesX11::rootOf(connection);
    if (!hasLiveWindowManager(connection, root))
        return nullptr;

    const Atoms atoms{atom(connection, "_NET_ACTIVE_WINDOW"), atom(connection, "_NET_WM_STATE"),
                      atom(connection, "_NET_WM_STATE_ABOVE")};
    const std::vector<uint32_t> supported =
        read32(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    for (const uint32_t needed : {atoms.activeWindow, atoms.state, atoms.above}) {
        if (needed == XCB_ATOM_NONE ||
            std::find(supported.begin(), supported.end(), needed) == supported.end())
            return nullptr;
    }
    return std::unique_ptr<ZOrderX11>(new ZOrderX11(connection, root, atoms));
}

ZOrderX11::ZOrderX11(xcb_connection_t *connection, std::uint32_t root, Atoms atoms)
    : m_connection(connection)
    , m_root(root)
    , m_atoms(atoms)
{
    // The root's property changes tell when the foreground window changes.
    const auto cookie = xcb_get_window_attributes(m_connection, m_root);
    ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(m_connection, cookie, nullptr), &std::free);
    const uint32_t mask = attributes ? attributes->your_event_mask : 0;
    if (!(mask & XCB_EVENT_MASK_PROPERTY_CHANGE)) {
        const uint32_t wanted = mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &wanted);
        xcb_flush(m_connection);
    }
    qGuiApp->installNativeEventFilter(this);
}

ZOrderX11::~ZOrderX11()
{
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

bool ZOrderX11::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    const xcb_property_notify_event_t *change = PropertiesX11::propertyChange(eventType, message);
    if (!change)
        return false;
    if (change->window == m_root && change->atom == m_atoms.activeWindow)
        m_active.reset();
    else if (change->atom == m_atoms.state)
        m_above.erase(change->window);
    return false;
}

ZOrder::Handle ZOrderX11::foregroundWindow()
{
    if (!m_active) {
        const std::vector<uint32_t> active =
            read32(m_connection, m_root, m_atoms.activeWindow, XCB_ATOM_WINDOW, 1);
        m_active = active.empty() ? 0 : active.front();
        watchForeground(*m_active);
    }
    return *m_active;
}

void ZOrderX11::watchForeground(Handle window)
{
    if (window == m_watched)
        return;
    // Checked requests: the window may be gone by now, which is no error of
    // ours to report.
    const auto listen = [this](Handle target, uint32_t mask) {
        const auto cookie = xcb_change_window_attributes_checked(
            m_connection, static_cast<xcb_window_t>(target), XCB_CW_EVENT_MASK, &mask);
        std::free(xcb_request_check(m_connection, cookie));
    };
    if (m_watched != 0) {
        listen(m_watched, XCB_EVENT_MASK_NO_EVENT);
        m_above.erase(m_watched);
    }
    m_watched = 0;
    if (window != 0 && !isOurs(window)) {
        listen(window, XCB_EVENT_MASK_PROPERTY_CHANGE);
        m_watched = window;
    }
}

bool ZOrderX11::isOurs(Handle window)
{
    const QWindowList windows = QGuiApplication::allWindows();
    return std::any_of(windows.begin(), windows.end(), [window](const QWindow *candidate) {
        return candidate->handle() && static_cast<Handle>(candidate->winId()) == window;
    });
}

bool ZOrderX11::isAbove(Handle window)
{
    const auto known = m_above.find(window);
    if (known != m_above.end())
        return known->second;
    const std::vector<uint32_t> states =
        read32(m_connection, static_cast<xcb_window_t>(window), m_atoms.state, XCB_ATOM_ATOM, 64);
    const bool above = std::find(states.begin(), states.end(), m_atoms.above) != states.end();
    // Other programs' windows send us no word of their changes unless asked.
    if (window == m_watched || isOurs(window))
        m_above[window] = above;
    return above;
}

void ZOrderX11::demote(Handle window)
{
    // Removing a state a window lacks changes nothing either.
    if (window != 0 && !isAbove(window))
        return;
    changeAbove(window, false);
}

void ZOrderX11::promote(Handle window)
{
    // Adding a state a window already has changes nothing, but the window
    // manager would still rewrite the state and wake us to say so.
    if (window != 0 && isAbove(window))
        return;
    changeAbove(window, true);
}

void ZOrderX11::changeAbove(Handle window, bool add)
{
    if (window == 0)
        return;
    // The window manager answers by restacking the window.
    PropertiesX11::requestState(m_connection, static_cast<xcb_window_t>(window), add,
                                m_atoms.above);
}

} // namespace

std::unique_ptr<ZOrder> ZOrder::forPlatform()
{
    if (std::unique_ptr<ZOrder> x11 = ZOrderX11::forThisSession())
        return x11;
    auto fallback = std::make_unique<ZOrderStaysOnTopHint>();
    if (!PropertiesX11::connection())
        return fallback;
    return std::make_unique<ZOrderAwaitingWindowManager>(
        std::move(fallback),
        []() -> std::unique_ptr<ZOrder> { return ZOrderX11::forThisSession(); });
}
