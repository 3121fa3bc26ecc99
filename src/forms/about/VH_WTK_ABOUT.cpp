// SPDX-License-Identifier: MIT
#include "forms/about/VH_WTK_ABOUT.h"

#include "forms/common/DisplayStyle.h"
#include "forms/common/ProgramFont.h"
#include "forms/common/TitleStyle.h"
#include "forms/main/VH_WTK_MAIN.h"
#include "settings/Settings.h"
#include "ui/DesignTable.h"
#include "ui/FailureReporter.h"
#include "ui/FormTimer.h"
#include "ui/controls/Label.h"
#include "ui/controls/TextField.h"
#include "ui/controls/TickBox.h"

#include <QPushButton>
#include <QShortcut>

#include <array>

const QString VH_WTK_ABOUT::creatorAddress = QStringLiteral("tamrel44@volt-harbor.example");

namespace {

using Kind = ControlDesign::Kind;

// In creation order; the titles never take the focus.
constexpr std::array<ControlDesign, 10> designs{{
    {"LIVE_CALCULATIONS_BUTTON", Kind::Button, 480, 1200, 1695, 495, "Live Calculations", 3},
    {"AlwaysOnTop_TICKBOX", Kind::Tick, 2640, 1200, 975, 495, "Always On Top", 2},
    {"AUTOSTART_TICKBOX", Kind::Tick, 3960, 1200, 975, 495, "AutoStart", 1},
    {"OK_BUTTON", Kind::Button, 5400, 1200, 2055, 615, "OK", 0},
    {"VH_TITLE_1", Kind::Label, 120, 120, 2295, 375, "VOLT-HARBOR"},
    {"CREATOR_TEXTBOX", Kind::Label, 120, 600, 4815, 375, "Created By Tamrel44"},
    {"VERSION_TEXTBOX", Kind::Label, 6480, 120, 1695, 375, "Version 1.0"},
    {"FREEWARE_TEXTBOX", Kind::Label, 5040, 600, 3135, 375, "!!! FREEWARE !!!"},
    {"VH_TITLE_3", Kind::Label, 5040, 120, 1335, 375, "VH-WTK"},
    {"VH_TITLE_2", Kind::Label, 2520, 120, 2415, 375, "VH-WREN-TICKER"},
}};
constexpr const char *liveButton = designed(designs, "LIVE_CALCULATIONS_BUTTON").name;
constexpr const char *alwaysOnTopTickboxName = designed(designs, "AlwaysOnTop_TICKBOX").name;
constexpr const char *autoStartTickboxName = designed(designs, "AUTOSTART_TICKBOX").name;
constexpr const char *okButton = designed(designs, "OK_BUTTON").name;
constexpr const char *creatorLabel = designed(designs, "CREATOR_TEXTBOX").name;

void dress(const ControlDesign &, QWidget *control)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        TitleStyle::apply(label);
    if (auto *tickbox = qobject_cast<TickBox *>(control)) {
        tickbox->setWrapping(true);
        tickbox->setValue(1);
    }
}

} // namespace

VH_WTK_ABOUT::VH_WTK_ABOUT(VH_WTK_MAIN &main, FormContext context, std::function<Form &()> live,
                           QObject *parent)
    : Form({QStringLiteral("VH_WTK_ABOUT"), QStringLiteral("VH-WREN-TICKER - ABOUT"),
            Frame::FixedSingle, true, QSize(8325, 2040), QMargins(45, 330, 45, 45)},
           context, parent)
    , m_main(main)
    , m_live(std::move(live))
{}

TickBox *VH_WTK_ABOUT::alwaysOnTopTickbox() const
{
    return control<TickBox>(alwaysOnTopTickboxName);
}

TickBox *VH_WTK_ABOUT::autoStartTickbox() const
{
    return control<TickBox>(autoStartTickboxName);
}

void VH_WTK_ABOUT::createControls(QWidget *surface)
{
    addControls(designs, surface, dress);
    auto *ok = control<QPushButton>(okButton);
    handle(ok, &QPushButton::clicked, "OK_BUTTON_Click", &VH_WTK_ABOUT::OK_BUTTON_Click);
    handle(control<QPushButton>(liveButton), &QPushButton::clicked,
           "LIVE_CALCULATIONS_BUTTON_Click", &VH_WTK_ABOUT::LIVE_CALCULATIONS_BUTTON_Click);
    handle(control<Label>(creatorLabel), &Label::doubleClicked, "CREATOR_TEXTBOX_DblClick",
           &VH_WTK_ABOUT::CREATOR_TEXTBOX_DblClick);
    ok->setFocus();
    // Escape closes the window as the OK button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), surface), &QShortcut::activated, ok,
            &QPushButton::click);
    ProgramFont::holdDesignFonts(surface);

    // Connected last: the design state set above is no click.
    handle(alwaysOnTopTickbox(), &TickBox::valueChanged, "AlwaysOnTop_TICKBOX_Click",
           &VH_WTK_ABOUT::AlwaysOnTop_TICKBOX_Click);
    handle(autoStartTickbox(), &TickBox::valueChanged, "AUTOSTART_TICKBOX_Click",
           &VH_WTK_ABOUT::AUTOSTART_TICKBOX_Click);
}

void VH_WTK_ABOUT::Form_Load()
{
    Settings &settings = context().settings;
    restoreGeometry({SettingKey::ABOUT_Left, SettingKey::ABOUT_Top, SettingKey::ABOUT_Width,
                     SettingKey::ABOUT_Height});
    alwaysOnTopTickbox()->setValue(settings.readFlag(SettingKey::AlwaysOnTop_TICKBOX));
    autoStartTickbox()->setValue(settings.readFlag(SettingKey::AUTOSTART_TICKBOX));
}

void VH_WTK_ABOUT::Form_Unload()
{
    rememberPosition();
}

void VH_WTK_ABOUT::saveOption(SettingKey key, const TickBox *tickbox)
{
    context().failures.settingsNotSaved(saveFlag(key, tickbox->value()));
}

void VH_WTK_ABOUT::OK_BUTTON_Click()
{
    rememberPosition();
    unload();
}

void VH_WTK_ABOUT::CREATOR_TEXTBOX_DblClick()
{
    control<Label>(creatorLabel)->setText(creatorAddress);
}

void VH_WTK_ABOUT::LIVE_CALCULATIONS_BUTTON_Click()
{
    if (m_live)
        m_live().showModal(*this);
}

void VH_WTK_ABOUT::AlwaysOnTop_TICKBOX_Click()
{
    const bool on = alwaysOnTopTickbox()->value() == 1;
    m_main.alwaysOnTopTimer()->setEnabled(on);
    m_main.alwaysOnTopTickbox()->setValue(on ? 1 : 0);
    saveOption(SettingKey::AlwaysOnTop_TICKBOX, alwaysOnTopTickbox());
}

void VH_WTK_ABOUT::AUTOSTART_TICKBOX_Click()
{
    const bool on = autoStartTickbox()->value() == 1;
    m_main.autoStartTickbox()->setValue(on ? 1 : 0);
    for (const QString &name : VH_WTK_MAIN::arithmeticTimerNames())
        m_main.timer(name)->setEnabled(on);
    m_main.display()->setBackground(on ? DisplayStyle::running : DisplayStyle::stopped);
    m_main.timer(VH_WTK_MAIN::displayTimerName())->setEnabled(on);
    saveOption(SettingKey::AUTOSTART_TICKBOX, autoStartTickbox());
    // Turned on, the line replaces this text at the display timer's next tick.
    if (!on)
        m_main.display()->setTextIfDifferent(DisplayStyle::stoppedText);
}
