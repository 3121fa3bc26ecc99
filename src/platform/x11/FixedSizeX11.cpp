// SPDX-License-Identifier: MIT
#include "platform/FixedSize.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// A step larger than any screen: with the base size at the wanted size, the
// only size a window manager that honours resize steps can give is the
// base, even after raising it to a minimum of its own, as KWin does for the
// height of its decoration.
constexpr int wholeScreenStep = 32767;

// Besides the equal minimum and maximum, the base size and steps of
// WM_NORMAL_HINTS. A window manager that grows the window all the same
// (fluxbox on a move request, i3 on floating it) is asked for the size
// again, once for each size it gives, so that one that insists is not asked
// without end.
class FixedSizeX11 final : public QObject, public FixedSize
{
public:
    explicit FixedSizeX11(QWidget &window)
        : m_window(&window)
    {
        window.installEventFilter(this);
    }
    ~FixedSizeX11() override
    {
        if (m_window)
            m_window->removeEventFilter(this);
    }

    void hold(QSize size) override
    {
        m_refused = QSize();
        m_window->setFixedSize(size);
        stepHints();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Resize)
            askAgainIfGrown();
        else if (event->type() == QEvent::Show)
            stepHints();
        return false;
    }

private:
    // Qt hands a widget's base size and steps to its native window only
    // while that exists, and does not when it creates one, which happens
    // just before the first showing.
    void stepHints()
    {
        m_window->setBaseSize(m_window->minimumSize());
        m_window->setSizeIncrement(wholeScreenStep, wholeScreenStep);
        if (QWindow *native = m_window->windowHandle()) {
            native->setBaseSize(m_window->minimumSize());
            native->setSizeIncrement(QSize(wholeScreenStep, wholeScreenStep));
        }
    }

    void askAgainIfGrown()
    {
        const QSize wanted = m_window->minimumSize();
        const QSize given = m_window->size();
        if (wanted != m_window->maximumSize() || given == wanted || given == m_refused)
            return;
        m_refused = given;
        // After the window manager's configure has been handled through.
        QTimer::singleShot(0, this, [this] {
            if (m_window && m_window->size() != m_window->minimumSize())
                m_window->resize(m_window->minimumSize());
        });
    }

    QPointer<QWidget> m_window;
    QSize m_refused;
};

} // namespace

std::unique_ptr<FixedSize> FixedSize::forPlatform(QWidget &window)
{
    return std::make_unique<FixedSizeX11>(window);
}
