// SPDX-License-Identifier: MIT
#pragma once

#include "settings/SettingKey.h"
#include "ui/Form.h"

#include <functional>

class Label;
class QPushButton;
class TickBox;
class VH_WTK_MAIN;

// Names the program and its maker, holds the two option tickboxes and leads
// to the live calculations window.
class VH_WTK_ABOUT : public Form
{
    Q_OBJECT

public:
    static const QString creatorAddress;

    // `live` hands out the live calculations window, creating it on first use.
    VH_WTK_ABOUT(VH_WTK_MAIN &main, FormContext context, std::function<Form &()> live,
                 QObject *parent = nullptr);

    [[nodiscard]] TickBox *alwaysOnTopTickbox() const;
    [[nodiscard]] TickBox *autoStartTickbox() const;

    void OK_BUTTON_Click();
    void CREATOR_TEXTBOX_DblClick();
    void LIVE_CALCULATIONS_BUTTON_Click();
    void AlwaysOnTop_TICKBOX_Click();
    void AUTOSTART_TICKBOX_Click();

protected:
    void createControls(QWidget *surface) override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void saveOption(SettingKey key, const TickBox *tickbox);

    VH_WTK_MAIN &m_main;
    std::function<Form &()> m_live;
};
