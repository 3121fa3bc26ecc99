// SPDX-License-Identifier: MIT
#include "forms/live/VH_WTK_LIVE_CALCULATIONS.h"

#include "engine/CellNames.h"
#include "engine/CellStore.h"
#include "engine/UptimeEngine.h"
#include "forms/about/VH_WTK_ABOUT.h"
#include "forms/common/ControlNames.h"
#include "forms/common/DisplayStyle.h"
#include "forms/common/ProgramFont.h"
#include "forms/common/ShownCells.h"
#include "forms/common/TitleStyle.h"
#include "forms/main/VH_WTK_MAIN.h"
#include "ui/DesignTable.h"
#include "ui/FormTimer.h"
#include "ui/TimerService.h"
#include "ui/controls/MultiLineField.h"
#include "ui/controls/TextField.h"
#include "ui/controls/TickBox.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <array>

const QString VH_WTK_LIVE_CALCULATIONS::explanationText = QStringLiteral(
    "1 - DAYS ROUNDED = DAYS rounded down to last whole number.\r\n"
    "2 - TOTAL HOURS =  DAYS ROUNDED x 24 HOURS.\r\n"
    "3 - HOURS LEFT = 24 HOURS - TOTAL HOURS.\r\n"
    "4 - HOURS ROUNDED = HOURS rounded down to last whole number.\r\n"
    "5 - MINUTES LEFT = HOURS LEFT x 60 MINUTES.\r\n"
    "6 - MINUTES ROUNDED = HOURS ROUNDED x 60 MINUTES.\r\n"
    "7 - MINUTES DIFFERENCE = MINUTES LEFT - MINUTES ROUNDED.\r\n"
    "8 - MINUTES DIFFERENCE ROUNDED = MINUTES rounded down to last whole number.\r\n"
    "9 - SECONDS LEFT = MINUTES DIFFERENCE x 60 SECONDS.\r\n"
    "10 - SECONDS ROUNDED = MINUTES DIFFERENCE ROUNDED x 60 SECONDS.\r\n"
    "11 - SECONDS DIFFERENCE = SECONDS LEFT - SECONDS ROUNDED.\r\n"
    "12 - SECONDS DIFFERENCE ROUNDED = SECONDS rounded down to last whole number.\r\n");

const QString VH_WTK_LIVE_CALCULATIONS::formulaText =
    QStringLiteral("START MILLISECONDS / TIME MILLISECONDS\r\n= TOTAL TIME\r\n");

