// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The native window of a loaded Form. It reports closing and double-clicks
// on its own surface (outside every control); the Form decides what they mean.
class FormSurface : public QWidget
{
    Q_OBJECT

public:
    FormSurface(QWidget *owner, Qt::WindowFlags flags);

signals:
    void closeRequested();
    void doubleClicked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
