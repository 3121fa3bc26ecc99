// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

class QWidget;

// Tells when another program destroys a window's native window behind Qt's
// back (xdotool windowclose does so on X11). Qt goes on as if the window
// were there, so without this the program would run on with no window.
class WindowLoss : public QObject
{
    Q_OBJECT

public:
    // Watches the native window `window` has now.
    static std::unique_ptr<WindowLoss> forPlatform(QWidget &window);
    ~WindowLoss() override;

signals:
    void lost();

protected:
    WindowLoss() = default;
};
