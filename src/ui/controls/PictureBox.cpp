// SPDX-License-Identifier: MIT
#include "ui/controls/PictureBox.h"

#include "ui/Accessibility.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
    Accessibility::setRole(this, QAccessible::Graphic);
}

void PictureBox::setIcon(const QIcon &icon)
{
    m_icon = icon;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    const int side = std::min(inside.width(), inside.height());
    // Drawn from the top-left corner, as a picture box places its picture.
    m_icon.paint(&painter, QRect(inside.topLeft(), QSize(side, side)));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QFrame::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
