// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

class QWidget;

// "MS Sans Serif", the font the windows were laid out with, is rarely
// installed outside Windows; the nearest sans serif that is stands in. Where
// it is installed it is a bitmap face, and Qt files each of its sizes under
// the height of its line but asks Windows for the height of its letters: an
// 8 point caption comes out in the 10 point face, too wide for its room. So
// the outline face Windows made from it, "Microsoft Sans Serif", stands in
// there too.
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
