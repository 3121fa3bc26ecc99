// SPDX-License-Identifier: MIT
#include "forms/main/VH_WTK_MAIN.h"

#include "engine/CellNames.h"
#include "engine/CellStore.h"
#include "engine/UptimeEngine.h"
#include "forms/common/ControlNames.h"
#include "forms/common/DisplayStyle.h"
#include "forms/common/ProgramFont.h"
#include "forms/common/ProgramIcon.h"
#include "forms/common/ShownCells.h"
#include "forms/main/BootTimeToolTip.h"
#include "forms/main/CellFields.h"
#include "platform/NeverMinimised.h"
#include "settings/SettingKey.h"
#include "settings/Settings.h"
#include "ui/DesignTable.h"
#include "ui/FailureReporter.h"
#include "ui/FormTimer.h"
#include "ui/Twips.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/TextField.h"
#include "ui/controls/TickBox.h"

#include <QGuiApplication>
#include <QScreen>

#include <array>
#include <functional>

namespace {

using Kind = ControlDesign::Kind;

// In creation order; positions and sizes in twips of the client area.
constexpr std::array<ControlDesign, 45> designs{{
    {"VH_16_ICON_PIC", Kind::Picture, 0, 0, 300, 300, nullptr, 0},
    {"VH_UPTIME_DISPLAY_TEXTBOX", Kind::Text, 360, 0, 2415, 315, nullptr, 1},
    {"AUTOSTART_TICKBOX", Kind::Tick, 9000, 240, 1095, 255, "AutoStart", 43},
    {"DAYS_ROUNDED_TB", Kind::Text, 5280, 1200, 1935, 375, nullptr, 42},
    {"HOURS_24_TB", Kind::Text, 7680, 720, 375, 375, nullptr, 41},
    {"HOURS_FULL", Kind::Text, 7320, 1200, 1215, 375, nullptr, 40},
    {"HOURS_LEFT_TB", Kind::Text, 8640, 720, 1935, 375, nullptr, 39},
    {"HOURS_ROUNDED_TB", Kind::Text, 8640, 1200, 1935, 375, nullptr, 38},
    {"MINS_60_TB", Kind::Text, 5760, 2040, 375, 375, nullptr, 37},
    {"MINUTES_LEFT_X_60_TB", Kind::Text, 6240, 1800, 2895, 375, nullptr, 36},
    {"SECS_60_TB", Kind::Text, 5760, 3120, 375, 375, nullptr, 35},
    {"MINUTES_ROUNDED_X_60_TB", Kind::Text, 6240, 2280, 2895, 375, nullptr, 34},
    {"SECONDS_LEFT_TB", Kind::Text, 6240, 2880, 2175, 375, nullptr, 33},
    {"SECONDS_ROUNDED_TB", Kind::Text, 6240, 3360, 2175, 375, nullptr, 32},
    {"DAYS_MIRROR_TB", Kind::Text, 5280, 720, 1935, 375, nullptr, 31},
    {"SECONDS_DIFFERENCE_TB", Kind::Text, 8640, 3120, 2295, 375, nullptr, 30},
    {"MINUTES_DIFFERENCE_LEFT_TB", Kind::Text, 9240, 1800, 2295, 375, nullptr, 29},
    {"MINUTES_DIFFERENCE_ROUNDED_TB", Kind::Text, 9240, 2280, 2295, 375, nullptr, 28},
    {"SECONDS_DIFFERENCE_ROUNDED_TB", Kind::Text, 8640, 3600, 2295, 375, nullptr, 27},
    {"TOTAL_MIL_SEC", Kind::Text, 1200, 1440, 1215, 375, nullptr, 17},
    {"TOTAL_MIL_MIN", Kind::Text, 1200, 1920, 1215, 375, nullptr, 16},
    {"TOTAL_MIL_HOUR", Kind::Text, 1200, 2400, 1215, 375, nullptr, 15},
    {"TOTAL_MIL_DAY", Kind::Text, 1200, 2880, 1215, 375, nullptr, 14},
    {"TOTAL_MIL_WEEK", Kind::Text, 1200, 3360, 1215, 375, nullptr, 13},
    {"TOTAL_MIL_MONTH", Kind::Text, 1200, 3840, 1215, 375, nullptr, 12},
    {"TOTAL_MIL_YEAR", Kind::Text, 1200, 4320, 1215, 375, nullptr, 11},
    {"START_TB", Kind::Text, 1200, 840, 2535, 405, nullptr, 10},
    {"SECS_TB", Kind::Text, 2640, 1440, 1935, 375, nullptr, 9},
    {"DAYS_TB", Kind::Text, 2640, 2880, 1935, 375, nullptr, 8},
    {"HOURS_TB", Kind::Text, 2640, 2400, 1935, 375, nullptr, 7},
    {"MINS_TB", Kind::Text, 2640, 1920, 1935, 375, nullptr, 6},
    {"WEEKS_TB", Kind::Text, 2640, 3360, 1935, 375, nullptr, 5},
    {"MONTHS_TB", Kind::Text, 2640, 3840, 1935, 375, nullptr, 4},
    {"YEARS_TB", Kind::Text, 2640, 4320, 1935, 375, nullptr, 3},
    {"AlwaysOnTop_TICKBOX", Kind::Tick, 7320, 240, 1455, 255, "Always On Top", 2},
    {"Label13", Kind::Label, 3840, 1080, 855, 255, "RESULT", 26},
    {"Label3", Kind::Label, 240, 4320, 855, 255, "YEARS", 25},
    {"Label4", Kind::Label, 240, 3840, 855, 255, "MONTHS", 24},
    {"Label5", Kind::Label, 240, 3360, 855, 255, "WEEKS", 23},
    {"Label6", Kind::Label, 240, 2880, 855, 255, "DAYS", 22},
    {"Label7", Kind::Label, 240, 2400, 855, 255, "HOURS", 21},
    {"Label8", Kind::Label, 240, 1920, 855, 255, "MINUTES", 20},
    {"Label9", Kind::Label, 240, 1440, 855, 255, "SECONDS", 19},
    {"START_LABEL", Kind::Label, 240, 960, 855, 255, "START", 18},
    {"Line1", Kind::Line, 5160, 720, 5160, 4800},
}};
static_assert(showsEachCellOnce(designs, CellNames::MainWindow));

// Created with interval 0, so none fires before the load step gives each its
// interval; added in firing order, so one pass runs sampling, breakdown and
// display on the same sample.
constexpr std::array<TimerDesign, 7> timers{{
    {"UPTIME_TIMER", true, "UPTIME_TIMER_Timer"},
    {"DAY_UPTIME_TIMER", false, "DAY_UPTIME_TIMER_Timer"},
    {"HOUR_UPTIME_TIMER", false, "HOUR_UPTIME_TIMER_Timer"},
    {"MINUTE_UPTIME_TIMER", false, "MINUTE_UPTIME_TIMER_Timer"},
    {"SECOND_UPTIME_TIMER", false, "SECOND_UPTIME_TIMER_Timer"},
    {"VH_DISPLAY_UPDATE_TIMER", true, "VH_DISPLAY_UPDATE_TIMER_Timer"},
    {"AlwaysOnTopTimer", true, "AlwaysOnTopTimer_Timer"},
}};

constexpr const char *displayName = designed(designs, "VH_UPTIME_DISPLAY_TEXTBOX").name;
constexpr const char *alwaysOnTopTickboxName = designed(designs, "AlwaysOnTop_TICKBOX").name;
constexpr const char *autoStartTickboxName = designed(designs, "AUTOSTART_TICKBOX").name;
constexpr const TimerDesign &uptimeTimer = designed(timers, "UPTIME_TIMER");
constexpr const TimerDesign &dayTimer = designed(timers, "DAY_UPTIME_TIMER");
constexpr const TimerDesign &hourTimer = designed(timers, "HOUR_UPTIME_TIMER");
constexpr const TimerDesign &minuteTimer = designed(timers, "MINUTE_UPTIME_TIMER");
constexpr const TimerDesign &secondTimer = designed(timers, "SECOND_UPTIME_TIMER");
constexpr const TimerDesign &displayTimer = designed(timers, "VH_DISPLAY_UPDATE_TIMER");
constexpr const TimerDesign &keeperTimer = designed(timers, "AlwaysOnTopTimer");

} // namespace

