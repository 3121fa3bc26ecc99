// SPDX-License-Identifier: MIT
#include "forms/common/ControlNames.h"

#include "engine/CellNames.h"

#include <QWidget>

#include <utility>

namespace ControlNames {
namespace {

// The value fields are named by the cell table and mean the same in every
// window; these are the others.
constexpr std::pair<const char *, const char *> names[] = {
    {"VH_16_ICON_PIC", "Program icon"},
    {"MATHS_1_TEXTBOX", "Formula"},
    {"MATHS_2_TEXTBOX", "Explanation"},
};

void name(QWidget *window, std::string_view control, std::string_view name)
{
    const auto text = [](std::string_view view) {
        return QLatin1String(view.data(), static_cast<qsizetype>(view.size()));
    };
    if (auto *widget = window->findChild<QWidget *>(text(control), Qt::FindDirectChildrenOnly))
        widget->setAccessibleName(text(name));
}

} // namespace

void apply(QWidget *window)
{
    for (const auto &[control, accessible] : names)
        name(window, control, accessible);
    for (const CellNames::Cell &cell : CellNames::cells)
        name(window, cell.name, cell.accessibleName);
}

} // namespace ControlNames
