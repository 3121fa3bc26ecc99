// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

#include <memory>

class QWidget;

// Holds a window's client area at one size. Window managers read a fixed
// size differently: KWin gives a client at least the height of its own
// decoration (41 pixels with Breeze's), fluxbox lets a move request grow
// the window, i3 floats it at its smallest floating size. Each system's side
// does what its window managers need for the size to stay.
class FixedSize
{
public:
    static std::unique_ptr<FixedSize> forPlatform(QWidget &window);
    virtual ~FixedSize() = default;
    FixedSize(const FixedSize &) = delete;
    FixedSize &operator=(const FixedSize &) = delete;

    // The size of the client area in pixels, from now on.
    virtual void hold(QSize size) = 0;

protected:
    FixedSize() = default;
};
