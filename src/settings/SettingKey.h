#pragma once

#include <QString>
#include <QtGlobal>

// The per-user settings, in the order the load steps read them.
enum class SettingKey
{
    MAIN_Left,
    MAIN_Top,
    MAIN_Width,
    MAIN_Height,
    AlwaysOnTop_TICKBOX,
    AUTOSTART_TICKBOX,
    ABOUT_Left,
    ABOUT_Top,
    ABOUT_Width,
    ABOUT_Height,
    LIVE_CALCS_Left,
    LIVE_CALCS_Top,
    LIVE_CALCS_Width,
    LIVE_CALCS_Height,
};

// The key as it appears in the store; stores written by earlier runs depend on
// this exact spelling.
[[nodiscard]] QString settingName(SettingKey key);

// What a read yields when the key is missing or its text is unusable.
[[nodiscard]] qint16 settingDefault(SettingKey key);
