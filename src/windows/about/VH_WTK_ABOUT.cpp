#include "windows/about/VH_WTK_ABOUT.h"

#include "settings/Settings.h"
#include "ui/FailureReporter.h"
#include "ui/FormTimer.h"
#include "ui/controls/Label.h"
#include "ui/controls/TextField.h"
#include "ui/controls/TickBox.h"
#include "windows/common/DisplayStyle.h"
#include "windows/common/ProgramFont.h"
#include "windows/common/TitleStyle.h"
#include "windows/main/VH_WTK_MAIN.h"

#include <QPushButton>
#include <QShortcut>

const QString VH_WTK_ABOUT::creatorAddress = QStringLiteral("tamrel44@volt-harbor.example");

namespace {

struct TitleDesign
{
    const char *name;
    int left;
    int top;
    int width;
    int height;
    const char *caption;
};

// In tab order; labels hold places 1 to 6 but never take the focus.
constexpr TitleDesign titleDesigns[] = {
    {"VH_TITLE_1", 120, 120, 2295, 375, "VOLT-HARBOR"},
    {"CREATOR_TEXTBOX", 120, 600, 4815, 375, "Created By Tamrel44"},
    {"VERSION_TEXTBOX", 6480, 120, 1695, 375, "Version 1.0"},
    {"FREEWARE_TEXTBOX", 5040, 600, 3135, 375, "!!! FREEWARE !!!"},
    {"VH_TITLE_3", 5040, 120, 1335, 375, "VH-WTK"},
    {"VH_TITLE_2", 2520, 120, 2415, 375, "VH-WREN-TICKER"},
};

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
    return control<TickBox>(QStringLiteral("AlwaysOnTop_TICKBOX"));
}

TickBox *VH_WTK_ABOUT::autoStartTickbox() const
{
    return control<TickBox>(QStringLiteral("AUTOSTART_TICKBOX"));
}

void VH_WTK_ABOUT::createControls(QWidget *surface)
{
    auto *live = createButton("LIVE_CALCULATIONS_BUTTON", QStringLiteral("Live Calculations"),
                              {480, 1200, 1695, 495}, "LIVE_CALCULATIONS_BUTTON_Click",
                              &VH_WTK_ABOUT::LIVE_CALCULATIONS_BUTTON_Click);
    auto *alwaysOnTop = createOption(surface, "AlwaysOnTop_TICKBOX", "Always On Top", 2640);
    auto *autoStart = createOption(surface, "AUTOSTART_TICKBOX", "AutoStart", 3960);
    auto *ok = createButton("OK_BUTTON", QStringLiteral("OK"), {5400, 1200, 2055, 615},
                            "OK_BUTTON_Click", &VH_WTK_ABOUT::OK_BUTTON_Click);

    for (const TitleDesign &design : titleDesigns) {
        auto *label = new Label(QLatin1String(design.caption), surface);
        label->setObjectName(QLatin1String(design.name));
        TitleStyle::apply(label);
        place(label, design.left, design.top, design.width, design.height);
    }
    handle(control<Label>(QStringLiteral("CREATOR_TEXTBOX")), &Label::doubleClicked,
           "CREATOR_TEXTBOX_DblClick", &VH_WTK_ABOUT::CREATOR_TEXTBOX_DblClick);

    chainTabOrder({{0, ok}, {1, autoStart}, {2, alwaysOnTop}, {3, live}});
    ok->setFocus();
    // Escape closes the window as the OK button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), surface), &QShortcut::activated, ok,
            &QPushButton::click);
    ProgramFont::holdDesignFonts(surface);

    // Connected last: the design state set above is no click.
    handle(alwaysOnTop, &TickBox::valueChanged, "AlwaysOnTop_TICKBOX_Click",
           &VH_WTK_ABOUT::AlwaysOnTop_TICKBOX_Click);
    handle(autoStart, &TickBox::valueChanged, "AUTOSTART_TICKBOX_Click",
           &VH_WTK_ABOUT::AUTOSTART_TICKBOX_Click);
}

TickBox *VH_WTK_ABOUT::createOption(QWidget *surface, const char *name, const char *caption,
                                    int left)
{
    auto *tickbox = new TickBox(QLatin1String(caption), surface);
    tickbox->setObjectName(QLatin1String(name));
    tickbox->setWrapping(true);
    tickbox->setValue(1);
    place(tickbox, left, 1200, 975, 495);
    return tickbox;
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

void VH_WTK_ABOUT::rememberPosition()
{
    context().failures.settingsNotSaved(
        savePosition(SettingKey::ABOUT_Left, SettingKey::ABOUT_Top));
}

void VH_WTK_ABOUT::OK_BUTTON_Click()
{
    rememberPosition();
    unload();
}

void VH_WTK_ABOUT::CREATOR_TEXTBOX_DblClick()
{
    control<Label>(QStringLiteral("CREATOR_TEXTBOX"))->setText(creatorAddress);
}

void VH_WTK_ABOUT::LIVE_CALCULATIONS_BUTTON_Click()
{
    if (m_live)
        m_live().showModal(*this);
}

void VH_WTK_ABOUT::AlwaysOnTop_TICKBOX_Click()
{
    const bool on = alwaysOnTopTickbox()->value() == 1;
    m_main.timer(QStringLiteral("AlwaysOnTopTimer"))->setEnabled(on);
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
