#include "engine/CellReading.h"
#include "engine/DecimalText.h"
#include "support/EnginePass.h"

#include <QCoreApplication>
#include <QTest>

#include <clocale>
#include <cstring>

// Runs with LC_ALL=de_DE.UTF-8, whose decimal separator is ",". Cell texts
// must still use "." because stored and shown numbers are read back as cells.
class TestEngineLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textForms_data();
    void textForms();
    void fullPass();
};

void TestEngineLocale::initTestCase()
{
    // Takes the user's locale as a program that honours it does, and as
    // QCoreApplication does by itself on Unix only; Wine's user locale follows
    // LC_ALL.
    std::setlocale(LC_ALL, "");
    const char *point = std::localeconv()->decimal_point;
    QVERIFY2(std::strcmp(point, ",") == 0,
             "de_DE.UTF-8 is not active; the test set-up should have generated it");
}

void TestEngineLocale::textForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("plain decimal") << "1.5" << 1.5;
    QTest::newRow("exponent") << "1.15740740740741E-05" << 1000.0 / 86400000.0;
    QTest::newRow("negative") << "-0.5" << -0.5;
}

void TestEngineLocale::textForms()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(QString::fromStdString(DecimalText::fromDouble(value)), text);
    QCOMPARE(CellReading::lenient(text.toStdString()), value);
    QCOMPARE(CellReading::strict(text.toStdString()).value_or(0.0), value);
    QCOMPARE(CellReading::lenient("1,5"), 1.0);
}

void TestEngineLocale::fullPass()
{
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    QCOMPARE(runPass(engine, ticks, 90061001), std::string("1D, 1H, 1M, 1S"));
    QCOMPARE(engine.cells().text("HOURS_TB"), "25.0169447222222");
}

QTEST_GUILESS_MAIN(TestEngineLocale)
#include "tst_EngineLocale.moc"
