#pragma once

#include "settings/SettingKey.h"
#include "settings/SettingsStore.h"

#include <QString>

#include <functional>
#include <optional>

// Typed access to the settings for the windows. A stored text that gives no
// usable value is reported once per read on the warning line and the key's
// default is used instead; the stored text is left as it is so the user can
// see and mend it.
class Settings
{
public:
    using Warning = std::function<void(const QString &line)>;

    // warn defaults to printing the line on standard error.
    explicit Settings(SettingsStore &store, Warning warn = {});

    [[nodiscard]] SettingsStore &store() { return m_store; }

    // The _Left, _Top, _Width and _Height keys, in twips.
    [[nodiscard]] float readPosition(SettingKey key);
    // The two _TICKBOX keys: 0 clear, 1 ticked, 2 greyed.
    [[nodiscard]] int readFlag(SettingKey key);

    // std::nullopt when stored, otherwise why not. Sizes are never saved, and
    // nothing is saved that a later read would refuse.
    std::optional<QString> savePosition(SettingKey key, float twips);
    std::optional<QString> saveFlag(SettingKey key, int state);

    [[nodiscard]] static QString positionText(float twips);

private:
    QString readText(SettingKey key);
    qint16 unusable(SettingKey key, const QString &text, const QString &why);

    SettingsStore &m_store;
    Warning m_warn;
};
