// SPDX-License-Identifier: MIT
#include "platform/WindowLoss.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <xcb/xcb.h>

namespace {

class WindowLossX11 final : public WindowLoss, private QAbstractNativeEventFilter
{
public:
    explicit WindowLossX11(QWidget &window)
        : m_window(&window)
        , m_id(static_cast<xcb_window_t>(window.winId()))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~WindowLossX11() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

private:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t" || !m_window)
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY)
            return false;
        const auto *destroyed = static_cast<const xcb_destroy_notify_event_t *>(message);
        // Qt destroys its own windows only after the widget has let go of
        // them, so a destruction while the widget still holds this id is
        // someone else's doing.
        if (destroyed->window != m_id || !m_window->testAttribute(Qt::WA_WState_Created) ||
            static_cast<xcb_window_t>(m_window->internalWinId()) != m_id)
            return false;
        m_id = XCB_WINDOW_NONE;
        emit lost();
        return false;
    }

    QPointer<QWidget> m_window;
    xcb_window_t m_id;
};

} // namespace

std::unique_ptr<WindowLoss> WindowLoss::forPlatform(QWidget &window)
{
    return std::make_unique<WindowLossX11>(window);
}

WindowLoss::~WindowLoss() = default;
