#pragma once

#include <QIcon>

// The program's icon, drawn at the two sizes the windows use (16 and 24).
namespace ProgramIcon {

[[nodiscard]] QIcon icon();

} // namespace ProgramIcon
