// SPDX-License-Identifier: MIT
#include "forms/common/ProgramFont.h"

#include <QApplication>
#include <QWidget>

namespace ProgramFont {

QFont sansSerif(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif, QFont::ForceOutline);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(false);
    return font;
}

void applyDialogFont()
{
    QApplication::setFont(sansSerif(8));
}

void holdDesignFonts(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QFont font = control->testAttribute(Qt::WA_SetFont) ? control->font() : sansSerif(8);
        // Every property counts as set: none is taken from the application.
        font.setResolveMask(QFont::AllPropertiesResolved);
        control->setFont(font);
    }
}

} // namespace ProgramFont
