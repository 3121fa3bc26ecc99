// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Form.h"

#include <QPointer>

#include <string_view>
#include <utility>
#include <vector>

class QPushButton;
class TextField;
class VH_WTK_ABOUT;
class VH_WTK_MAIN;

// Every value of the uptime arithmetic beside a numbered explanation of its
// steps, copied live from the main window, with a button that stops and
// restarts the uptime timers.
class VH_WTK_LIVE_CALCULATIONS : public Form
{
    Q_OBJECT

public:
    static const QString explanationText;
    static const QString formulaText;

    VH_WTK_LIVE_CALCULATIONS(VH_WTK_MAIN &main, VH_WTK_ABOUT &about, FormContext context,
                             QObject *parent = nullptr);

    [[nodiscard]] TextField *display() const;
    [[nodiscard]] QPushButton *timerButton() const;

    void OK_BUTTON_Click();
    void TIMER_BUTTON_Click();
    void TEXTBOX_UPDATE_TIMER_Timer();

protected:
    void createControls(QWidget *surface) override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    VH_WTK_MAIN &m_main;
    VH_WTK_ABOUT &m_about;
    // The mirrored fields in copying order; valid while the window is loaded.
    std::vector<std::pair<std::string_view, TextField *>> m_mirror;
    QPointer<TextField> m_display;
};
