// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <string_view>

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

enum class SettingKind
{
    Position, // a window edge, saved when the window goes
    Size,     // read at every load, never saved
    Flag,     // a tickbox state
};

struct SettingKeyInfo
{
    SettingKey key;
    // The key as it appears in the store; stores written by earlier runs
    // depend on this exact spelling.
    std::string_view name;
    SettingKind kind;
    // What a read yields when the key is missing or its text is unusable.
    qint16 fallback;
};

// The main window's size is the strip that shows only the icon and the uptime
// line, not its designed size; the other two windows load at their designed
// outer sizes.
inline constexpr std::array<SettingKeyInfo, 14> settingKeys{{
    {SettingKey::MAIN_Left, "MAIN_Left", SettingKind::Position, 1000},
    {SettingKey::MAIN_Top, "MAIN_Top", SettingKind::Position, 1000},
    {SettingKey::MAIN_Width, "MAIN_Width", SettingKind::Size, 2895},
    {SettingKey::MAIN_Height, "MAIN_Height", SettingKind::Size, 660},
    {SettingKey::AlwaysOnTop_TICKBOX, "AlwaysOnTop_TICKBOX", SettingKind::Flag, 1},
    {SettingKey::AUTOSTART_TICKBOX, "AUTOSTART_TICKBOX", SettingKind::Flag, 1},
    {SettingKey::ABOUT_Left, "ABOUT_Left", SettingKind::Position, 1000},
    {SettingKey::ABOUT_Top, "ABOUT_Top", SettingKind::Position, 1000},
    {SettingKey::ABOUT_Width, "ABOUT_Width", SettingKind::Size, 8415},
    {SettingKey::ABOUT_Height, "ABOUT_Height", SettingKind::Size, 2415},
    {SettingKey::LIVE_CALCS_Left, "LIVE_CALCS_Left", SettingKind::Position, 1000},
    {SettingKey::LIVE_CALCS_Top, "LIVE_CALCS_Top", SettingKind::Position, 1000},
    {SettingKey::LIVE_CALCS_Width, "LIVE_CALCS_Width", SettingKind::Size, 14850},
    {SettingKey::LIVE_CALCS_Height, "LIVE_CALCS_Height", SettingKind::Size, 6195},
}};

[[nodiscard]] constexpr const SettingKeyInfo &settingInfo(SettingKey key)
{
    return settingKeys[static_cast<std::size_t>(key)];
}

[[nodiscard]] constexpr bool settingKeysInOrder()
{
    for (std::size_t i = 0; i < settingKeys.size(); ++i) {
        if (static_cast<std::size_t>(settingKeys[i].key) != i)
            return false;
    }
    return true;
}
static_assert(settingKeysInOrder(), "settingInfo() looks a key up by its place in the table");

[[nodiscard]] QString settingName(SettingKey key);

[[nodiscard]] constexpr qint16 settingDefault(SettingKey key)
{
    return settingInfo(key).fallback;
}

[[nodiscard]] constexpr SettingKind settingKind(SettingKey key)
{
    return settingInfo(key).kind;
}
