// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <cstdint>

class QDateTime;
class QLocale;
class TickSource;

// The strip's tooltip: when the computer was started, worked out from the
// same tick counter as the uptime line, so the two always agree, and where a
// shutdown does not end the count, that it runs since the last restart.
// Computed when the tooltip is asked for, so it follows changes to the clock.
class BootTimeToolTip : public QObject
{
    Q_OBJECT

public:
    explicit BootTimeToolTip(const TickSource &ticks, QObject *parent = nullptr);

    // For example "Up since Mon 7 Dec 2026, 06:24" in an English locale;
    // `sinceRestart` adds the line that the count runs since the last restart.
    [[nodiscard]] static QString text(std::uint64_t uptimeMilliseconds, const QDateTime &now,
                                      const QLocale &locale, bool sinceRestart = false);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const TickSource &m_ticks;
};
