#include "ui/controls/Label.h"

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
