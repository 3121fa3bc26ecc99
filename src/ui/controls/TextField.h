#pragma once

#include <QLineEdit>

// A single-line text field that reports double-clicks and skips setting the
// text it already shows (nothing depends on redrawing the same text).
class TextField : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextField(QWidget *parent = nullptr);

    void setTextIfDifferent(const QString &text);
    void setBackground(const QColor &colour);
    void setForeground(const QColor &colour);
    [[nodiscard]] QColor background() const;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
