// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QStringList>

// The font a caption is drawn in when its own font would cut it: the same
// size, drawn narrower until the widest piece fits the room. A bitmap face
// comes in one width per size, so there the first outline face among the
// font's families stands in, narrowed if need be. Below half width the
// caption stays as wide as it then is.
namespace FittedFont {

[[nodiscard]] QFont fit(const QFont &font, const QStringList &pieces, int room);
// The width of the widest piece in the font, in pixels.
[[nodiscard]] int widest(const QFont &font, const QStringList &pieces);

} // namespace FittedFont
