// SPDX-License-Identifier: MIT
#include "ui/controls/Label.h"

#include <QPaintEvent>

Label::Label(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void Label::paintEvent(QPaintEvent *event)
{
    // Labels overlap their neighbouring fields by a pixel here and there, so
    // every change of such a field would lay out the caption again. Where
    // the repaint misses both the frame and the caption, the background Qt
    // has already filled is all there is to draw.
    if (frameWidth() == 0 && !event->region().intersects(inkArea()))
        return;
    QLabel::paintEvent(event);
}

QRect Label::inkArea()
{
    if (m_inkText != text() || m_inkSize != size() || m_inkFont != font()) {
        m_inkText = text();
        m_inkSize = size();
        m_inkFont = font();
        const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
        // A few pixels to spare for italic overhangs and rounding.
        m_ink = fontMetrics().boundingRect(contentsRect(), flags, text()).adjusted(-3, -3, 3, 3);
    }
    return m_ink;
}
