// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

class QWidget;

// Tells when the window manager asks to close a window while a modal window
// of the program blocks it. Qt drops such a request, so closing the strip
// from its frame while its About window is open would do nothing at all.
class BlockedClose : public QObject
{
    Q_OBJECT

public:
    // Watches the native window `window` has now.
    static std::unique_ptr<BlockedClose> forPlatform(QWidget &window);
    ~BlockedClose() override;

signals:
    void requested();

protected:
    BlockedClose() = default;
};
