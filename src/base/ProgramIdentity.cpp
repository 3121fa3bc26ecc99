// SPDX-License-Identifier: MIT
#include "base/ProgramIdentity.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ProgramIdentity {

QString runningExecutable()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace ProgramIdentity
