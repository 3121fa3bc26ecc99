#pragma once

#include <QString>

#include <optional>

// Per-user text values addressed by key, the one thing the program keeps
// between runs. Implementations never throw: a refused write is reported.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // Stored text under key, or defaultText when the key is missing.
    [[nodiscard]] virtual QString GetSetting(const QString &key, const QString &defaultText) = 0;
    // std::nullopt when stored; otherwise the reason the store refused the write.
    virtual std::optional<QString> SaveSetting(const QString &key, const QString &text) = 0;
};
