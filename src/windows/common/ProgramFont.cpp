#include "windows/common/ProgramFont.h"

#include <QApplication>

namespace ProgramFont {

QFont sansSerif(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void applyDialogFont()
{
    QApplication::setFont(sansSerif(8));
}

} // namespace ProgramFont
