#include "settings/SettingKey.h"

QString settingName(SettingKey key)
{
    switch (key) {
    case SettingKey::MAIN_Left:
        return QStringLiteral("MAIN_Left");
    case SettingKey::MAIN_Top:
        return QStringLiteral("MAIN_Top");
    case SettingKey::MAIN_Width:
        return QStringLiteral("MAIN_Width");
    case SettingKey::MAIN_Height:
        return QStringLiteral("MAIN_Height");
    case SettingKey::AlwaysOnTop_TICKBOX:
        return QStringLiteral("AlwaysOnTop_TICKBOX");
    case SettingKey::AUTOSTART_TICKBOX:
        return QStringLiteral("AUTOSTART_TICKBOX");
    case SettingKey::ABOUT_Left:
        return QStringLiteral("ABOUT_Left");
    case SettingKey::ABOUT_Top:
        return QStringLiteral("ABOUT_Top");
    case SettingKey::ABOUT_Width:
        return QStringLiteral("ABOUT_Width");
    case SettingKey::ABOUT_Height:
        return QStringLiteral("ABOUT_Height");
    case SettingKey::LIVE_CALCS_Left:
        return QStringLiteral("LIVE_CALCS_Left");
    case SettingKey::LIVE_CALCS_Top:
        return QStringLiteral("LIVE_CALCS_Top");
    case SettingKey::LIVE_CALCS_Width:
        return QStringLiteral("LIVE_CALCS_Width");
    case SettingKey::LIVE_CALCS_Height:
        return QStringLiteral("LIVE_CALCS_Height");
    }
    return {};
}

qint16 settingDefault(SettingKey key)
{
    switch (key) {
    case SettingKey::MAIN_Left:
    case SettingKey::MAIN_Top:
    case SettingKey::ABOUT_Left:
    case SettingKey::ABOUT_Top:
    case SettingKey::LIVE_CALCS_Left:
    case SettingKey::LIVE_CALCS_Top:
        return 1000;
    // The main window's size is the strip that shows only the icon and the
    // uptime line, not its designed size.
    case SettingKey::MAIN_Width:
        return 2895;
    case SettingKey::MAIN_Height:
        return 660;
    case SettingKey::AlwaysOnTop_TICKBOX:
    case SettingKey::AUTOSTART_TICKBOX:
        return 1;
    case SettingKey::ABOUT_Width:
        return 8415;
    case SettingKey::ABOUT_Height:
        return 2415;
    case SettingKey::LIVE_CALCS_Width:
        return 14850;
    case SettingKey::LIVE_CALCS_Height:
        return 6195;
    }
    return 0;
}
