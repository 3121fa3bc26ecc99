// SPDX-License-Identifier: MIT
#pragma once

#include "settings/Refusal.h"

#include <QList>
#include <QString>

#include <utility>

// Per-user text values addressed by key, the one thing the program keeps
// between runs. Implementations never throw: a refused write is reported.
class SettingsStore
{
public:
    using KeyAndText = std::pair<QString, QString>;

    virtual ~SettingsStore() = default;

    // Stored text under key, or defaultText when the key is missing.
    [[nodiscard]] virtual QString GetSetting(const QString &key, const QString &defaultText) = 0;
    [[nodiscard]] virtual Refusal SaveSetting(const QString &key, const QString &text) = 0;
    // Several keys in their order, as one write where the store can; one
    // refusal per key. By default each key is saved on its own.
    [[nodiscard]] virtual QList<Refusal> SaveSettings(const QList<KeyAndText> &keysAndTexts);
};
