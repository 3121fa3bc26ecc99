// SPDX-License-Identifier: MIT
#include "support/RecordingSettingsStore.h"

QString RecordingSettingsStore::GetSetting(const QString &key, const QString &defaultText)
{
    const QString text = stored.value(key, defaultText);
    log.append({Access::Read, key, text});
    return text;
}

Refusal RecordingSettingsStore::SaveSetting(const QString &key, const QString &text)
{
    log.append({Access::Write, key, text});
    if (refused.contains(key))
        return QStringLiteral("refused by test");
    stored.insert(key, text);
    return std::nullopt;
}

QStringList RecordingSettingsStore::writes() const
{
    QStringList result;
    for (const Access &access : log) {
        if (access.kind == Access::Write)
            result.append(access.key + QLatin1Char('=') + access.text);
    }
    return result;
}

QStringList RecordingSettingsStore::reads() const
{
    QStringList result;
    for (const Access &access : log) {
        if (access.kind == Access::Read)
            result.append(access.key);
    }
    return result;
}
