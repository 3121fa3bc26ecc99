// SPDX-License-Identifier: MIT
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Twips {

double perPixel(const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int toPixels(double twips, const QScreen *screen)
{
    return static_cast<int>(std::lround(twips / perPixel(screen)));
}

double fromPixels(int pixels, const QScreen *screen)
{
    return pixels * perPixel(screen);
}

} // namespace Twips
