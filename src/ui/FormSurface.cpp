#include "ui/FormSurface.h"

#include "ui/Form.h"

#include <QCloseEvent>
#include <QMouseEvent>

FormSurface::FormSurface(Form &form, QWidget *owner, Qt::WindowFlags flags)
    : QWidget(owner, flags)
    , m_form(form)
{}

void FormSurface::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_form.unload();
}

void FormSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Controls without a double-click handler pass the event on to us; only a
    // double-click on the bare surface counts as the window's own.
    if (childAt(event->position().toPoint()) == nullptr)
        m_form.surfaceDoubleClicked();
    event->accept();
}
