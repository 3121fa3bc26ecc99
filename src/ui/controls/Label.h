// SPDX-License-Identifier: MIT
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
    void paintEvent(QPaintEvent *event) override;

private:
    [[nodiscard]] QRect inkArea();

    // What the ink area was worked out for.
    QString m_inkText;
    QSize m_inkSize;
    QFont m_inkFont;
    QRect m_ink;
};
