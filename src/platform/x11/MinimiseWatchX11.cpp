// SPDX-License-Identifier: MIT
#include "platform/MinimiseWatch.h"

#include "platform/x11/PropertiesX11.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <vector>

using PropertiesX11::atom;
using PropertiesX11::read32;

namespace {

// _NET_WM_STATE_HIDDEN on the window, whatever Qt makes of it: Qt reports a
// window as minimised only when WM_STATE says Iconic too.
class HiddenFilter final : public QAbstractNativeEventFilter
{
public:
    HiddenFilter(xcb_connection_t *connection, QWidget &window, std::function<void()> hidden)
        : m_connection(connection)
        , m_window(window)
        , m_hidden(std::move(hidden))
        , m_state(atom(connection, "_NET_WM_STATE"))
        , m_hiddenState(atom(connection, "_NET_WM_STATE_HIDDEN"))
    {}

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        const xcb_property_notify_event_t *notify =
            PropertiesX11::propertyChange(eventType, message);
        if (!notify || notify->atom != m_state || notify->window != m_window.internalWinId())
            return false;
        const std::vector<uint32_t> states =
            read32(m_connection, notify->window, m_state, XCB_ATOM_ATOM, 64);
        if (std::find(states.begin(), states.end(), m_hiddenState) != states.end())
            m_hidden();
        return false;
    }

private:
    xcb_connection_t *m_connection;
    QWidget &m_window;
    std::function<void()> m_hidden;
    xcb_atom_t m_state;
    xcb_atom_t m_hiddenState;
};

// Keeps an eye on _NET_WM_STATE for the window manager's own notice.
class MinimiseWatchX11 final : public MinimiseWatch
{
public:
    MinimiseWatchX11(QWidget &window, std::function<void()> hidden)
        : m_window(window)
    {
        xcb_connection_t *connection = PropertiesX11::connection();
        if (!connection)
            return;
        m_filter = std::make_unique<HiddenFilter>(connection, window, std::move(hidden));
        QCoreApplication::instance()->installNativeEventFilter(m_filter.get());
    }

    void restore() override
    {
        xcb_connection_t *connection = PropertiesX11::connection();
        if (!connection || !m_window.internalWinId())
            return;
        // ICCCM: mapping an iconic window asks the window manager for it back;
        // a window already mapped takes no notice.
        xcb_map_window(connection, static_cast<xcb_window_t>(m_window.internalWinId()));
        xcb_flush(connection);
    }

private:
    QWidget &m_window;
    // Null without an X connection.
    std::unique_ptr<HiddenFilter> m_filter;
};

} // namespace

std::unique_ptr<MinimiseWatch> MinimiseWatch::forPlatform(QWidget &window,
                                                          std::function<void()> hidden)
{
    return std::make_unique<MinimiseWatchX11>(window, std::move(hidden));
}
