// SPDX-License-Identifier: MIT
#pragma once

#include "settings/Refusal.h"
#include "settings/SettingKey.h"
#include "settings/SettingsStore.h"

#include <QString>

#include <functional>
#include <vector>

// Typed access to the settings for the windows. A stored text that gives no
// usable value is reported once per read on the warning line and the key's
// default is used instead; the stored text is left as it is so the user can
// see and mend it.
class Settings
{
public:
    using Warning = std::function<void(const QString &line)>;

    // A save checked but not yet written: text for the store, or a refusal.
    struct Save
    {
        SettingKey key;
        QString text;
        Refusal refusal;
    };

    // warn defaults to printing the line on standard error.
    explicit Settings(SettingsStore &store, Warning warn = {});

    [[nodiscard]] SettingsStore &store() { return m_store; }

    // The _Left, _Top, _Width and _Height keys, in twips.
    [[nodiscard]] float readPosition(SettingKey key);
    // The _Width and _Height keys, in twips. A size that is not positive, or
    // larger than `largest` (all screens together), would give a window that
    // cannot be seen or that takes the machine's memory: it reads as the
    // default, with a warning.
    [[nodiscard]] float readSize(SettingKey key, float largest);
    // The two _TICKBOX keys: 0 clear, 1 ticked, 2 greyed.
    [[nodiscard]] int readFlag(SettingKey key);

    // Sizes are never saved, and nothing is saved that a later read would
    // refuse.
    [[nodiscard]] Refusal savePosition(SettingKey key, float twips);
    [[nodiscard]] Refusal saveFlag(SettingKey key, int state);

    [[nodiscard]] Save position(SettingKey key, float twips) const;
    [[nodiscard]] Save flag(SettingKey key, int state) const;
    // Writes the saves that passed their checks in one write of the store, in
    // their order; returns each save's refusal in the same order.
    [[nodiscard]] std::vector<Refusal> save(const std::vector<Save> &saves);

    [[nodiscard]] static QString positionText(float twips);

private:
    QString readText(SettingKey key);
    qint16 unusable(SettingKey key, const QString &text, const QString &why);

    SettingsStore &m_store;
    Warning m_warn;
};
