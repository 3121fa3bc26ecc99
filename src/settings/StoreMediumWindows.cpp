// SPDX-License-Identifier: MIT
#include "settings/StoreMedium.h"

namespace StoreMedium {

QString whyUnwritable(const QString &)
{
    return QStringLiteral("the registry refused the write");
}

// The registry holds no file to damage.
Refusal keepIfDamaged(const QString &, const std::function<void(const QString &)> &)
{
    return std::nullopt;
}

} // namespace StoreMedium
