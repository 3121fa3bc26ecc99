#pragma once

#include <QLabel>

// A caption that reports double-clicks; never takes the focus.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(const QString &caption, QWidget *parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
