// SPDX-License-Identifier: MIT
#include "platform/WindowLoss.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <windows.h>

namespace {

// Another process cannot destroy our windows, but a hook or injected code in
// this one can, and closing the owner window from outside takes its owned
// windows with it.
class WindowLossWindows final : public WindowLoss, private QAbstractNativeEventFilter
{
public:
    explicit WindowLossWindows(QWidget &window)
        : m_window(&window)
        , m_id(reinterpret_cast<HWND>(window.winId()))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~WindowLossWindows() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

private:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "windows_generic_MSG" || !m_window || !m_id)
            return false;
        const auto *msg = static_cast<const MSG *>(message);
        if (msg->message != WM_DESTROY || msg->hwnd != m_id)
            return false;
        // Qt lets go of the window before destroying it itself, so a
        // WM_DESTROY while the widget still holds this handle is not Qt's.
        if (!m_window->testAttribute(Qt::WA_WState_Created) ||
            reinterpret_cast<HWND>(m_window->internalWinId()) != m_id)
            return false;
        m_id = nullptr;
        emit lost();
        return false;
    }

    QPointer<QWidget> m_window;
    HWND m_id;
};

} // namespace

std::unique_ptr<WindowLoss> WindowLoss::forPlatform(QWidget &window)
{
    return std::make_unique<WindowLossWindows>(window);
}

WindowLoss::~WindowLoss() = default;
