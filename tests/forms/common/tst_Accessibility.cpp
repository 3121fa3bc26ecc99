// SPDX-License-Identifier: MIT
// Covers src/ui/Accessibility.cpp in the three forms, with the names of
// src/forms/common/ControlNames.cpp.
#include "support/WindowTestBed.h"
#include "ui/controls/TextField.h"
#include "ui/controls/TickBox.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

struct Announcement
{
    QObject *object;
    QAccessible::Event type;
};

QList<Announcement> announcements;

void record(QAccessibleEvent *event)
{
    announcements.append({event->object(), event->type()});
}

} // namespace

// What a screen reader and the keyboard reach of the three windows.
class TestAccessibility : public QObject, public WindowTestBed
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stripExposesIconAndUptimeOnly();
    void dialogsNameEveryControl_data();
    void dialogsNameEveryControl();
    void uptimeChangesAreNotAnnounced();
    void tabOnStripVisitsOnlyVisibleControls();
    void tabThenSpaceChangesNoOption();

private:
    void loadMain();
};

void TestAccessibility::initTestCase()
{
    // Before the first window: the windows' own gate then hands on to it.
    QAccessible::installUpdateHandler(&record);
}

void TestAccessibility::init()
{
    setUpBed();
    announcements.clear();
}

void TestAccessibility::cleanup()
{
    tearDownBed();
}

void TestAccessibility::loadMain()
{
    createWindows();
    m_main->load();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main->surface()));
}

void TestAccessibility::stripExposesIconAndUptimeOnly()
{
    loadMain();
    tick(90061001);
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_main->surface());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("VH-WREN-TICKER:"));
    QCOMPARE(window->childCount(), 2);

    QAccessibleInterface *icon = window->child(0);
    QCOMPARE(icon->object()->objectName(), QStringLiteral("VH_16_ICON_PIC"));
    QCOMPARE(icon->role(), QAccessible::Graphic);
    QVERIFY(!icon->text(QAccessible::Name).isEmpty());

    QAccessibleInterface *uptime = window->child(1);
    QCOMPARE(uptime->object(), m_main->display());
    QCOMPARE(uptime->role(), QAccessible::EditableText);
    QVERIFY(uptime->state().readOnly);
    QCOMPARE(uptime->text(QAccessible::Name), QStringLiteral("Uptime"));
    QCOMPARE(uptime->text(QAccessible::Value), QStringLiteral("1D, 1H, 1M, 1S"));
    QCOMPARE(window->indexOfChild(uptime), 1);
    QCOMPARE(window->indexOfChild(QAccessible::queryAccessibleInterface(m_main->cell("START_TB"))),
             -1);
}

void TestAccessibility::dialogsNameEveryControl_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("controls"); // lines are drawing, not controls

    QTest::newRow("About") << "about"
                           << "VH-WREN-TICKER - ABOUT" << 10;
    QTest::newRow("live calculations") << "live"
                                       << "VH-WREN-TICKER - LIVE CALCULATIONS" << 67;
}

void TestAccessibility::dialogsNameEveryControl()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(int, controls);
    loadMain();
    m_about->load(m_main.get());
    Form *form = m_about.get();
    if (window == "live") {
        m_live->load(m_about.get());
        form = m_live.get();
    }
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form->surface()));

    QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(form->surface());
    QCOMPARE(dialog->role(), QAccessible::Dialog);
    QCOMPARE(dialog->text(QAccessible::Name), caption);
    QCOMPARE(dialog->childCount(), controls);
    QStringList names;
    for (int i = 0; i < dialog->childCount(); ++i) {
        const QString name = dialog->child(i)->text(QAccessible::Name);
        const QString control = dialog->child(i)->object()->objectName();
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control));
        QVERIFY2(!name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r')),
                 qPrintable(control + ": " + name));
        names << name;
    }
    if (window == "about") {
        // Its caption wraps onto two lines; its name is one.
        QVERIFY(m_about->alwaysOnTopTickbox()->text().contains(QLatin1Char('\n')));
        QVERIFY(names.contains(QStringLiteral("Always On Top")));
        QVERIFY(names.contains(QStringLiteral("AutoStart")));
    }
}

void TestAccessibility::uptimeChangesAreNotAnnounced()
{
    loadMain();
    // Qt 6.8 hands the gate every change of every widget, a screen reader
    // or not; Qt 6.4 hands it none without one, so the line's own kinds of
    // change are handed to it here as well.
    announcements.clear();
    for (std::uint64_t second = 90061; second < 90064; ++second)
        tick(second * 1000 + 1);
    const QAccessible::UpdateHandler gate = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(gate);
    QVERIFY(gate != &record);
    TextField *line = m_main->display();
    TextField *cell = m_main->cell("HOURS_24_TB");
    for (TextField *field : {line, cell}) {
        QAccessibleTextUpdateEvent text(field, 0, QStringLiteral("1D, 1H, 1M, 1S"),
                                        QStringLiteral("1D, 1H, 1M, 2S"));
        gate(&text);
        QAccessibleValueChangeEvent value(field, QStringLiteral("1D, 1H, 1M, 2S"));
        gate(&value);
        QAccessibleEvent focus(field, QAccessible::Focus);
        gate(&focus);
    }
    QList<std::pair<QObject *, QAccessible::Event>> told;
    for (const Announcement &announcement : announcements)
        told.append({announcement.object, announcement.type});
    for (const QAccessible::Event type :
         {QAccessible::TextUpdated, QAccessible::ValueChanged, QAccessible::Focus})
        QVERIFY2(told.contains({cell, type}), qPrintable(QString::number(type, 16)));
    QVERIFY(told.contains({line, QAccessible::Focus}));
    for (const auto &[object, type] : told) {
        const bool aboutText = (type >= QAccessible::TextAttributeChanged &&
                                type <= QAccessible::VisibleDataChanged) ||
                               type == QAccessible::ValueChanged;
        QVERIFY2(object != line || !aboutText, qPrintable(QString::number(type, 16)));
    }
}

void TestAccessibility::tabOnStripVisitsOnlyVisibleControls()
{
    loadMain();
    QWidget *strip = m_main->surface();
    strip->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(strip));
    int focusable = 0;
    for (QWidget *control : strip->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!strip->rect().intersects(control->geometry()) ||
            !(control->focusPolicy() & Qt::TabFocus))
            continue;
        ++focusable;
        control->setFocus(Qt::TabFocusReason);
        // More presses than the window has controls.
        for (int press = 0; press < 50; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            QVERIFY2(strip->rect().contains(focused->geometry()),
                     qPrintable(focused->objectName()));
        }
    }
    QCOMPARE(focusable, 1); // the uptime line; the icon takes no focus
}

void TestAccessibility::tabThenSpaceChangesNoOption()
{
    loadMain();
    QWidget *strip = m_main->surface();
    strip->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(strip));
    // Space on the line opens the About window; close it unchanged.
    QTimer::singleShot(0, this, [this] {
        if (m_about->isLoaded())
            m_about->surface()->close();
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_main->alwaysOnTopTickbox()->value(), 1);
    QCOMPARE(m_main->autoStartTickbox()->value(), 1);
    m_main->unload();
    QCOMPARE(m_store->stored.value("AlwaysOnTop_TICKBOX"), QStringLiteral("1"));
    QCOMPARE(m_store->stored.value("AUTOSTART_TICKBOX"), QStringLiteral("1"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
