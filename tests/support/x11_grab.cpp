// SPDX-License-Identifier: MIT
// Saves a picture of an X11 window, frame included, for the README.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The window manager's frame is the ancestor that is a child of the root.
xcb_window_t frameOf(xcb_connection_t *connection, xcb_window_t window)
{
    for (;;) {
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr),
            &std::free);
        if (!tree || tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
            return window;
        window = tree->parent;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: x11_grab WINDOW-ID OUTPUT.png\n");
        return 2;
    }
    auto *x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return 2;
    const auto client = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const xcb_window_t frame = frameOf(x11->connection(), client);
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(frame);
    return picture.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
