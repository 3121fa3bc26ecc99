// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

// A single-line text field that reports double-clicks and skips setting the
// text it already shows (nothing depends on redrawing the same text). A text
// wider than the field shows whole as the field's tooltip: the fields keep
// their designed widths, and a number cut off, its exponent gone, would read
// as another number.
class TextField : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextField(QWidget *parent = nullptr);

    void setTextIfDifferent(const QString &text);
    void setBackground(const QColor &colour);
    void setForeground(const QColor &colour);
    [[nodiscard]] QColor background() const;
    // Return, Space, the Menu key and Shift+F10 count as a double-click, for
    // a field that opens something and is never typed into.
    void setDoubleClickKeys(bool on) { m_doubleClickKeys = on; }

signals:
    void doubleClicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    [[nodiscard]] bool textFits() const;

    bool m_doubleClickKeys = false;
};
