#pragma once

#include "settings/SettingsStore.h"

#include <QString>

#include <functional>
#include <optional>

// The settings in the platform's per-user settings area under the application
// name VH_WTK: the registry on Windows, $XDG_CONFIG_HOME/VH_WTK/<section>.conf
// (by default under ~/.config) elsewhere. Every value is stored as text.
class QSettingsStore final : public SettingsStore
{
public:
    // `section` is asked anew at every read and write (a renamed executable starts from defaults).
    explicit QSettingsStore(std::function<QString()> section = &QSettingsStore::executableSection);

    // Base name of the running executable, without extension.
    [[nodiscard]] static QString executableSection();

    [[nodiscard]] QString GetSetting(const QString &key, const QString &defaultText) override;
    std::optional<QString> SaveSetting(const QString &key, const QString &text) override;

private:
    QString currentSection() const;

    std::function<QString()> m_section;
};
