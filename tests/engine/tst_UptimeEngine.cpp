// SPDX-License-Identifier: MIT
#include "engine/CellNames.h"
#include "engine/UptimeEngine.h"
#include "support/EnginePass.h"
#include "support/FixedTickSource.h"
#include "support/LocaleTestMain.h"

#include <QTest>

#include <map>

class TestUptimeEngine : public QObject
{
    Q_OBJECT

private slots:
    void designTexts();
    void samplingCells_data();
    void samplingCells();
    void wholeDays_data();
    void wholeDays();
    void breakdownCells_data();
    void breakdownCells();
    void displayLine_data();
    void displayLine();
    void beforeAnySampling();
    void handlersReadTypedText_data();
    void handlersReadTypedText();
    void hourRunBeforeDayRunShowsTwentyFour();
    void faults_data();
    void faults();
    void listenerSeesEveryWrite();
};

void TestUptimeEngine::designTexts()
{
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    const CellStore &cells = engine.cells();
    QCOMPARE(cells.text("TOTAL_MIL_SEC"), "1000");
    QCOMPARE(cells.text("TOTAL_MIL_MONTH"), "2419200000");
    QCOMPARE(cells.text("TOTAL_MIL_YEAR"), "31536000000");
    QCOMPARE(cells.text("HOURS_24_TB"), "24");
    QCOMPARE(cells.text("SECS_60_TB"), "60");
    QCOMPARE(cells.text("START_TB"), "START_TB");
    QCOMPARE(cells.text("SECONDS_DIFFERENCE_ROUNDED_TB"), "SECONDS_DIFFERENCE_ROUNDED_TB");
    QCOMPARE(cells.names().size(), std::size_t(31));
    QCOMPARE(engine.wholeDays(), 0);
    QCOMPARE(engine.wholeSeconds(), 0);
}

void TestUptimeEngine::samplingCells_data()
{
    QTest::addColumn<quint64>("t");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("expected");

    const auto row = [](quint64 t, const char *cell, const char *expected) {
        QTest::addRow("t=%llu %s", static_cast<unsigned long long>(t), cell)
            << t << QString(cell) << QString(expected);
    };
    for (const char *cell : {"START_TB", "YEARS_TB", "MONTHS_TB", "WEEKS_TB", "DAYS_TB", "HOURS_TB",
                             "MINS_TB", "SECS_TB", "DAYS_MIRROR_TB"})
        row(0, cell, "0");
    row(100, "YEARS_TB", "3.17097919837646E-09");
    row(100, "DAYS_TB", "1.15740740740741E-06");
    row(100, "HOURS_TB", "2.77777777777778E-05");
    row(100, "SECS_TB", "0.1");
    row(90061001, "START_TB", "90061001");
    row(90061001, "YEARS_TB", "0.00285581560755961");
    row(90061001, "MONTHS_TB", "0.0372275963128307");
    row(90061001, "WEEKS_TB", "0.148910385251323");
    row(90061001, "DAYS_TB", "1.04237269675926");
    row(90061001, "DAYS_MIRROR_TB", "1.04237269675926");
    row(90061001, "HOURS_TB", "25.0169447222222");
    row(90061001, "MINS_TB", "1501.01668333333");
    row(90061001, "SECS_TB", "90061.001");
    row(2147483648, "START_TB", "2147483648");
    row(2147483648, "DAYS_TB", "24.8551348148148");
    row(4294967295, "START_TB", "4294967295");
    row(4294967295, "DAYS_TB", "49.7102696180556");
    row(4294967296, "START_TB", "4294967296");
    row(86400000, "DAYS_TB", "1");
    row(86400004, "DAYS_TB", "1.0000000462963");
    row(86400005, "DAYS_TB", "1.00000005787037");
    row(172799996, "DAYS_TB", "1.9999999537037");
}

void TestUptimeEngine::samplingCells()
{
    QFETCH(quint64, t);
    QFETCH(QString, cell);
    QFETCH(QString, expected);
    FixedTickSource ticks;
    ticks.now = t;
    UptimeEngine engine(ticks);
    QVERIFY(!engine.UPTIME_TIMER_Timer());
    QCOMPARE(QString::fromStdString(engine.cells().text(cell.toStdString())), expected);
}

void TestUptimeEngine::wholeDays_data()
{
    QTest::addColumn<quint64>("t");
    QTest::addColumn<int>("expected");

    for (const quint64 t :
         {quint64(0), quint64(86399999), quint64(86400000), quint64(86400004), quint64(172799995),
          quint64(172799996), quint64(172799999), quint64(172800000), quint64(2147483648),
          quint64(4294967295), quint64(4294967296), quint64(630720000000)})
        QTest::addRow("t=%llu", static_cast<unsigned long long>(t))
            << t << static_cast<int>(t / 86400000);
}

