#include "ui/controls/TextField.h"

TextField::TextField(QWidget *parent)
    : QLineEdit(parent)
{
    // The field fills its own rectangle and never moves, so a new text need
    // not repaint the window behind it first: a field whose value changes
    // thirty times a second would otherwise repaint its parent as often.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TextField::setTextIfDifferent(const QString &text)
{
    if (this->text() == text)
        return;
    setText(text);
    // A long number shows from its first digit, not from its tail, unless the
    // user is working in the field.
    if (!hasFocus())
        setCursorPosition(0);
}

void TextField::setBackground(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colour);
    setPalette(palette);
}

void TextField::setForeground(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, colour);
    setPalette(palette);
}

QColor TextField::background() const
{
    return palette().color(QPalette::Base);
}

void TextField::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
