// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

class TextField;

// The uptime line's field: green bold text, black while the uptime timers
// run, red with "TIMERS DISABLED" while they stand still.
namespace DisplayStyle {

inline const QColor running{0, 0, 0};
inline const QColor stopped{255, 0, 0};
inline const QString stoppedText = QStringLiteral("TIMERS DISABLED");

void apply(TextField *field, double points);

} // namespace DisplayStyle
