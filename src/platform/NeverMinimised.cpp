#include "platform/NeverMinimised.h"

#include "platform/NeverMinimisedNative.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

NeverMinimised::NeverMinimised(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_native(std::make_unique<NativeWatch>(window, [this] { restoreSoon(); }))
{
    window->installEventFilter(this);
}

NeverMinimised::~NeverMinimised() = default;

bool NeverMinimised::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowStateChange &&
        m_window->isMinimized())
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
    if (!m_window->isVisible())
        return;
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_native->restore();
}
