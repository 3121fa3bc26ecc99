// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

class QWidget;

// "MS Sans Serif", the font the windows were laid out with, is rarely
// installed outside Windows; the nearest sans serif that is stands in.
namespace ProgramFont {

[[nodiscard]] QFont sansSerif(double points, bool bold = false);

// The windows are laid out in twips for an 8 point dialog font; a larger
// desktop default would clip captions such as "AutoStart".
void applyDialogFont();

// Sets each control's design font on the control itself, the dialog font
// where the design names none, so that no application font a desktop theme
// sets later reaches it.
void holdDesignFonts(QWidget *window);

} // namespace ProgramFont
