#include "platform/NeverMinimisedNative.h"

#include "platform/X11Properties.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <vector>

using X11Properties::atom;
using X11Properties::read32;

namespace {

// _NET_WM_STATE_HIDDEN on the window, whatever Qt makes of it: Qt reports a
// window as minimised only when WM_STATE says Iconic too.
class HiddenFilter final : public QAbstractNativeEventFilter
{
public:
    HiddenFilter(xcb_connection_t *connection, QWidget *window, std::function<void()> hidden)
        : m_connection(connection)
        , m_window(window)
        , m_hidden(std::move(hidden))
        , m_state(atom(connection, "_NET_WM_STATE"))
        , m_hiddenState(atom(connection, "_NET_WM_STATE_HIDDEN"))
    {}

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        const xcb_property_notify_event_t *notify =
            X11Properties::propertyChange(eventType, message);
        if (!notify || notify->atom != m_state || notify->window != m_window->internalWinId())
            return false;
        const std::vector<uint32_t> states =
            read32(m_connection, notify->window, m_state, XCB_ATOM_ATOM, 64);
        if (std::find(states.begin(), states.end(), m_hiddenState) != states.end())
            m_hidden();
        return false;
    }

private:
    xcb_connection_t *m_connection;
    QWidget *m_window;
    std::function<void()> m_hidden;
    xcb_atom_t m_state;
    xcb_atom_t m_hiddenState;
};

} // namespace

NeverMinimised::NativeWatch::NativeWatch(QWidget *window, std::function<void()> hidden)
    : m_window(window)
{
    xcb_connection_t *connection = X11Properties::connection();
    if (!connection)
        return;
    m_filter = std::make_unique<HiddenFilter>(connection, window, std::move(hidden));
    QCoreApplication::instance()->installNativeEventFilter(m_filter.get());
}

NeverMinimised::NativeWatch::~NativeWatch() = default;

void NeverMinimised::NativeWatch::restore()
{
    xcb_connection_t *connection = X11Properties::connection();
    if (!connection || !m_window->internalWinId())
        return;
    // ICCCM: mapping an iconic window asks the window manager for it back; a
    // window already mapped takes no notice.
    xcb_map_window(connection, static_cast<xcb_window_t>(m_window->internalWinId()));
    xcb_flush(connection);
}
