// SPDX-License-Identifier: MIT
#include "settings/SettingKey.h"

QString settingName(SettingKey key)
{
    const std::string_view name = settingInfo(key).name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}
