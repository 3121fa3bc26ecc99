// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QWidget>

// The native window of a loaded Form. It reports closing and double-clicks
// on its own surface (outside every control); the Form decides what they mean.
class FormSurface : public QWidget
{
    Q_OBJECT

public:
    // The role assistive technology sees, given before anything about the
    // window can be announced: Qt 6.8 asks for a widget's accessible
    // interface at its first change (its caption, say) and keeps it.
    FormSurface(QWidget *owner, Qt::WindowFlags flags, QAccessible::Role role);

signals:
    void closeRequested();
    void doubleClicked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
