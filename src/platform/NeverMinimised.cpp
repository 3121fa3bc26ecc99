// SPDX-License-Identifier: MIT
#include "platform/NeverMinimised.h"

#include "platform/MinimiseWatch.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

NeverMinimised::NeverMinimised(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
    window.installEventFilter(this);
}

NeverMinimised::~NeverMinimised() = default;

bool NeverMinimised::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window)
        return false;
    // Qt sends the first show before it maps the native window, so the hint
    // is there when the window manager first sees the window. Creating the
    // native window any earlier would change what later moves mean on X11
    // (the client's place instead of the frame's).
    if (event->type() == QEvent::Show && !m_native)
        m_native = MinimiseWatch::forPlatform(m_window, [this] { restoreSoon(); });
    if (event->type() == QEvent::WindowStateChange && m_window.isMinimized())
        restoreSoon();
    return false;
}

void NeverMinimised::restoreSoon()
{
    // Not from inside the state change itself, and once for the several
    // notices one minimising brings.
    if (m_restoring)
        return;
    m_restoring = true;
    QTimer::singleShot(0, this, [this] { restore(); });
}

void NeverMinimised::restore()
{
    m_restoring = false;
    // Hidden by the program itself, it is closing.
    if (!m_window.isVisible())
        return;
    if (m_window.isMinimized())
        m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    if (m_native)
        m_native->restore();
}
