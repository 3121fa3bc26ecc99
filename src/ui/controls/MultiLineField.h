// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

// A multi-line text field without scroll bars. Its text keeps carriage
// return and line feed at each line end, as stored; the view shows lines.
// Lines never wrap and nothing scrolls to the end of a long one, so a text
// set whose longest line its font would cut is drawn narrower.
class MultiLineField : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineField(QWidget *parent = nullptr);

    void setText(const QString &text);
    [[nodiscard]] QString text() const;
    // Room for a line, in pixels.
    [[nodiscard]] int lineRoom() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitText();
};
