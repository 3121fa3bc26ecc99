// SPDX-License-Identifier: MIT
#include "forms/common/ProgramIcon.h"

namespace ProgramIcon {

QIcon icon()
{
    QIcon result;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        result.addFile(QStringLiteral(":/icons/%1.png").arg(side), QSize(side, side));
    return result;
}

} // namespace ProgramIcon
