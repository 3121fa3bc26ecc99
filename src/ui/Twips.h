// SPDX-License-Identifier: MIT
#pragma once

class QScreen;

// The windows are laid out in twips (1/1440 inch): 15 to a pixel at 96 dpi,
// scaled by the screen's logical dpi.
namespace Twips {

[[nodiscard]] double perPixel(const QScreen *screen);
[[nodiscard]] int toPixels(double twips, const QScreen *screen);
[[nodiscard]] double fromPixels(int pixels, const QScreen *screen);

} // namespace Twips
