// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

class MinimiseWatch;
class QWidget;

// For a window without a taskbar entry, which once minimised would be out of
// the user's reach until the program ends: asks the window manager not to
// offer minimising it, and brings it back at once whenever it is minimised
// all the same.
class NeverMinimised final : public QObject
{
public:
    // Lives as long as `window`; create it before the window is first shown.
    explicit NeverMinimised(QWidget &window);
    ~NeverMinimised() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restoreSoon();
    void restore();

    QWidget &m_window;
    std::unique_ptr<MinimiseWatch> m_native;
    bool m_restoring = false;
};
