// SPDX-License-Identifier: MIT
#include "engine/EngineFault.h"
#include "ui/FailureReporter.h"
#include "ui/FormTimer.h"
#include "ui/TimerService.h"

#include <QTest>

#include <stdexcept>

class TestFailureReporter : public QObject
{
    Q_OBJECT

private slots:
    void engineFaultsPrintedOncePerDistinctFault();
    void settingsRefusalShowsOneMessageAndGoesOn();
    void exceptionInHandlerIsFatal();
};

namespace {

struct Recorder
{
    QStringList printed;
    QStringList shown;
    QList<int> exits;
    qint64 now = 0;
    TimerService timers{[this] { return now; }};

    FailureReporter reporter()
    {
        return FailureReporter(
            timers, [this](const QString &, const QString &text) { shown << text; },
            [this](const QString &line) { printed << line; },
            [this](int status) { exits << status; });
    }
};

} // namespace

void TestFailureReporter::engineFaultsPrintedOncePerDistinctFault()
{
    Recorder recorder;
    FailureReporter reporter = recorder.reporter();
    const EngineFault weeks{"UPTIME_TIMER_Timer", "WEEKS_TB", EngineFault::Kind::DivisionByZero};
    const EngineFault hours{"HOUR_UPTIME_TIMER_Timer", "HOURS_FULL", EngineFault::Kind::Overflow};
    for (int i = 0; i < 50; ++i) {
        reporter.runStopped(QString::fromStdString(weeks.describe()));
        reporter.runStopped(QString::fromStdString(hours.describe()));
    }
    QCOMPARE(recorder.printed.size(), 2);
    QVERIFY(recorder.printed.at(0).contains("WEEKS_TB"));
    QVERIFY(recorder.printed.at(0).contains("division by zero"));
    QVERIFY(recorder.shown.isEmpty());
    QVERIFY(recorder.exits.isEmpty());
}

void TestFailureReporter::settingsRefusalShowsOneMessageAndGoesOn()
{
    Recorder recorder;
    FailureReporter reporter = recorder.reporter();
    reporter.settingsNotSaved({});
    QVERIFY(recorder.shown.isEmpty());
    reporter.settingsNotSaved({"MAIN_Left: read-only", "MAIN_Top: read-only"});
    QCOMPARE(recorder.shown.size(), 1);
    QVERIFY(recorder.shown.first().contains("MAIN_Left: read-only"));
    QVERIFY(recorder.shown.first().contains("MAIN_Top: read-only"));
    QVERIFY(recorder.exits.isEmpty());
    QCOMPARE(reporter.exitStatus(), 0);
}

void TestFailureReporter::exceptionInHandlerIsFatal()
{
    Recorder recorder;
    FailureReporter reporter = recorder.reporter();
    FormTimer ticking(QStringLiteral("T"), recorder.timers);
    ticking.setInterval(1);
    bool after = false;
    reporter.run("OK_BUTTON_Click", [] { throw std::runtime_error("control refused the value"); });
    reporter.run("OK_BUTTON_Click", [&after] { after = true; });
    QVERIFY(after);
    QCOMPARE(recorder.exits, QList<int>{1});
    QCOMPARE(reporter.exitStatus(), 1);
    QCOMPARE(recorder.shown.size(), 1);
    QVERIFY(recorder.shown.first().contains("OK_BUTTON_Click: control refused the value"));
    QVERIFY(recorder.printed.first().contains("OK_BUTTON_Click"));
    // Nothing ticks on behind the message, in the service the windows use.
    recorder.now = 100;
    QCOMPARE(recorder.timers.runDue(), 0);
}

QTEST_GUILESS_MAIN(TestFailureReporter)
#include "tst_FailureReporter.moc"
