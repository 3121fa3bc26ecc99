// SPDX-License-Identifier: MIT
#pragma once

class QLabel;

// Black labels with green bold text in a thin border, for the program's name
// and the headings of the secondary windows.
namespace TitleStyle {

void apply(QLabel *label);

} // namespace TitleStyle
