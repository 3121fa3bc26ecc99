// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Names for assistive technology of the controls whose caption does not
// say what they are: the icon, the value fields and the explanation texts.
// Controls with a caption are named by it.
namespace ControlNames {

void apply(QWidget *window);

} // namespace ControlNames