VH_WTK_MAIN::VH_WTK_MAIN(UptimeEngine &engine, FormContext context, std::function<Form &()> about,
                         std::unique_ptr<ZOrder> zOrder, QObject *parent)
    : Form({QStringLiteral("VH_WTK_MAIN"), QStringLiteral("VH-WREN-TICKER:"), Frame::ToolWindow,
            false, QSize(11865, 5295), QMargins(45, 285, 45, 45)},
           context, parent)
    , m_engine(engine)
    , m_about(std::move(about))
    , m_zOrder(zOrder ? std::move(zOrder) : ZOrder::forPlatform())
    , m_bootTimeToolTip(new BootTimeToolTip(engine.ticks(), this))
{}

VH_WTK_MAIN::~VH_WTK_MAIN() = default;

const QStringList &VH_WTK_MAIN::arithmeticTimerNames()
{
    static const QStringList names{
        QLatin1String(uptimeTimer.name), QLatin1String(dayTimer.name),
        QLatin1String(hourTimer.name),   QLatin1String(minuteTimer.name),
        QLatin1String(secondTimer.name),
    };
    return names;
}

const QString &VH_WTK_MAIN::displayTimerName()
{
    static const QString name = QLatin1String(displayTimer.name);
    return name;
}

const QStringList &VH_WTK_MAIN::uptimeTimerNames()
{
    static const QStringList names = arithmeticTimerNames() + QStringList{displayTimerName()};
    return names;
}

