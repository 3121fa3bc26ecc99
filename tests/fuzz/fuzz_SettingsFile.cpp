// SPDX-License-Identifier: MIT
// Covers the readings of src/settings/Settings.cpp through QSettingsStore.cpp
// from whatever bytes the settings file holds.
#include "settings/QSettingsStore.h"
#include "settings/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QTemporaryDir *g_configHome = nullptr;
int g_inputs = 0;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Before the first QSettings, which takes the folder once per process.
    static QTemporaryDir configHome;
    g_configHome = &configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    QDir().mkpath(configHome.path() + QStringLiteral("/VH_WTK"));
    return 0;
}

// Whatever the settings file holds, every key reads as some value.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString section = QStringLiteral("fuzz");
    QFile file(g_configHome->path() + QStringLiteral("/VH_WTK/fuzz.conf"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    // QSettings keeps the file it read for the process while its size and
    // time stamp stay the same; a time stamp of its own for each input makes
    // it read every one.
    file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000LL + ++g_inputs, Qt::UTC),
                     QFileDevice::FileModificationTime);
    file.close();

    QSettingsStore store([section] { return section; });
    Settings settings(store, [](const QString &) {});
    for (int key = static_cast<int>(SettingKey::MAIN_Left);
         key <= static_cast<int>(SettingKey::LIVE_CALCS_Height); ++key) {
        const auto setting = static_cast<SettingKey>(key);
        if (setting == SettingKey::AlwaysOnTop_TICKBOX || setting == SettingKey::AUTOSTART_TICKBOX)
            (void)settings.readFlag(setting);
        else
            (void)settings.readPosition(setting);
    }
    return 0;
}
