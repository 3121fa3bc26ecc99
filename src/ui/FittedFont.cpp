// SPDX-License-Identifier: MIT
#include "ui/FittedFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace FittedFont {

namespace {

constexpr int narrowest = 50;

// The widest stretch that fits, found by halving: each stretch asks the
// system for another font.
QFont narrowed(QFont font, const QStringList &pieces, int room)
{
    font.setStretch(narrowest);
    if (widest(font, pieces) > room)
        return font;
    int tooWide = 100;
    int fits = narrowest;
    while (tooWide - fits > 1) {
        const int middle = (tooWide + fits) / 2;
        font.setStretch(middle);
        (widest(font, pieces) <= room ? fits : tooWide) = middle;
    }
    font.setStretch(fits);
    return font;
}

} // namespace

int widest(const QFont &font, const QStringList &pieces)
{
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString &piece : pieces)
        width = std::max(width, metrics.horizontalAdvance(piece));
    return width;
}

QFont fit(const QFont &font, const QStringList &pieces, int room)
{
    if (widest(font, pieces) <= room)
        return font;
    // Narrowed, a bitmap face keeps its letters and cuts each one.
    QFont narrowable = font;
    const QFontInfo face(font);
    if (!QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()))
        narrowable.setStyleStrategy(
            QFont::StyleStrategy(font.styleStrategy() | QFont::ForceOutline));
    return widest(narrowable, pieces) <= room ? narrowable : narrowed(narrowable, pieces, room);
}

} // namespace FittedFont