TextField *VH_WTK_MAIN::display() const
{
    return m_display;
}

TickBox *VH_WTK_MAIN::alwaysOnTopTickbox() const
{
    return control<TickBox>(alwaysOnTopTickboxName);
}

TickBox *VH_WTK_MAIN::autoStartTickbox() const
{
    return control<TickBox>(autoStartTickboxName);
}

FormTimer *VH_WTK_MAIN::alwaysOnTopTimer() const
{
    return timer(keeperTimer.name);
}

void VH_WTK_MAIN::createControls(QWidget *surface)
{
    m_cellFields = new CellFields(m_engine.cells(), surface);

    addControls(designs, surface, std::bind_front(&VH_WTK_MAIN::dress, this));
    alwaysOnTopTickbox()->setValue(1);
    autoStartTickbox()->setValue(1);
    m_display->setDoubleClickKeys(true);
    ControlNames::apply(surface);
    ProgramFont::holdDesignFonts(surface);

    createTimers();
    new NeverMinimised(*surface);
}

void VH_WTK_MAIN::dress(const ControlDesign &design, QWidget *control)
{
    if (auto *picture = qobject_cast<PictureBox *>(control)) {
        picture->setIcon(ProgramIcon::icon());
        handle(picture, &PictureBox::doubleClicked, "VH_16_ICON_PIC_DblClick",
               &VH_WTK_MAIN::VH_16_ICON_PIC_DblClick);
    }
    auto *field = qobject_cast<TextField *>(control);
    if (!field)
        return;
    if (std::string_view(design.name) != displayName) {
        m_cellFields->add(design.name, field);
        return;
    }
    field->setText(QStringLiteral("00000X, 00X, 00X, 000X,"));
    DisplayStyle::apply(field, 9.75);
    m_display = field;
    handle(field, &TextField::doubleClicked, "VH_UPTIME_DISPLAY_TEXTBOX_DblClick",
           &VH_WTK_MAIN::VH_UPTIME_DISPLAY_TEXTBOX_DblClick);
}

void VH_WTK_MAIN::createTimers()
{
    addTimer(uptimeTimer, &VH_WTK_MAIN::UPTIME_TIMER_Timer);
    addTimer(dayTimer, &VH_WTK_MAIN::DAY_UPTIME_TIMER_Timer);
    addTimer(hourTimer, &VH_WTK_MAIN::HOUR_UPTIME_TIMER_Timer);
    addTimer(minuteTimer, &VH_WTK_MAIN::MINUTE_UPTIME_TIMER_Timer);
    addTimer(secondTimer, &VH_WTK_MAIN::SECOND_UPTIME_TIMER_Timer);
    addTimer(displayTimer, &VH_WTK_MAIN::VH_DISPLAY_UPDATE_TIMER_Timer);
    addTimer(keeperTimer, &VH_WTK_MAIN::AlwaysOnTopTimer_Timer);
}

