// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>

class QWidget;

// What assistive technology sees of the program's windows: each window with
// its role and caption, and of its controls only those in sight. Controls
// that lie wholly outside their window's client area stay out of the
// keyboard's reach as well.
namespace Accessibility {

// Once per run, before the first window exists.
void install();

void setRole(QWidget *widget, QAccessible::Role role);
// Changes of the widget's text or value are not announced; a screen reader
// reads it when asked.
void setQuiet(QWidget *widget);
// Never exposed: lines and other drawing only.
void setDecorative(QWidget *widget);

// In sight within its window and not decorative.
[[nodiscard]] bool isExposed(const QWidget *control);
// Gives every control of the window that is wholly out of sight no focus.
void withdrawOutOfSight(QWidget *window);

} // namespace Accessibility