void TestUptimeEngine::wholeDays()
{
    QFETCH(quint64, t);
    QFETCH(int, expected);
    FixedTickSource ticks;
    ticks.now = t;
    UptimeEngine engine(ticks);
    QVERIFY(!engine.UPTIME_TIMER_Timer());
    QCOMPARE(engine.wholeDays(), expected);
    QVERIFY(!engine.DAY_UPTIME_TIMER_Timer());
    QCOMPARE(QString::fromStdString(engine.cells().text("DAYS_ROUNDED_TB")),
             QString::number(expected));
}

void TestUptimeEngine::breakdownCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("expected");

    const std::map<const char *, const char *> cells{
        {"DAYS_ROUNDED_TB", "1"},
        {"HOURS_FULL", "24"},
        {"HOURS_LEFT_TB", "1.0169447222222"},
        {"HOURS_ROUNDED_TB", "1"},
        {"MINUTES_LEFT_X_60_TB", "61.016683333332"},
        {"MINUTES_ROUNDED_X_60_TB", "60"},
        {"MINUTES_DIFFERENCE_LEFT_TB", "1.016683333332"},
        {"MINUTES_DIFFERENCE_ROUNDED_TB", "1"},
        {"SECONDS_LEFT_TB", "61.00099999992"},
        {"SECONDS_ROUNDED_TB", "60"},
        {"SECONDS_DIFFERENCE_TB", "1.00099999992"},
        {"SECONDS_DIFFERENCE_ROUNDED_TB", "1"},
    };
    for (const auto &[cell, expected] : cells)
        QTest::newRow(cell) << QString(cell) << QString(expected);
}

void TestUptimeEngine::breakdownCells()
{
    QFETCH(QString, cell);
    QFETCH(QString, expected);
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    QCOMPARE(runPass(engine, ticks, 90061001), std::string("1D, 1H, 1M, 1S"));
    QCOMPARE(QString::fromStdString(engine.cells().text(cell.toStdString())), expected);
}

void TestUptimeEngine::displayLine_data()
{
    QTest::addColumn<quint64>("t");
    QTest::addColumn<QString>("expected");

    const std::map<quint64, const char *> lines{
        {0, "0D, 0H, 0M, 0S"},
        {999, "0D, 0H, 0M, 0S"},
        {1000, "0D, 0H, 0M, 1S"},
        {1001, "0D, 0H, 0M, 1S"},
        {2000, "0D, 0H, 0M, 2S"},
        {3000, "0D, 0H, 0M, 3S"},
        {5000, "0D, 0H, 0M, 5S"},
        {59999, "0D, 0H, 0M, 59S"},
        {60000, "0D, 0H, 1M, 0S"},
        {60001, "0D, 0H, 1M, 0S"},
        {3599999, "0D, 0H, 59M, 59S"},
        {3600000, "0D, 1H, 0M, 0S"},
        {7200000, "0D, 2H, 0M, 0S"},
        {10800000, "0D, 3H, 0M, 0S"},
        {86399999, "0D, 23H, 59M, 59S"},
        {86400000, "1D, 0H, 0M, 0S"},
        {86400005, "1D, 0H, 0M, 0S"},
        {90061001, "1D, 1H, 1M, 1S"},
        {172799995, "1D, 23H, 59M, 59S"},
        {172799996, "1D, 23H, 59M, 59S"},
        {172800000, "2D, 0H, 0M, 0S"},
        {2147483648, "24D, 20H, 31M, 23S"},
        {4294967295, "49D, 17H, 2M, 47S"},
        {4294967296, "49D, 17H, 2M, 47S"},
        {4294967296 + 60000, "49D, 17H, 3M, 47S"},
        {31536000000, "365D, 0H, 0M, 0S"},
    };
    for (const auto &[t, line] : lines)
        QTest::addRow("t=%llu", static_cast<unsigned long long>(t)) << t << QString(line);
}

void TestUptimeEngine::displayLine()
{
    QFETCH(quint64, t);
    QFETCH(QString, expected);
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    QCOMPARE(QString::fromStdString(runPass(engine, ticks, t)), expected);
    // The same sample again must not drift: every run starts from the cells.
    QCOMPARE(QString::fromStdString(runPass(engine, ticks, t)), expected);
}

