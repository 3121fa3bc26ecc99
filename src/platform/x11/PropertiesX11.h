// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <vector>

struct xcb_connection_t;
struct xcb_property_notify_event_t;

// The few X11 requests the platform layer makes of the window manager's
// properties, on the connection Qt opened.
namespace PropertiesX11 {

// A reply of xcb, which the caller frees.
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// Null unless the application runs on X11.
[[nodiscard]] xcb_connection_t *connection();
[[nodiscard]] std::uint32_t rootOf(xcb_connection_t *connection);

// XCB_ATOM_NONE (0) when the server refuses.
[[nodiscard]] std::uint32_t atom(xcb_connection_t *connection, const char *name);

// A property of 32-bit values, empty when it is missing or of another type.
[[nodiscard]] std::vector<std::uint32_t> read32(xcb_connection_t *connection, std::uint32_t window,
                                                std::uint32_t name, std::uint32_t type,
                                                std::uint32_t maxValues);

// The property change that a native event from Qt's xcb plugin carries, or
// null for any other event.
[[nodiscard]] const xcb_property_notify_event_t *propertyChange(const QByteArray &eventType,
                                                                const void *message);

// A request about `window` to the window manager, sent through the root.
void sendToRoot(xcb_connection_t *connection, std::uint32_t window, std::uint32_t type,
                std::initializer_list<std::uint32_t> data);

// The state of a mapped window belongs to the window manager: adding or
// removing one is a request sent through the root.
void requestState(xcb_connection_t *connection, std::uint32_t window, bool add,
                  std::uint32_t state);
// Adds a state before the window is mapped as well as after.
void addState(xcb_connection_t *connection, std::uint32_t window, bool mapped, std::uint32_t state);

} // namespace PropertiesX11
