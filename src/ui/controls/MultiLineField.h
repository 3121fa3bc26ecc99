// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

// A multi-line text field without scroll bars. Its text keeps carriage
// return and line feed at each line end, as stored; the view shows lines.
class MultiLineField : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineField(QWidget *parent = nullptr);

    void setText(const QString &text);
    [[nodiscard]] QString text() const;
};
