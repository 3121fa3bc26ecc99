// SPDX-License-Identifier: MIT
#pragma once

#include "base/ProgramIdentity.h"
#include "settings/SettingsStore.h"

#include <QString>

#include <QSet>

#include <functional>

// The settings in the platform's per-user settings area under the application
// name VH_WTK: the registry on Windows, $XDG_CONFIG_HOME/VH_WTK/<section>.conf
// (by default under ~/.config) elsewhere. Every value is stored as text.
class QSettingsStore final : public SettingsStore
{
public:
    using PrintLine = std::function<void(const QString &line)>;

    // `section` is asked anew at every read and write (a renamed executable
    // starts from defaults). `print` (by default standard error) says when a
    // damaged file was kept aside before it was written anew.
    explicit QSettingsStore(std::function<QString()> section = &ProgramIdentity::runningExecutable,
                            PrintLine print = {});

    [[nodiscard]] QString GetSetting(const QString &key, const QString &defaultText) override;
    [[nodiscard]] Refusal SaveSetting(const QString &key, const QString &text) override;
    // One read and one write of the file for all the keys, however large it is.
    [[nodiscard]] QList<Refusal> SaveSettings(const QList<KeyAndText> &keysAndTexts) override;

private:
    QString currentSection() const;
    Refusal keepIfDamaged(const QString &filePath);

    std::function<QString()> m_section;
    PrintLine m_print;
    QSet<QString> m_checked; // files looked at for damage in this run
};
