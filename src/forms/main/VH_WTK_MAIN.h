// SPDX-License-Identifier: MIT
#pragma once

#include "engine/EngineFault.h"
#include "platform/ZOrder.h"
#include "ui/Form.h"

#include <QPointer>

#include <functional>
#include <optional>

class BootTimeToolTip;
class CellFields;
class CellStore;
class TextField;
class TickBox;
class UptimeEngine;

// The start-up window: a strip with the icon and the uptime line. The rest of
// its surface, out of sight at the strip's size, carries the engine's value
// cells, the two option tickboxes and the uptime timers.
class VH_WTK_MAIN : public Form
{
    Q_OBJECT

public:
    // `about` hands out the About window, creating it on first use. The
    // always-on-top keeper works through `zOrder`, by default the platform's.
    VH_WTK_MAIN(UptimeEngine &engine, FormContext context, std::function<Form &()> about,
                std::unique_ptr<ZOrder> zOrder = nullptr, QObject *parent = nullptr);
    ~VH_WTK_MAIN() override;

    [[nodiscard]] UptimeEngine &engine() { return m_engine; }

    // The six uptime timers in the order they are started, stopped and fired:
    // the sampling and breakdown timers, then the display timer.
    static const QStringList &uptimeTimerNames();
    static const QStringList &arithmeticTimerNames();
    static const QString &displayTimerName();

    [[nodiscard]] TextField *display() const;
    // The field of a value cell, brought up to date with its cell first.
    [[nodiscard]] TextField *cell(const QString &name);
    [[nodiscard]] TickBox *alwaysOnTopTickbox() const;
    [[nodiscard]] TickBox *autoStartTickbox() const;
    [[nodiscard]] FormTimer *alwaysOnTopTimer() const;

    void VH_UPTIME_DISPLAY_TEXTBOX_DblClick();
    void VH_16_ICON_PIC_DblClick();

protected:
    void createControls(QWidget *surface) override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_DblClick() override;

private:
    void dress(const ControlDesign &design, QWidget *control);
    void createTimers();
    void showAbout();
    void keepOnSomeScreen();
    [[nodiscard]] ZOrder::Handle nativeHandle() const;
    void reportFault(const std::optional<EngineFault> &fault);

    void UPTIME_TIMER_Timer();
    void DAY_UPTIME_TIMER_Timer();
    void HOUR_UPTIME_TIMER_Timer();
    void MINUTE_UPTIME_TIMER_Timer();
    void SECOND_UPTIME_TIMER_Timer();
    void VH_DISPLAY_UPDATE_TIMER_Timer();
    void AlwaysOnTopTimer_Timer();

    UptimeEngine &m_engine;
    std::function<Form &()> m_about;
    std::unique_ptr<ZOrder> m_zOrder;
    BootTimeToolTip *m_bootTimeToolTip;
    // Looked up on every pass, so kept rather than searched for; they go
    // with the controls when the window unloads.
    QPointer<TextField> m_display;
    QPointer<CellFields> m_cellFields;
};
