#include "windows/common/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace ProgramIcon {
namespace {

// A green clock face on black: the colours of the uptime display.
QPixmap drawn(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor green(0, 255, 0);
    const QRectF face(0.5, 0.5, side - 1.0, side - 1.0);
    painter.setPen(QPen(green, side / 12.0));
    painter.setBrush(Qt::black);
    painter.drawEllipse(face);
    const QPointF centre = face.center();
    painter.setPen(QPen(green, side / 10.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, QPointF(centre.x(), face.top() + side * 0.2));
    painter.drawLine(centre, QPointF(face.right() - side * 0.25, centre.y()));
    return pixmap;
}

} // namespace

QIcon icon()
{
    QIcon result;
    result.addPixmap(drawn(16));
    result.addPixmap(drawn(24));
    return result;
}

} // namespace ProgramIcon