void VH_WTK_MAIN::Form_Load()
{
    Settings &settings = context().settings;
    restoreGeometry({SettingKey::MAIN_Left, SettingKey::MAIN_Top, SettingKey::MAIN_Width,
                     SettingKey::MAIN_Height});
    m_cellFields->refreshVisibility();
    keepOnSomeScreen();
    alwaysOnTopTickbox()->setValue(settings.readFlag(SettingKey::AlwaysOnTop_TICKBOX));
    autoStartTickbox()->setValue(settings.readFlag(SettingKey::AUTOSTART_TICKBOX));

    display()->setText(QString());
    // Tooltip requests over the icon and the line rise to the window. The
    // strip is seldom the active window, where Qt shows tooltips by default.
    surface()->setAttribute(Qt::WA_AlwaysShowToolTips);
    surface()->installEventFilter(m_bootTimeToolTip);

    alwaysOnTopTimer()->setInterval(1000);
    for (const QString &name : uptimeTimerNames())
        timer(name)->setInterval(1);

    alwaysOnTopTimer()->setEnabled(alwaysOnTopTickbox()->value() == 1);

    const bool running = autoStartTickbox()->value() == 1;
    for (const QString &name : uptimeTimerNames())
        timer(name)->setEnabled(running);
    display()->setBackground(running ? DisplayStyle::running : DisplayStyle::stopped);
    if (!running)
        display()->setTextIfDifferent(DisplayStyle::stoppedText);
}

TextField *VH_WTK_MAIN::cell(const QString &name)
{
    return m_cellFields ? m_cellFields->field(name.toStdString()) : nullptr;
}

void VH_WTK_MAIN::keepOnSomeScreen()
{
    // A window wholly off every screen (a monitor was unplugged) could never
    // be reached again: it has no taskbar entry.
    const QRect frame(surface()->pos(), QSize(pixels(width()), pixels(height())));
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame))
            return;
    }
    setLeft(settingDefault(SettingKey::MAIN_Left));
    setTop(settingDefault(SettingKey::MAIN_Top));
}

void VH_WTK_MAIN::Form_Unload()
{
    // In this order, and in one write: a large settings file is then read and
    // written once, not four times.
    rememberPosition({{SettingKey::AlwaysOnTop_TICKBOX, alwaysOnTopTickbox()->value()},
                      {SettingKey::AUTOSTART_TICKBOX, autoStartTickbox()->value()}});
}

void VH_WTK_MAIN::VH_UPTIME_DISPLAY_TEXTBOX_DblClick()
{
    showAbout();
}

void VH_WTK_MAIN::VH_16_ICON_PIC_DblClick()
{
    showAbout();
}

void VH_WTK_MAIN::Form_DblClick()
{
    showAbout();
}

void VH_WTK_MAIN::showAbout()
{
    m_about().showModal(*this);
}

void VH_WTK_MAIN::reportFault(const std::optional<EngineFault> &fault)
{
    if (fault)
        context().failures.runStopped(QString::fromStdString(fault->describe()));
}

void VH_WTK_MAIN::UPTIME_TIMER_Timer()
{
    reportFault(m_engine.UPTIME_TIMER_Timer());
}

void VH_WTK_MAIN::DAY_UPTIME_TIMER_Timer()
{
    reportFault(m_engine.DAY_UPTIME_TIMER_Timer());
}

void VH_WTK_MAIN::HOUR_UPTIME_TIMER_Timer()
{
    reportFault(m_engine.HOUR_UPTIME_TIMER_Timer());
}

void VH_WTK_MAIN::MINUTE_UPTIME_TIMER_Timer()
{
    reportFault(m_engine.MINUTE_UPTIME_TIMER_Timer());
}

void VH_WTK_MAIN::SECOND_UPTIME_TIMER_Timer()
{
    reportFault(m_engine.SECOND_UPTIME_TIMER_Timer());
}

void VH_WTK_MAIN::VH_DISPLAY_UPDATE_TIMER_Timer()
{
    display()->setTextIfDifferent(QString::fromStdString(m_engine.VH_DISPLAY_UPDATE_TIMER_Timer()));
}

ZOrder::Handle VH_WTK_MAIN::nativeHandle() const
{
    return static_cast<ZOrder::Handle>(surface()->winId());
}

void VH_WTK_MAIN::AlwaysOnTopTimer_Timer()
{
    // Nothing from an earlier look is trusted: the foreground moves at any
    // moment, and a window loses its topmost state when it is hidden and shown.
    if (m_zOrder->foregroundWindow() == nativeHandle())
        return;
    m_zOrder->demote(m_zOrder->foregroundWindow());
    m_zOrder->promote(nativeHandle());
}
