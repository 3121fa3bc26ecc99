// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <QIcon>

// Shows an icon inside a sunken border and reports double-clicks.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setIcon(const QIcon &icon);
    [[nodiscard]] QIcon icon() const { return m_icon; }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QIcon m_icon;
};