void TestUptimeEngine::beforeAnySampling()
{
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    QCOMPARE(engine.VH_DISPLAY_UPDATE_TIMER_Timer(),
             std::string("DAYS_ROUNDED_TBD, HOURS_ROUNDED_TBH, MINUTES_DIFFERENCE_ROUNDED_TBM, "
                         "SECONDS_DIFFERENCE_ROUNDED_TBS"));
    QVERIFY(!engine.DAY_UPTIME_TIMER_Timer());
    QVERIFY(!engine.HOUR_UPTIME_TIMER_Timer());
    QVERIFY(!engine.MINUTE_UPTIME_TIMER_Timer());
    QVERIFY(!engine.SECOND_UPTIME_TIMER_Timer());
    QCOMPARE(engine.VH_DISPLAY_UPDATE_TIMER_Timer(), std::string("0D, 0H, 0M, 0S"));
    QCOMPARE(engine.cells().text("START_TB"), "START_TB");
}

void TestUptimeEngine::handlersReadTypedText_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("checkCell");
    QTest::addColumn<QString>("expected");

    // 90061001 / 43200000 = 2.0847453935185185...
    QTest::newRow("half-day divisor") << "TOTAL_MIL_DAY"
                                      << "43200000"
                                      << "DAYS_TB"
                                      << "2.08474539351852";
    QTest::newRow("half-day divisor whole days") << "TOTAL_MIL_DAY"
                                                 << "43200000"
                                                 << "DAYS_ROUNDED_TB"
                                                 << "2";
    QTest::newRow("12 hours a day") << "HOURS_24_TB"
                                    << "12"
                                    << "HOURS_ROUNDED_TB"
                                    << "13";
    QTest::newRow("blanks in a factor") << "MINS_60_TB"
                                        << " 6 0 "
                                        << "MINUTES_ROUNDED_X_60_TB"
                                        << "60";
    QTest::newRow("100 seconds a minute") << "SECS_60_TB"
                                          << "100"
                                          << "SECONDS_LEFT_TB"
                                          << "101.6683333332";
    QTest::newRow("factor typed as text") << "SECS_60_TB"
                                          << "sixty"
                                          << "SECONDS_LEFT_TB"
                                          << "0";
}

void TestUptimeEngine::handlersReadTypedText()
{
    QFETCH(QString, cell);
    QFETCH(QString, typed);
    QFETCH(QString, checkCell);
    QFETCH(QString, expected);
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    runPass(engine, ticks, 90061001);
    engine.cells().setText(cell.toStdString(), typed.toStdString());
    runPass(engine, ticks, 90061001);
    QCOMPARE(QString::fromStdString(engine.cells().text(checkCell.toStdString())), expected);
}

void TestUptimeEngine::hourRunBeforeDayRunShowsTwentyFour()
{
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    QCOMPARE(runPass(engine, ticks, 86399999), std::string("0D, 23H, 59M, 59S"));
    ticks.now = 86400000;
    QVERIFY(!engine.UPTIME_TIMER_Timer());
    QVERIFY(!engine.HOUR_UPTIME_TIMER_Timer());
    QCOMPARE(engine.cells().text("HOURS_ROUNDED_TB"), "24");
    QVERIFY(!engine.DAY_UPTIME_TIMER_Timer());
    QVERIFY(!engine.HOUR_UPTIME_TIMER_Timer());
    QCOMPARE(engine.cells().text("HOURS_ROUNDED_TB"), "0");
}

namespace {

using Handler = std::optional<EngineFault> (UptimeEngine::*)();

const std::map<QString, Handler> handlersByName{
    {"UPTIME_TIMER_Timer", &UptimeEngine::UPTIME_TIMER_Timer},
    {"DAY_UPTIME_TIMER_Timer", &UptimeEngine::DAY_UPTIME_TIMER_Timer},
    {"HOUR_UPTIME_TIMER_Timer", &UptimeEngine::HOUR_UPTIME_TIMER_Timer},
    {"MINUTE_UPTIME_TIMER_Timer", &UptimeEngine::MINUTE_UPTIME_TIMER_Timer},
    {"SECOND_UPTIME_TIMER_Timer", &UptimeEngine::SECOND_UPTIME_TIMER_Timer},
};

std::int32_t wholeNumber(const UptimeEngine &engine, const QString &name)
{
    if (name == "WHOLE_DAYS")
        return engine.wholeDays();
    if (name == "WHOLE_HOURS")
        return engine.wholeHours();
    if (name == "WHOLE_MINUTES")
        return engine.wholeMinutes();
    return engine.wholeSeconds();
}

const QStringList allHandlers{"UPTIME_TIMER_Timer", "DAY_UPTIME_TIMER_Timer",
                              "HOUR_UPTIME_TIMER_Timer", "MINUTE_UPTIME_TIMER_Timer",
                              "SECOND_UPTIME_TIMER_Timer"};

} // namespace

