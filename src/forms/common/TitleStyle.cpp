// SPDX-License-Identifier: MIT
#include "forms/common/TitleStyle.h"

#include <QLabel>

namespace TitleStyle {

void apply(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 0));
    palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

} // namespace TitleStyle
