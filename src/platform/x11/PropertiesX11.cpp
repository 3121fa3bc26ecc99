// SPDX-License-Identifier: MIT
#include "platform/x11/PropertiesX11.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace PropertiesX11 {

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

std::uint32_t rootOf(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

std::uint32_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr),
                                            &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> read32(xcb_connection_t *connection, std::uint32_t window,
                                  std::uint32_t name, std::uint32_t type, std::uint32_t maxValues)
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

const xcb_property_notify_event_t *propertyChange(const QByteArray &eventType, const void *message)
{
    if (eventType != "xcb_generic_event_t")
        return nullptr;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return nullptr;
    return static_cast<const xcb_property_notify_event_t *>(message);
}

void sendToRoot(xcb_connection_t *connection, std::uint32_t window, std::uint32_t type,
                std::initializer_list<std::uint32_t> data)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::copy(data.begin(), data.end(), std::begin(event.data.data32));
    xcb_send_event(connection, 0, rootOf(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

void requestState(xcb_connection_t *connection, std::uint32_t window, bool add, std::uint32_t state)
{
    // _NET_WM_STATE_ADD or _REMOVE, the state, no second state, and the
    // source: a normal application.
    sendToRoot(connection, window, atom(connection, "_NET_WM_STATE"), {add ? 1u : 0u, state, 0, 1});
}

void addState(xcb_connection_t *connection, std::uint32_t window, bool mapped, std::uint32_t state)
{
    if (state == XCB_ATOM_NONE)
        return;
    if (mapped) {
        requestState(connection, window, true, state);
        return;
    }
    // An unmapped window carries its states as a property; Qt keeps atoms
    // already there when it writes its own states at map time.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, atom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, 1, &state);
    xcb_flush(connection);
}

} // namespace PropertiesX11
