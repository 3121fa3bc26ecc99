// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The application's style, except that the sunken panel of a text field is
// drawn once per size, palette and state and then copied. A field whose text
// changes thirty times a second would otherwise stroke its antialiased
// rounded frame thirty times a second, which costs more than the text.
class CachedPanelStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
