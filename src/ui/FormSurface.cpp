// SPDX-License-Identifier: MIT
#include "ui/FormSurface.h"

#include <QCloseEvent>
#include <QMouseEvent>

FormSurface::FormSurface(QWidget *owner, Qt::WindowFlags flags)
    : QWidget(owner, flags)
{}

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
