// SPDX-License-Identifier: MIT
#include "forms/common/DisplayStyle.h"

#include "ui/Accessibility.h"
#include "ui/controls/TextField.h"

namespace DisplayStyle {

void apply(TextField *field, double points)
{
    field->setBackground(running);
    field->setForeground(QColor(0, 255, 0));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    field->setFont(font);
    field->setAlignment(Qt::AlignCenter);
    field->setReadOnly(true);
    // Read on request: announcing every new second would drown everything
    // else a screen reader has to say.
    field->setAccessibleName(QStringLiteral("Uptime"));
    Accessibility::setQuiet(field);
}

} // namespace DisplayStyle
