// SPDX-License-Identifier: MIT
#include "ui/controls/Line.h"

#include "ui/Accessibility.h"

#include <QPainter>

Line::Line(QPoint from, QPoint to, QWidget *parent)
    : QWidget(parent)
    , m_from(from)
    , m_to(to)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Accessibility::setDecorative(this);
    setGeometry(QRect(from, to).normalized());
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(m_from - pos(), m_to - pos());
}
