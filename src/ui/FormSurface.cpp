// SPDX-License-Identifier: MIT
#include "ui/FormSurface.h"

#include "ui/Accessibility.h"

#include <QCloseEvent>
#include <QMouseEvent>

FormSurface::FormSurface(QWidget *owner, Qt::WindowFlags flags, QAccessible::Role role)
    : QWidget(owner, flags)
{
    Accessibility::setRole(this, role);
}

void FormSurface::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closeRequested();
}

void FormSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Controls without a double-click handler pass the event on to us; only a
    // double-click on the bare surface counts as the window's own.
    if (childAt(event->position().toPoint()) == nullptr)
        emit doubleClicked();
    event->accept();
}
