// SPDX-License-Identifier: MIT
#pragma once

#include "settings/SettingsStore.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// An in-memory store that records every access, so a test can check which
// keys a handler reads and writes, in which order and with which texts.
class RecordingSettingsStore final : public SettingsStore
{
public:
    struct Access
    {
        enum Kind
        {
            Read,
            Write
        };
        Kind kind;
        QString key;
        QString text; // returned (read) or written
    };

    [[nodiscard]] QString GetSetting(const QString &key, const QString &defaultText) override;
    [[nodiscard]] Refusal SaveSetting(const QString &key, const QString &text) override;

    // "KEY=text" for each Write in order, refused ones included.
    [[nodiscard]] QStringList writes() const;
    // "KEY" for each Read in order.
    [[nodiscard]] QStringList reads() const;

    QMap<QString, QString> stored; // the "persisted" texts; tests may pre-fill it
    QList<Access> log;             // every GetSetting and SaveSetting in order
    QSet<QString> refused;         // SaveSetting on these keys is refused, not stored, but logged
};