void TestUptimeEngine::faults_data()
{
    QTest::addColumn<quint64>("before");       // sample that fills every cell first
    QTest::addColumn<QStringList>("edits");    // "CELL=typed text"
    QTest::addColumn<quint64>("t");            // sample of the failing run
    QTest::addColumn<QStringList>("handlers"); // run in order; the last one fails
    QTest::addColumn<QString>("faultCell");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QString>("keptWhole");

    using K = EngineFault::Kind;
    const QStringList sampling{"UPTIME_TIMER_Timer"};

    QTest::newRow("week constant typed as 0")
        << quint64(172800000) << QStringList{"TOTAL_MIL_WEEK=0"} << quint64(90061001) << sampling
        << "WEEKS_TB" << int(K::DivisionByZero) << QStringList{"START_TB", "YEARS_TB", "MONTHS_TB"}
        << QStringList{"WEEKS_TB", "DAYS_TB", "HOURS_TB", "MINS_TB", "SECS_TB", "DAYS_MIRROR_TB"}
        << "WHOLE_DAYS";
    QTest::newRow("zero by zero") << quint64(90061001) << QStringList{"TOTAL_MIL_YEAR=0"}
                                  << quint64(0) << sampling << "YEARS_TB"
                                  << int(K::InvalidOperation) << QStringList{"START_TB"}
                                  << QStringList{"YEARS_TB", "MONTHS_TB", "DAYS_MIRROR_TB"}
                                  << "WHOLE_DAYS";
    QTest::newRow("tiny second constant")
        << quint64(172800000) << QStringList{"TOTAL_MIL_SEC=1E-320"} << quint64(90061001)
        << sampling << "SECS_TB" << int(K::Overflow) << QStringList{"HOURS_TB", "MINS_TB"}
        << QStringList{"SECS_TB", "DAYS_MIRROR_TB"} << "WHOLE_DAYS";
    QTest::newRow("day constant makes whole days too large")
        << quint64(172800000) << QStringList{"TOTAL_MIL_DAY=0.01"} << quint64(90061001) << sampling
        << "WHOLE_DAYS" << int(K::WholeNumberOutOfRange)
        << QStringList{"DAYS_TB", "DAYS_MIRROR_TB", "SECS_TB"} << QStringList{} << "WHOLE_DAYS";
    QTest::newRow("hours a day typed 1E999")
        << quint64(172800000) << QStringList{"HOURS_24_TB=1E999"} << quint64(90061001)
        << allHandlers.mid(0, 3) << "HOURS_FULL" << int(K::Overflow)
        << QStringList{"DAYS_ROUNDED_TB"}
        << QStringList{"HOURS_FULL", "HOURS_LEFT_TB", "HOURS_ROUNDED_TB"} << "WHOLE_HOURS";
    QTest::newRow("zero days times 1E999")
        << quint64(172800000) << QStringList{"HOURS_24_TB=1E999"} << quint64(3600000)
        << allHandlers.mid(0, 3) << "HOURS_FULL" << int(K::InvalidOperation)
        << QStringList{"DAYS_ROUNDED_TB"} << QStringList{"HOURS_FULL", "HOURS_ROUNDED_TB"}
        << "WHOLE_HOURS";
    QTest::newRow("huge minute factor")
        << quint64(172800000) << QStringList{"MINS_60_TB=1E308"} << quint64(90061001)
        << allHandlers.mid(0, 4) << "WHOLE_MINUTES" << int(K::WholeNumberOutOfRange)
        << QStringList{"MINUTES_LEFT_X_60_TB", "MINUTES_ROUNDED_X_60_TB",
                       "MINUTES_DIFFERENCE_LEFT_TB"}
        << QStringList{"MINUTES_DIFFERENCE_ROUNDED_TB"} << "WHOLE_MINUTES";
    QTest::newRow("second product overflows")
        << quint64(172800000) << QStringList{"SECS_60_TB=1.78E308"} << quint64(90061001)
        << allHandlers << "SECONDS_LEFT_TB" << int(K::Overflow)
        << QStringList{"MINUTES_DIFFERENCE_ROUNDED_TB"}
        << QStringList{"SECONDS_LEFT_TB", "SECONDS_ROUNDED_TB", "SECONDS_DIFFERENCE_TB",
                       "SECONDS_DIFFERENCE_ROUNDED_TB"}
        << "WHOLE_SECONDS";
    QTest::newRow("minute difference overflows")
        << quint64(90061001)
        << QStringList{"MINS_60_TB=1", "HOURS_LEFT_TB=1.7E308", "HOURS_ROUNDED_TB=-1.7E308"}
        << quint64(90061001) << QStringList{"MINUTE_UPTIME_TIMER_Timer"}
        << "MINUTES_DIFFERENCE_LEFT_TB" << int(K::Overflow)
        << QStringList{"MINUTES_LEFT_X_60_TB", "MINUTES_ROUNDED_X_60_TB"}
        << QStringList{"MINUTES_DIFFERENCE_LEFT_TB", "MINUTES_DIFFERENCE_ROUNDED_TB"}
        << "WHOLE_MINUTES";
}

