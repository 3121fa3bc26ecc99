// SPDX-License-Identifier: MIT
#include "ui/controls/MultiLineField.h"

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
}

QString MultiLineField::text() const
{
    return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}
