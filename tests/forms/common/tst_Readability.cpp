// SPDX-License-Identifier: MIT
// Covers the colours and fonts of src/forms/common/ and of the three windows.
#include "support/WindowTestBed.h"
#include "ui/controls/Label.h"
#include "ui/controls/MultiLineField.h"
#include "ui/controls/TickBox.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>

#include <climits>
#include <cmath>

namespace {

// WCAG 2 relative luminance of an sRGB colour.
double luminance(const QColor &colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return dark;
}

// Room a control gives its caption, in pixels.
int captionRoom(QWidget *control)
{
    if (auto *box = qobject_cast<TickBox *>(control))
        return box->captionRoom();
    if (auto *field = qobject_cast<MultiLineField *>(control))
        return field->lineRoom();
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .width();
    }
    return static_cast<Label *>(control)->captionRoom();
}

// The widest line or, where the control wraps, the widest word.
int captionWidth(QWidget *control)
{
    QFont font = control->font();
    QStringList pieces;
    if (auto *box = qobject_cast<TickBox *>(control)) {
        font = box->captionFont();
        pieces = box->text().split(QLatin1Char('\n'));
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        pieces << button->text();
    } else if (auto *field = qobject_cast<MultiLineField *>(control)) {
        font = field->document()->defaultFont();
        pieces = field->toPlainText().trimmed().split(QLatin1Char('\n'));
        // Each line whole down the field too.
        const int height =
            field->viewport()->height() - 2 * int(field->document()->documentMargin());
        if (pieces.size() * QFontMetrics(font).height() > height)
            return INT_MAX;
    } else {
        auto *label = static_cast<Label *>(control);
        font = label->captionFont();
        pieces = label->captionPieces();
    }
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &piece : pieces)
        widest = std::max(widest, metrics.horizontalAdvance(piece));
    return widest;
}

} // namespace

// Every window stays readable under a desktop theme's palette and fonts.
class TestReadability : public QObject, public WindowTestBed
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fixedBackgroundsContrastUnderDarkPalette_data();
    void fixedBackgroundsContrastUnderDarkPalette();
    void captionsFitUnderThemeFont_data();
    void captionsFitUnderThemeFont();

private:
    void loadAll();
    void applyThemeFont();
    QList<Form *> windows() const;

    QFont m_font;
    QPalette m_palette;
};

void TestReadability::initTestCase()
{
    m_font = QApplication::font();
    m_palette = QApplication::palette();
}

void TestReadability::init()
{
    setUpBed();
}

void TestReadability::cleanup()
{
    tearDownBed();
    QApplication::setPalette(m_palette);
    QApplication::setFont(m_font);
    for (const char *kind : {"QPushButton", "QCheckBox", "QLabel"})
        QApplication::setFont(m_font, kind);
}

void TestReadability::loadAll()
{
    createWindows();
    m_main->load();
    m_main->show();
    m_about->load(m_main.get());
    m_about->show();
    m_live->load(m_about.get());
    m_live->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_live->surface()));
    tick(90061001);
}

QList<Form *> TestReadability::windows() const
{
    return {m_main.get(), m_about.get(), m_live.get()};
}

void TestReadability::applyThemeFont()
{
    // As a platform theme does: a larger application font, and fonts of its
    // own for buttons, tickboxes and labels.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 13));
    for (const char *kind : {"QPushButton", "QCheckBox", "QLabel"})
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Bold), kind);
}

void TestReadability::fixedBackgroundsContrastUnderDarkPalette_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("fixed"); // controls whose background the design fixes
    QTest::addColumn<QString>("picture");

    QTest::newRow("strip") << 0 << 1 << "";
    QTest::newRow("About") << 1 << 6 << "about-window-dark.png";
    QTest::newRow("live calculations") << 2 << 17 << "live-calculations-dark.png";
}

void TestReadability::fixedBackgroundsContrastUnderDarkPalette()
{
    QFETCH(int, window);
    QFETCH(int, fixed);
    QFETCH(QString, picture);
    QApplication::setPalette(darkPalette());
    loadAll();
    QWidget *surface = windows().at(window)->surface();

    int checked = 0;
    for (QWidget *control : surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        // A multi-line field draws its text on its viewport.
        const auto *area = qobject_cast<QAbstractScrollArea *>(control);
        const QWidget *painted = area ? area->viewport() : control;
        const QPalette::ColorRole background = painted->backgroundRole();
        if (!control->palette().isBrushSet(QPalette::Active, background))
            continue;
        ++checked;
        QColor back = painted->palette().color(background);
        // Windows 11's style clears the viewport and paints the field's base
        // beneath it.
        if (back.alpha() == 0)
            back = control->palette().color(QPalette::Base);
        const QColor text = painted->palette().color(painted->foregroundRole());
        const double ratio = contrast(back, text);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                                              .arg(control->objectName(), text.name(), back.name())
                                              .arg(ratio, 0, 'f', 2)));
    }
    QCOMPARE(checked, fixed);

    const QString folder = qEnvironmentVariable("VH_SCREENSHOT_DIR");
    // The folder is shared with tests that may run later or at the same time.
    if (!folder.isEmpty() && !picture.isEmpty() && QDir().mkpath(folder))
        QVERIFY(surface->grab().save(folder + QLatin1Char('/') + picture));
}

void TestReadability::captionsFitUnderThemeFont_data()
{
    QTest::addColumn<int>("theme"); // 0 none, 1 before the windows load, 2 after

    QTest::newRow("toolkit font") << 0;
    QTest::newRow("theme font before loading") << 1;
    QTest::newRow("theme font after loading") << 2;
}

void TestReadability::captionsFitUnderThemeFont()
{
    QFETCH(int, theme);
    if (theme == 1)
        applyThemeFont();
    loadAll();
    if (theme == 2)
        applyThemeFont();

    QStringList fitted;
    for (Form *form : windows()) {
        for (QWidget *control :
             form->surface()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            auto *field = qobject_cast<MultiLineField *>(control);
            if (!qobject_cast<QAbstractButton *>(control) && !qobject_cast<QLabel *>(control) &&
                !(field && field->isReadOnly()))
                continue;
            const int room = captionRoom(control);
            const int width = captionWidth(control);
            QVERIFY2(width <= room, qPrintable(QStringLiteral("%1 %2: %3 px in %4")
                                                   .arg(form->objectName(), control->objectName())
                                                   .arg(width)
                                                   .arg(room)));
            fitted << control->objectName();
        }
    }
    // Every caption: 2 tickboxes and 9 labels of the main window, 10 About
    // controls, 2 buttons, 31 labels and the explanation of the live
    // calculations window.
    QCOMPARE(fitted.size(), 55);
    QCOMPARE(fitted.count(QStringLiteral("AUTOSTART_TICKBOX")), 2);
}

QTEST_MAIN(TestReadability)
#include "tst_Readability.moc"
