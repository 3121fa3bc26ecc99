// SPDX-License-Identifier: MIT
#include "platform/ZOrderStaysOnTopHint.h"

#include "base/ErrorLine.h"

#include <QWidget>
#include <QWindow>

ZOrderStaysOnTopHint::ZOrderStaysOnTopHint(PrintLine print)
    : m_print(print ? std::move(print) : PrintLine(ErrorLine::report))
{}

ZOrder::Handle ZOrderStaysOnTopHint::foregroundWindow()
{
    // Our own focus window would only tell the keeper to leave the hint off
    // until the user looks elsewhere.
    return 0;
}

void ZOrderStaysOnTopHint::demote(Handle window)
{
    setStaysOnTop(window, false);
}

void ZOrderStaysOnTopHint::promote(Handle window)
{
    if (!m_told) {
        m_told = true;
        m_print(QStringLiteral("this desktop does not let a program see or "
                               "restack other windows; \"Always On Top\" only asks to keep the "
                               "strip above them (Qt's stays-on-top hint)"));
    }
    setStaysOnTop(window, true);
}

void ZOrderStaysOnTopHint::setStaysOnTop(Handle window, bool on)
{
    QWidget *widget = window != 0 ? QWidget::find(static_cast<WId>(window)) : nullptr;
    if (!widget || !widget->isWindow() || !widget->windowHandle())
        return;
    QWindow *native = widget->windowHandle();
    if (native->flags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    // QWidget::setWindowFlags would hide a visible window (and on X11 drop the
    // state the window manager gave it); the native window takes the hint as
    // it stands, and the widget is only told.
    native->setFlag(Qt::WindowStaysOnTopHint, on);
    Qt::WindowFlags flags = widget->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    widget->overrideWindowFlags(flags);
}
