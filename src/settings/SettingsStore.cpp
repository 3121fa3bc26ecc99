// SPDX-License-Identifier: MIT
#include "settings/SettingsStore.h"

QList<Refusal> SettingsStore::SaveSettings(const QList<KeyAndText> &keysAndTexts)
{
    QList<Refusal> refusals;
    refusals.reserve(keysAndTexts.size());
    for (const auto &[key, text] : keysAndTexts)
        refusals.append(SaveSetting(key, text));
    return refusals;
}
