#pragma once

#include <QWidget>

class Form;

// The native window of a loaded Form: forwards closing and double-clicks on
// its own surface (outside every control) to the Form.
class FormSurface : public QWidget
{
    Q_OBJECT

public:
    FormSurface(Form &form, QWidget *owner, Qt::WindowFlags flags);

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Form &m_form;
};
