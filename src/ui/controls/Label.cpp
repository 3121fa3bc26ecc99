// SPDX-License-Identifier: MIT
#include "ui/controls/Label.h"

#include "ui/FittedFont.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

Label::Label(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

QFont Label::captionFont()
{
    layOutCaption();
    return m_captionFont;
}

int Label::captionRoom() const
{
    return contentsRect().width() - 2 * margin();
}

QStringList Label::captionPieces() const
{
    if (wordWrap())
        return text().simplified().split(QLatin1Char(' '));
    return text().split(QLatin1Char('\n'));
}

bool Label::event(QEvent *event)
{
    // Past half width a caption may still be cut; it then shows whole as the
    // tooltip, as the fields do.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        layOutCaption();
        if (!m_fits) {
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
            return true;
        }
    }
    return QLabel::event(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void Label::paintEvent(QPaintEvent *event)
{
    layOutCaption();
    // Labels overlap their neighbouring fields by a pixel here and there, so
    // every change of such a field would lay out the caption again. Where
    // the repaint misses both the frame and the caption, the background Qt
    // has already filled is all there is to draw.
    if (frameWidth() == 0 && !event->region().intersects(m_ink))
        return;
    if (m_captionFont == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(m_captionFont);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())) |
                      (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(), foregroundRole());
}

void Label::layOutCaption()
{
    if (m_laidOutText == text() && m_laidOutSize == size() && m_laidOutFont == font())
        return;
    m_laidOutText = text();
    m_laidOutSize = size();
    m_laidOutFont = font();
    const QStringList pieces = captionPieces();
    m_captionFont = FittedFont::fit(font(), pieces, captionRoom());
    m_fits = FittedFont::widest(m_captionFont, pieces) <= captionRoom();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    // A few pixels to spare for italic overhangs and rounding.
    m_ink = QFontMetrics(m_captionFont)
                .boundingRect(contentsRect(), flags, text())
                .adjusted(-3, -3, 3, 3);
}