namespace {

using Kind = ControlDesign::Kind;

enum Look : int
{
    Plain,
    Bold,        // small bold sans
    BoldCentred, // large bold sans, centred
    Title,
    Display,
    PaleYellow,
    PalePink,
    PaleGreen, // read-only explanation
    PaleCyan,  // bold formula
    Yellow,    // bold tick count
    LightGreen,
    LightGreenCentred,
};

// In creation order; positions and sizes in twips of the client area.
constexpr std::array<ControlDesign, 73> designs{{
    {"TIMER_BUTTON", Kind::Button, 12720, 3360, 1695, 735, "START TIMERS", 65},
    {"MATHS_2_TEXTBOX", Kind::MultiLine, 4800, 3120, 7335, 2535, nullptr, 64, PaleGreen},
    {"VH_UPTIME_DISPLAY_TEXTBOX", Kind::Text, 10680, 120, 3975, 405, nullptr, 62, Display},
    {"SECONDS_DIFFERENCE_ROUNDED_TB", Kind::Text, 12360, 2640, 2295, 375, nullptr, 56, PaleYellow},
    {"SECONDS_DIFFERENCE_TB", Kind::Text, 12360, 1800, 2295, 375, nullptr, 55},
    {"SECONDS_ROUNDED_TB", Kind::Text, 10680, 2640, 1455, 375, nullptr, 54},
    {"SECONDS_LEFT_TB", Kind::Text, 10680, 1800, 1455, 375, nullptr, 53},
    {"SECS_60_TB", Kind::Text, 9960, 2040, 375, 375, nullptr, 52},
    {"MINUTES_DIFFERENCE_ROUNDED_TB", Kind::Text, 7320, 2640, 2295, 375, nullptr, 49, PaleYellow},
    {"MINUTES_DIFFERENCE_LEFT_TB", Kind::Text, 7320, 1800, 2295, 375, nullptr, 48},
    {"HOURS_ROUNDED_TB", Kind::Text, 12360, 960, 2295, 375, nullptr, 44, PaleYellow},
    {"HOURS_LEFT_TB", Kind::Text, 10680, 960, 1455, 375, nullptr, 43},
    {"MINUTES_ROUNDED_X_60_TB", Kind::Text, 5640, 2640, 1455, 375, nullptr, 38},
    {"MINUTES_LEFT_X_60_TB", Kind::Text, 5640, 1800, 1455, 375, nullptr, 37},
    {"MINS_60_TB", Kind::Text, 4920, 2040, 375, 375, nullptr, 36},
    {"HOURS_FULL", Kind::Text, 8040, 960, 1575, 375, nullptr, 35},
    {"HOURS_24_TB", Kind::Text, 7320, 960, 375, 405, nullptr, 34},
    {"DAYS_MIRROR_TB", Kind::Text, 4680, 960, 1095, 375, nullptr, 31, PalePink},
    {"DAYS_ROUNDED_TB", Kind::Text, 6000, 960, 1095, 375, nullptr, 30, PaleYellow},
    {"MATHS_1_TEXTBOX", Kind::MultiLine, 120, 5160, 4335, 495, nullptr, 28, PaleCyan},
    {"YEARS_TB", Kind::Text, 2520, 4680, 1935, 375, nullptr, 18},
    {"MONTHS_TB", Kind::Text, 2520, 4200, 1935, 375, nullptr, 17},
    {"WEEKS_TB", Kind::Text, 2520, 3720, 1935, 375, nullptr, 16},
    {"MINS_TB", Kind::Text, 2520, 2280, 1935, 375, nullptr, 15},
    {"HOURS_TB", Kind::Text, 2520, 2760, 1935, 375, nullptr, 14},
    {"DAYS_TB", Kind::Text, 2520, 3240, 1935, 375, nullptr, 13, PalePink},
    {"SECS_TB", Kind::Text, 2520, 1800, 1935, 375, nullptr, 12},
    {"START_TB", Kind::Text, 1680, 720, 2775, 525, nullptr, 11, Yellow},
    {"TOTAL_MIL_YEAR", Kind::Text, 1080, 4680, 1215, 375, nullptr, 10},
    {"TOTAL_MIL_MONTH", Kind::Text, 1080, 4200, 1215, 375, nullptr, 9},
    {"TOTAL_MIL_WEEK", Kind::Text, 1080, 3720, 1215, 375, nullptr, 8},
    {"TOTAL_MIL_DAY", Kind::Text, 1080, 3240, 1215, 375, nullptr, 7},
    {"TOTAL_MIL_HOUR", Kind::Text, 1080, 2760, 1215, 375, nullptr, 6},
    {"TOTAL_MIL_MIN", Kind::Text, 1080, 2280, 1215, 375, nullptr, 5},
    {"TOTAL_MIL_SEC", Kind::Text, 1080, 1800, 1215, 375, nullptr, 4},
    {"OK_BUTTON", Kind::Button, 12720, 4680, 1695, 735, "OK", 0},
    {"Line6", Kind::Line, 4680, 1440, 14640, 1440},
    {"Line5", Kind::Line, 10680, 2280, 14640, 2280},
    {"Line4", Kind::Line, 9600, 2280, 5640, 2280},
    {"Line3", Kind::Line, 360, 1320, 1320, 1320},
    {"Label1", Kind::Label, 2280, 1440, 255, 255, "=", -1, BoldCentred},
    {"CURRENT_UPTIME_LABEL", Kind::Label, 7560, 120, 3015, 375, "CURRENT UPTIME:", -1, Title},
    {"Label26", Kind::Label, 9720, 1800, 975, 255, "SECONDS", -1, Bold},
    {"Label25", Kind::Label, 12360, 2400, 2175, 255, "DIFFERENCE ROUNDED", -1, Bold},
    {"Label24", Kind::Label, 12360, 1560, 2295, 255, "SECONDS DIFFERENCE", -1, Bold},
    {"Label23", Kind::Label, 10680, 1560, 1575, 255, "SECONDS LEFT", -1, Bold},
    {"Label22", Kind::Label, 10680, 2400, 1935, 255, "ROUNDED", -1, Bold},
    {"Label20", Kind::Label, 7320, 2400, 2175, 255, "DIFFERENCE ROUNDED", -1, Bold},
    {"Label14", Kind::Label, 7320, 1560, 2295, 255, "MINUTES DIFFERENCE", -1, Bold},
    {"Label12", Kind::Label, 7200, 720, 735, 255, "HOURS", -1, Bold},
    {"Label15", Kind::Label, 4680, 1800, 855, 255, "MINUTES", -1, Bold},
    {"Label21", Kind::Label, 8040, 720, 1335, 255, "TOTAL HOURS", -1, Bold},
    {"Label19", Kind::Label, 12240, 720, 1095, 255, "ROUNDED", -1, Bold},
    {"Label18", Kind::Label, 10680, 720, 1215, 255, "HOURS LEFT", -1, Bold},
    {"Label17", Kind::Label, 5640, 2400, 1935, 255, "ROUNDED", -1, Bold},
    {"Label16", Kind::Label, 5640, 1560, 1575, 255, "MINUTES LEFT", -1, Bold},
    {"Label11", Kind::Label, 6000, 720, 1095, 255, "ROUNDED", -1, Bold},
    {"Label10", Kind::Label, 4680, 720, 1095, 255, "DAYS", -1, Bold},
    {"Label2", Kind::Label, 120, 1440, 2175, 255, "TIME MILLISECONDS", -1, LightGreen},
    {"Line2", Kind::Line, 4560, 120, 4560, 5640},
    {"Line1", Kind::Line, 120, 600, 14640, 600},
    {"MILLISECONDS_LABEL", Kind::Label, 120, 720, 1455, 495, "START MILLISECONDS", -1, LightGreen},
    {"Label9", Kind::Label, 120, 1920, 975, 255, "SECONDS", -1, Bold},
    {"Label8", Kind::Label, 120, 2400, 855, 255, "MINUTES", -1, Bold},
    {"Label7", Kind::Label, 120, 2880, 855, 255, "HOURS", -1, Bold},
    {"Label6", Kind::Label, 120, 3360, 855, 255, "DAYS", -1, Bold},
    {"Label5", Kind::Label, 120, 3840, 855, 255, "WEEKS", -1, Bold},
    {"Label4", Kind::Label, 120, 4320, 855, 255, "MONTHS", -1, Bold},
    {"Label3", Kind::Label, 120, 4800, 855, 255, "YEARS", -1, Bold},
    {"Label13", Kind::Label, 2520, 1440, 1935, 255, "TOTAL TIME", -1, LightGreenCentred},
    {"VH_WTK_TITLE_2", Kind::Label, 2640, 120, 1815, 375, "VH-WTK", -1, Title},
    {"LIVE_CALCULATIONS_TITLE", Kind::Label, 4680, 120, 2775, 375, "LIVE CALCULATIONS", -1, Title},
    {"VH_WTK_TITLE_1", Kind::Label, 120, 120, 2415, 375, "VH-WREN-TICKER", -1, Title},
}};

static_assert(showsEachCellOnce(designs, CellNames::LiveWindow));

constexpr std::array<TimerDesign, 1> timers{{
    {"TEXTBOX_UPDATE_TIMER", true, "TEXTBOX_UPDATE_TIMER_Timer"},
}};

constexpr const char *timerButtonName = designed(designs, "TIMER_BUTTON").name;
constexpr const char *okButton = designed(designs, "OK_BUTTON").name;
constexpr const char *displayName = designed(designs, "VH_UPTIME_DISPLAY_TEXTBOX").name;
constexpr const char *explanationName = designed(designs, "MATHS_2_TEXTBOX").name;
constexpr const TimerDesign &mirrorTimer = designed(timers, "TEXTBOX_UPDATE_TIMER");

// The fixed backgrounds are all light: their text is fixed to black, or a
// dark desktop theme would write light text on them.
void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    // A multi-line field's text lies on its viewport, drawn in the base colour.
    if (const auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        palette.setColor(area->viewport()->backgroundRole(), colour);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A look meant for another kind of control leaves out what does not apply.
void applyLook(QWidget *control, Look look)
{
    auto *label = qobject_cast<QLabel *>(control);
    const QFont bold = ProgramFont::sansSerif(8.25, true);
    switch (look) {
    case Plain:
        break;
    case Bold:
        control->setFont(bold);
        break;
    case BoldCentred:
        control->setFont(ProgramFont::sansSerif(12, true));
        if (label)
            label->setAlignment(Qt::AlignCenter);
        break;
    case Title:
        if (label)
            TitleStyle::apply(label);
        break;
    case Display:
        if (auto *field = qobject_cast<TextField *>(control))
            DisplayStyle::apply(field, 12);
        break;
    case PaleYellow:
        setBackground(control, QColor(255, 255, 192));
        break;
    case PalePink:
        setBackground(control, QColor(255, 192, 255));
        break;
    case PaleGreen:
        setBackground(control, QColor(192, 255, 192));
        if (auto *field = qobject_cast<MultiLineField *>(control))
            field->setReadOnly(true);
        break;
    case PaleCyan:
        setBackground(control, QColor(192, 255, 255));
        control->setFont(bold);
        break;
    case Yellow:
        setBackground(control, QColor(255, 255, 0));
        control->setFont(bold);
        break;
    case LightGreen:
    case LightGreenCentred:
        setBackground(control, QColor(128, 255, 128));
        control->setFont(bold);
        if (label) {
            label->setWordWrap(true);
            if (look == LightGreenCentred)
                label->setAlignment(Qt::AlignCenter);
        }
        break;
    }
}

QString latin1(std::string_view text)
{
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

void dress(const ControlDesign &design, QWidget *control)
{
    if (auto *field = qobject_cast<TextField *>(control)) {
        const CellNames::Cell *cell = CellNames::find(design.name);
        field->setText(cell ? latin1(CellNames::designText(*cell))
                            : QStringLiteral("00000X, 00X, 00X, 000X,"));
    } else if (auto *text = qobject_cast<MultiLineField *>(control)) {
        text->setText(std::string_view(design.name) == explanationName
                          ? VH_WTK_LIVE_CALCULATIONS::explanationText
                          : VH_WTK_LIVE_CALCULATIONS::formulaText);
    }
    applyLook(control, static_cast<Look>(design.look));
}

const QString startTimers = QStringLiteral("START TIMERS");
const QString stopTimers = QStringLiteral("STOP TIMERS");

} // namespace

VH_WTK_LIVE_CALCULATIONS::VH_WTK_LIVE_CALCULATIONS(VH_WTK_MAIN &main, VH_WTK_ABOUT &about,
                                                   FormContext context, QObject *parent)
    : Form({QStringLiteral("VH_WTK_LIVE_CALCULATIONS"),
            QStringLiteral("VH-WREN-TICKER - LIVE CALCULATIONS"), Frame::FixedSingle, true,
            QSize(14760, 5820), QMargins(45, 330, 45, 45)},
           context, parent)
    , m_main(main)
    , m_about(about)
{
    connect(this, &Form::unloaded, this, [this] { this->context().timers.releaseFrames(); });
}

TextField *VH_WTK_LIVE_CALCULATIONS::display() const
{
    return m_display;
}

QPushButton *VH_WTK_LIVE_CALCULATIONS::timerButton() const
{
    return control<QPushButton>(timerButtonName);
}

void VH_WTK_LIVE_CALCULATIONS::createControls(QWidget *surface)
{
    // Every intermediate value is on screen while this window is.
    context().timers.demandFrames();
    addControls(designs, surface, dress);
    ControlNames::apply(surface);
    ProgramFont::holdDesignFonts(surface);
    m_display = control<TextField>(displayName);
    auto *ok = control<QPushButton>(okButton);
    ok->setFocus();
    handle(ok, &QPushButton::clicked, "OK_BUTTON_Click",
           &VH_WTK_LIVE_CALCULATIONS::OK_BUTTON_Click);
    // Escape closes the window as the OK button does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), surface);
    connect(escape, &QShortcut::activated, ok, &QPushButton::click);
    handle(timerButton(), &QPushButton::clicked, "TIMER_BUTTON_Click",
           &VH_WTK_LIVE_CALCULATIONS::TIMER_BUTTON_Click);

    m_mirror.clear();
    for (const CellNames::Cell &cell : CellNames::cells) {
        if (cell.constant.empty())
            m_mirror.emplace_back(cell.name, control<TextField>(latin1(cell.name)));
    }

    addTimer(mirrorTimer, &VH_WTK_LIVE_CALCULATIONS::TEXTBOX_UPDATE_TIMER_Timer);
}

void VH_WTK_LIVE_CALCULATIONS::Form_Load()
{
    restoreGeometry({SettingKey::LIVE_CALCS_Left, SettingKey::LIVE_CALCS_Top,
                     SettingKey::LIVE_CALCS_Width, SettingKey::LIVE_CALCS_Height});

    display()->setText(QString());

    FormTimer *mirror = timer(mirrorTimer.name);
    mirror->setInterval(1);
    mirror->setEnabled(true);

    // The caption says what the next press does, judged by the option alone;
    // the timers themselves may have been switched by an earlier press.
    const bool running = m_about.autoStartTickbox()->value() == 1;
    timerButton()->setText(running ? stopTimers : startTimers);
    display()->setBackground(running ? DisplayStyle::running : DisplayStyle::stopped);
}

void VH_WTK_LIVE_CALCULATIONS::Form_Unload()
{
    rememberPosition();
}

void VH_WTK_LIVE_CALCULATIONS::OK_BUTTON_Click()
{
    rememberPosition();
    unload();
}

void VH_WTK_LIVE_CALCULATIONS::TIMER_BUTTON_Click()
{
    // The caption alone decides, whatever the timers are doing.
    const bool start = timerButton()->text() == startTimers;
    const QColor &look = start ? DisplayStyle::running : DisplayStyle::stopped;
    timerButton()->setText(start ? stopTimers : startTimers);
    for (const QString &name : VH_WTK_MAIN::arithmeticTimerNames())
        m_main.timer(name)->setEnabled(start);
    timer(mirrorTimer.name)->setEnabled(start);
    m_main.display()->setBackground(look);
    display()->setBackground(look);
    if (!start) {
        display()->setTextIfDifferent(DisplayStyle::stoppedText);
        m_main.display()->setTextIfDifferent(DisplayStyle::stoppedText);
    }
    m_main.timer(VH_WTK_MAIN::displayTimerName())->setEnabled(start);
}

void VH_WTK_LIVE_CALCULATIONS::TEXTBOX_UPDATE_TIMER_Timer()
{
    display()->setTextIfDifferent(m_main.display()->text());
    const CellStore &cells = m_main.engine().cells();
    TextField *days = nullptr;
    for (const auto &[cell, field] : m_mirror) {
        if (cell == CellNames::DAYS_TB)
            days = field;
        field->setTextIfDifferent(cell == CellNames::DAYS_MIRROR_TB && days
                                      ? days->text()
                                      : QString::fromStdString(cells.text(cell)));
    }
}
