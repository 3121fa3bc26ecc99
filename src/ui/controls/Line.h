// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A straight line between two points of its parent, in pixels.
class Line : public QWidget
{
    Q_OBJECT

public:
    Line(QPoint from, QPoint to, QWidget *parent = nullptr);

    [[nodiscard]] QPoint from() const { return m_from; }
    [[nodiscard]] QPoint to() const { return m_to; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
};
