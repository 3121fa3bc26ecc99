// SPDX-License-Identifier: MIT
#include "ui/controls/TextField.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

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

bool TextField::textFits() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    // QLineEdit keeps two pixels free on either side of its text.
    return fontMetrics().horizontalAdvance(text()) <= contents.width() - 4;
}

void TextField::paintEvent(QPaintEvent *event)
{
    // Nothing behind the field is drawn first, but a style may leave parts
    // of its panel clear: Windows 11's rounds the corners and draws a
    // read-only field translucent. The old digits would show through the
    // new number.
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
    }
    QLineEdit::paintEvent(event);
}

bool TextField::event(QEvent *event)
{
    // Judged at the request, not at each of thirty changes a second. A field
    // whose text fits leaves the request to its window, which may have a
    // tooltip of its own.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && !textFits()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        return true;
    }
    return QLineEdit::event(event);
}

void TextField::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void TextField::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool opens = (modifiers == Qt::NoModifier &&
                        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                         event->key() == Qt::Key_Space || event->key() == Qt::Key_Menu)) ||
                       (modifiers == Qt::ShiftModifier && event->key() == Qt::Key_F10);
    if (m_doubleClickKeys && opens) {
        event->accept();
        emit doubleClicked();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextField::contextMenuEvent(QContextMenuEvent *event)
{
    // The Menu key also raises a context menu request of the platform's own
    // (on X11 even ahead of the key); the key does the work, the field's menu
    // would only sit on top of it.
    if (m_doubleClickKeys && event->reason() == QContextMenuEvent::Keyboard) {
        event->accept();
        return;
    }
    QLineEdit::contextMenuEvent(event);
}
