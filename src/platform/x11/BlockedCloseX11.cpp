// SPDX-License-Identifier: MIT
#include "platform/BlockedClose.h"

#include "platform/x11/PropertiesX11.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

namespace {

class BlockedCloseX11 final : public BlockedClose, private QAbstractNativeEventFilter
{
public:
    BlockedCloseX11(xcb_connection_t *connection, QWidget &window)
        : m_window(&window)
        , m_protocols(PropertiesX11::atom(connection, "WM_PROTOCOLS"))
        , m_delete(PropertiesX11::atom(connection, "WM_DELETE_WINDOW"))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~BlockedCloseX11() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

private:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t" || !m_window)
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto *client = static_cast<const xcb_client_message_event_t *>(message);
        if (client->type != m_protocols || client->data.data32[0] != m_delete ||
            client->window != static_cast<xcb_window_t>(m_window->internalWinId()))
            return false;
        const QWindow *modal = QGuiApplication::modalWindow();
        if (modal && modal != m_window->windowHandle())
            emit requested();
        return false;
    }

    QPointer<QWidget> m_window;
    xcb_atom_t m_protocols;
    xcb_atom_t m_delete;
};

// Without X11 nothing is asked of the window this way.
class NoBlockedClose final : public BlockedClose
{};

} // namespace

std::unique_ptr<BlockedClose> BlockedClose::forPlatform(QWidget &window)
{
    if (xcb_connection_t *connection = PropertiesX11::connection())
        return std::make_unique<BlockedCloseX11>(connection, window);
    return std::make_unique<NoBlockedClose>();
}

BlockedClose::~BlockedClose() = default;
