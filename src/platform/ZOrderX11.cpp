#include "platform/ZOrderX11.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr),
                                            &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A property of 32-bit values, empty when it is missing or of another type.
std::vector<uint32_t> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type, uint32_t maxValues)
{
    const auto cookie = xcb_get_property(connection, 0, window, name, type, 0, maxValues);
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr),
                                             &std::free);
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto *values = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return {values, values + count};
}

// EWMH: a window manager names its check window on the root and on the check
// window itself; a name left on the root by one that has gone points nowhere.
bool hasLiveWindowManager(xcb_connection_t *connection, xcb_window_t root)
{
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<uint32_t> onRoot = property(connection, root, check, XCB_ATOM_WINDOW, 1);
    if (onRoot.empty())
        return false;
    const std::vector<uint32_t> onItself =
        property(connection, onRoot.front(), check, XCB_ATOM_WINDOW, 1);
    return onItself == onRoot;
}

} // namespace

std::unique_ptr<ZOrderX11> ZOrderX11::forThisSession()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return nullptr;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (!hasLiveWindowManager(connection, root))
        return nullptr;

    const Atoms atoms{atom(connection, "_NET_ACTIVE_WINDOW"), atom(connection, "_NET_WM_STATE"),
                      atom(connection, "_NET_WM_STATE_ABOVE")};
    const std::vector<uint32_t> supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
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
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *change = static_cast<const xcb_property_notify_event_t *>(message);
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
            property(m_connection, m_root, m_atoms.activeWindow, XCB_ATOM_WINDOW, 1);
        m_active = active.empty() ? 0 : active.front();
    }
    return *m_active;
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
        property(m_connection, static_cast<xcb_window_t>(window), m_atoms.state, XCB_ATOM_ATOM, 64);
    const bool above = std::find(states.begin(), states.end(), m_atoms.above) != states.end();
    // Other programs' windows send us no word of their changes.
    if (isOurs(window))
        m_above[window] = above;
    return above;
}

void ZOrderX11::demote(Handle window)
{
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
    // The state of a mapped window belongs to the window manager: it is
    // asked through the root, and answers by restacking the window.
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window);
    event.type = m_atoms.state;
    event.data.data32[0] = add ? 1 : 0; // _NET_WM_STATE_ADD or _REMOVE
    event.data.data32[1] = m_atoms.above;
    event.data.data32[3] = 1; // source: a normal application
    xcb_send_event(m_connection, 0, m_root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(m_connection);
}
