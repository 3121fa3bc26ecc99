// SPDX-License-Identifier: MIT
#include "ui/controls/MultiLineField.h"

#include "ui/FittedFont.h"

MultiLineField::MultiLineField(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on through the window, as in every other field.
    setTabChangesFocus(true);
}

void MultiLineField::setText(const QString &text)
{
    setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    fitText();
}

QString MultiLineField::text() const
{
    return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

int MultiLineField::lineRoom() const
{
    // The cursor is drawn after the last letter, inside the room.
    return viewport()->width() - 2 * static_cast<int>(document()->documentMargin()) - cursorWidth();
}

void MultiLineField::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    fitText();
}

void MultiLineField::changeEvent(QEvent *event)
{
    // Qt gives the text the field's own font again on these.
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitText();
}

void MultiLineField::fitText()
{
    const QFont fitted =
        FittedFont::fit(font(), toPlainText().split(QLatin1Char('\n')), lineRoom());
    if (document()->defaultFont() != fitted)
        document()->setDefaultFont(fitted);
}
