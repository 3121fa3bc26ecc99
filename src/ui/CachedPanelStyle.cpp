// SPDX-License-Identifier: MIT
#include "ui/CachedPanelStyle.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionFrame>
#include <QWidget>

void CachedPanelStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // Qt's styles look for this property before they start a transition.
    widget->setProperty("_q_no_animation", true);
}

void CachedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element != PE_PanelLineEdit || !frame || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("vh-panel-%1x%2-%3-%4-%5-%6-%7")
                            .arg(option->rect.width())
                            .arg(option->rect.height())
                            .arg(option->palette.cacheKey())
                            .arg(static_cast<int>(option->state))
                            .arg(frame->lineWidth)
                            .arg(static_cast<int>(frame->features))
                            .arg(ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap(option->rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTo(0, 0);
        QPainter onPanel(&panel);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPanel, widget);
        onPanel.end();
        QPixmapCache::insert(key, panel);
    }
    painter->drawPixmap(option->rect.topLeft(), panel);
}