void TestUptimeEngine::faults()
{
    QFETCH(quint64, before);
    QFETCH(QStringList, edits);
    QFETCH(quint64, t);
    QFETCH(QStringList, handlers);
    QFETCH(QString, faultCell);
    QFETCH(int, kind);
    QFETCH(QStringList, changed);
    QFETCH(QStringList, kept);
    QFETCH(QString, keptWhole);

    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    CellStore &cells = engine.cells();
    QCOMPARE(runPass(engine, ticks, before), integerBreakdownLine(before));
    const CellStore snapshot = cells;
    const std::int32_t wholeBefore = wholeNumber(engine, keptWhole);

    for (const QString &edit : edits)
        cells.setText(edit.section('=', 0, 0).toStdString(), edit.section('=', 1).toStdString());

    ticks.now = t;
    std::optional<EngineFault> fault;
    for (const QString &name : handlers) {
        QVERIFY2(!fault, "an earlier handler failed");
        fault = (engine.*handlersByName.at(name))();
    }
    QVERIFY(fault);
    QCOMPARE(QString::fromStdString(fault->handler), handlers.last());
    QCOMPARE(QString::fromStdString(fault->cell), faultCell);
    QCOMPARE(int(fault->kind), kind);

    for (const QString &cell : changed)
        QVERIFY2(cells.text(cell.toStdString()) != snapshot.text(cell.toStdString()),
                 qPrintable(cell));
    for (const QString &cell : kept)
        QCOMPARE(cells.text(cell.toStdString()), snapshot.text(cell.toStdString()));
    QCOMPARE(wholeNumber(engine, keptWhole), wholeBefore);
    for (const auto &name : cells.names()) {
        const QString text = QString::fromStdString(cells.text(name)).toLower();
        QVERIFY2(!text.contains("inf") && !text.contains("nan"), name.c_str());
    }

    // The same failure again is the same fault, so it can be reported once.
    QCOMPARE((engine.*handlersByName.at(handlers.last()))(), fault);

    // Once the typed constants are back, the next pass works again.
    for (const CellNames::Cell &cell : CellNames::cells) {
        if (!cell.constant.empty())
            cells.setText(cell.name, std::string(cell.constant));
    }
    QCOMPARE(runPass(engine, ticks, t), integerBreakdownLine(t));
}

void TestUptimeEngine::listenerSeesEveryWrite()
{
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    std::vector<std::string> written;
    std::vector<std::string> second; // a second window must not unhook the first
    engine.cells().addListener(&written, [&written](std::string_view name, const std::string &) {
        written.emplace_back(name);
    });
    engine.cells().addListener(&second, [&second](std::string_view name, const std::string &) {
        second.emplace_back(name);
    });
    ticks.now = 90061001;
    QVERIFY(!engine.UPTIME_TIMER_Timer());
    const std::vector<std::string> order{"START_TB", "YEARS_TB", "MONTHS_TB",
                                         "WEEKS_TB", "DAYS_TB",  "HOURS_TB",
                                         "MINS_TB",  "SECS_TB",  "DAYS_MIRROR_TB"};
    QCOMPARE(written, order);
    QCOMPARE(second, order);

    written.clear();
    QVERIFY(!engine.UPTIME_TIMER_Timer());
    QVERIFY(written.empty()); // same sample, no text changed

    engine.cells().removeListener(&second);
    engine.cells().setText("START_TB", "1");
    QCOMPARE(written, std::vector<std::string>{"START_TB"});
    QCOMPARE(second.size(), order.size());
}

VH_LOCALE_TEST_MAIN(TestUptimeEngine)
#include "tst_UptimeEngine.moc"
