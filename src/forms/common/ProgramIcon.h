// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The program's icon, the same artwork as the icon installed for the
// desktop, at every size it is drawn in, so it stays sharp when scaled.
namespace ProgramIcon {

[[nodiscard]] QIcon icon();

} // namespace ProgramIcon
