// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ZOrder.h"

#include <QHash>
#include <QList>
#include <QStringList>

// Answers foreground queries from a script and records every call, naming
// windows by the names a test gives their handles.
class RecordingZOrder final : public ZOrder
{
public:
    [[nodiscard]] Handle foregroundWindow() override
    {
        calls << QStringLiteral("foreground");
        return answers.isEmpty() ? front : answers.takeFirst();
    }
    void demote(Handle window) override { calls << QStringLiteral("demote ") + name(window); }
    void promote(Handle window) override { calls << QStringLiteral("promote ") + name(window); }

    Handle front = 0;      // the answer once `answers` has run out
    QList<Handle> answers; // taken one per query
    QHash<Handle, QString> names;
    QStringList calls;

private:
    [[nodiscard]] QString name(Handle window) const
    {
        return names.value(window, QString::number(window));
    }
};
