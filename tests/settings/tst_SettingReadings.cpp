// SPDX-License-Identifier: MIT
// Covers the readings of src/settings/Settings.cpp and SettingText.cpp.
#include "settings/Settings.h"
#include "support/LocaleTestMain.h"
#include "support/RecordingSettingsStore.h"

#include <QFile>
#include <QTemporaryFile>
#include <QTest>

#include <limits>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <unistd.h>
#endif

// Readings of stored texts, good and bad. A bad text must leave the caller
// with the key's default, one warning line and the store as it was. The
// number syntax is tst_NumberScanner's: a setting must be wholly one number.
class TestSettingReadings : public QObject
{
    Q_OBJECT

private slots:
    void positionReading_data();
    void positionReading();
    void flagReading_data();
    void flagReading();
    void unusablePosition_data();
    void unusablePosition();
    void unusableFlag_data();
    void unusableFlag();
    void warningLine();
    void readingGoesOnAfterUnusableKey();
    void warningDefaultsToStandardError();

private:
    void checkUnusable(bool flag);
};

void TestSettingReadings::positionReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("twips");

    QTest::newRow("whole") << "1500" << 1500.0f;
    QTest::newRow("fraction") << "1000.5" << 1000.5f;
    QTest::newRow("point is no grouping") << "1.000" << 1.0f;
    QTest::newRow("blanks around") << "  1200 " << 1200.0f;
    QTest::newRow("tab and line break around") << "\t-300\r\n" << -300.0f;
    QTest::newRow("eight digits") << "12345678" << 12345678.0f;
    QTest::newRow("largest single") << "3.4028235E38" << std::numeric_limits<float>::max();
    QTest::newRow("largest single in plain digits")
        << "340282300000000000000000000000000000000" << 3.402823e38f;
    QTest::newRow("too small for a single") << "1E-50" << 0.0f;
    QTest::newRow("many zeros after the point")
        << "0.000000000000000000000000000000000000000000000000000001" << 0.0f;
    QTest::newRow("huge negative exponent") << "1E-99999999999999999999" << 0.0f;
    QTest::newRow("zero with huge exponent") << "0E99999999999999999999" << 0.0f;
}

void TestSettingReadings::positionReading()
{
    QFETCH(QString, text);
    QFETCH(float, twips);
    RecordingSettingsStore store;
    store.stored.insert("ABOUT_Left", text);
    QStringList warnings;
    Settings settings(store, [&](const QString &line) { warnings.append(line); });

    QCOMPARE(double(settings.readPosition(SettingKey::ABOUT_Left)), double(twips));
    QCOMPARE(warnings, QStringList());
    QCOMPARE(store.reads(), QStringList{"ABOUT_Left"});
}

void TestSettingReadings::flagReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");

    QTest::newRow("clear") << "0" << 0;
    QTest::newRow("ticked") << "1" << 1;
    QTest::newRow("greyed") << "2" << 2;
    QTest::newRow("blanks around") << " 1 " << 1;
    QTest::newRow("negative zero") << "-0" << 0;
    QTest::newRow("half rounds to even zero") << "0.5" << 0;
    QTest::newRow("one and a half rounds to even two") << "1.5" << 2;
    QTest::newRow("two and a half rounds to even two") << "2.5" << 2;
    QTest::newRow("just below a half rounds down") << "1.4999" << 1;
    QTest::newRow("just above a half rounds up") << "0.5001" << 1;
    QTest::newRow("negative half rounds to zero") << "-0.5" << 0;
    QTest::newRow("exponent") << "0.2E1" << 2;
}

void TestSettingReadings::flagReading()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    RecordingSettingsStore store;
    store.stored.insert("AUTOSTART_TICKBOX", text);
    QStringList warnings;
    Settings settings(store, [&](const QString &line) { warnings.append(line); });

    QCOMPARE(settings.readFlag(SettingKey::AUTOSTART_TICKBOX), state);
    QCOMPARE(warnings, QStringList());
}

void TestSettingReadings::unusablePosition_data()
{
    QTest::addColumn<SettingKey>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // the text as the warning quotes it
    QTest::addColumn<int>("fallback");

    const auto row = [](const char *name, SettingKey key, const QString &text, int fallback) {
        QTest::newRow(name) << key << text << text << fallback;
    };
    row("empty", SettingKey::MAIN_Left, "", 1000);
    row("blanks only", SettingKey::MAIN_Top, "   ", 1000);
    row("word", SettingKey::MAIN_Left, "abc", 1000);
    row("number then letters", SettingKey::ABOUT_Top, "12abc", 1000);
    row("letters then number", SettingKey::ABOUT_Left, "x12", 1000);
    row("decimal comma", SettingKey::LIVE_CALCS_Left, "1000,5", 1000);
    row("grouping comma", SettingKey::LIVE_CALCS_Top, "1,000", 1000);
    row("grouping blank", SettingKey::MAIN_Top, "1 000", 1000);
    row("full-width digits", SettingKey::MAIN_Left, QStringLiteral("\uFF11\uFF12"), 1000);
    row("beyond single range", SettingKey::MAIN_Width, "3.5E38", 2895);
    row("beyond single range negative", SettingKey::MAIN_Height, "-1E39", 660);
    row("beyond single range in plain digits", SettingKey::ABOUT_Width,
        "1" + QString(40, QLatin1Char('0')), 8415);
    row("beyond double range", SettingKey::ABOUT_Height, "1E400", 2415);
    row("huge exponent", SettingKey::LIVE_CALCS_Width, "1E99999999999999999999", 14850);
    QTest::newRow("line break inside") << SettingKey::MAIN_Left << "10\n20"
                                       << "10\\n20" << 1000;
    QTest::newRow("quote inside") << SettingKey::LIVE_CALCS_Height << "12\""
                                  << "12\\\"" << 6195;
    QTest::newRow("quote and backslash") << SettingKey::MAIN_Left << "a\"b\\c"
                                         << "a\\\"b\\\\c" << 1000;
    // Characters that would break or reorder the terminal line show as escapes.
    QTest::newRow("right-to-left override")
        << SettingKey::MAIN_Left << QStringLiteral("12\u202Eabc") << "12\\u202Eabc" << 1000;
    QTest::newRow("isolate and mark")
        << SettingKey::MAIN_Top << QStringLiteral("\u2067x\u200F") << "\\u2067x\\u200F" << 1000;
    QTest::newRow("escape and delete")
        << SettingKey::ABOUT_Left << QStringLiteral("\x1B[2J\x7F") << "\\u001B[2J\\u007F" << 1000;
    QTest::newRow("C1 control") << SettingKey::ABOUT_Top << QStringLiteral("1\u00852")
                                << "1\\u00852" << 1000;
}

void TestSettingReadings::unusablePosition()
{
    checkUnusable(false);
}

void TestSettingReadings::unusableFlag_data()
{
    QTest::addColumn<SettingKey>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("fallback");

    const auto row = [](const char *name, SettingKey key, const QString &text) {
        QTest::newRow(name) << key << text << text << 1;
    };
    row("empty", SettingKey::AlwaysOnTop_TICKBOX, "");
    row("classic true", SettingKey::AUTOSTART_TICKBOX, "True");
    row("decimal comma", SettingKey::AlwaysOnTop_TICKBOX, "1,0");
    row("two numbers", SettingKey::AlwaysOnTop_TICKBOX, "1 1");
    row("three is no tickbox state", SettingKey::AUTOSTART_TICKBOX, "3");
    row("minus one is no tickbox state", SettingKey::AlwaysOnTop_TICKBOX, "-1");
    row("fraction rounding to three", SettingKey::AUTOSTART_TICKBOX, "2.5000001");
    row("exponent giving five", SettingKey::AUTOSTART_TICKBOX, "0.5E1");
    row("largest 16-bit", SettingKey::AUTOSTART_TICKBOX, "32767");
    row("smallest 16-bit", SettingKey::AUTOSTART_TICKBOX, "-32768");
    row("half above the largest rounds out of range", SettingKey::AUTOSTART_TICKBOX, "32767.5");
    row("just beyond 16 bits", SettingKey::AUTOSTART_TICKBOX, "32768");
    row("just below 16 bits", SettingKey::AlwaysOnTop_TICKBOX, "-32769");
    row("16-bit wrap to one", SettingKey::AlwaysOnTop_TICKBOX, "65537");
    row("16-bit wrap to two", SettingKey::AlwaysOnTop_TICKBOX, "65538");
    row("16-bit wrap from below", SettingKey::AlwaysOnTop_TICKBOX, "-65535");
    row("32-bit wrap to one", SettingKey::AUTOSTART_TICKBOX, "4294967297");
    row("exponent beyond 16 bits", SettingKey::AUTOSTART_TICKBOX, "1E5");
    row("beyond double range", SettingKey::AUTOSTART_TICKBOX, "1E400");
}

void TestSettingReadings::unusableFlag()
{
    checkUnusable(true);
}

void TestSettingReadings::checkUnusable(bool flag)
{
    QFETCH(SettingKey, key);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(int, fallback);
    const QString name = settingName(key);
    RecordingSettingsStore store;
    store.stored.insert(name, text);
    const QMap<QString, QString> before = store.stored;
    QStringList warnings;
    Settings settings(store, [&](const QString &line) { warnings.append(line); });

    if (flag)
        QCOMPARE(settings.readFlag(key), fallback);
    else
        QCOMPARE(double(settings.readPosition(key)), double(fallback));

    QCOMPARE(warnings.size(), 1);
    const QString &line = warnings.front();
    QVERIFY2(line.contains('"' + name + '"'), qPrintable(line));
    QVERIFY2(line.contains('"' + shown + '"'), qPrintable(line));
    QVERIFY2(line.endsWith(QStringLiteral("using %1 instead").arg(fallback)), qPrintable(line));
    QVERIFY2(!line.contains('\n') && !line.contains('\r'), qPrintable(line));
    QCOMPARE(store.stored, before);
    QCOMPARE(store.writes(), QStringList());
    QCOMPARE(store.reads(), QStringList{name});
}

void TestSettingReadings::warningLine()
{
    RecordingSettingsStore store;
    store.stored.insert("MAIN_Left", "abc");
    QStringList warnings;
    Settings settings(store, [&](const QString &line) { warnings.append(line); });

    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Left)), 1000.0);
    QCOMPARE(warnings, QStringList{"setting \"MAIN_Left\" holds \"abc\", which is "
                                   "not a number; using 1000 instead"});
}

void TestSettingReadings::readingGoesOnAfterUnusableKey()
{
    RecordingSettingsStore store;
    store.stored.insert("MAIN_Left", "");
    store.stored.insert("MAIN_Top", "-2000");
    store.stored.insert("AlwaysOnTop_TICKBOX", "7");
    store.stored.insert("AUTOSTART_TICKBOX", "0");
    QStringList warnings;
    Settings settings(store, [&](const QString &line) { warnings.append(line); });

    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Left)), 1000.0);
    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Top)), -2000.0);
    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Width)), 2895.0);
    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Height)), 660.0);
    QCOMPARE(settings.readFlag(SettingKey::AlwaysOnTop_TICKBOX), 1);
    QCOMPARE(settings.readFlag(SettingKey::AUTOSTART_TICKBOX), 0);
    QCOMPARE(warnings.size(), 2);
    QCOMPARE(store.reads(), (QStringList{"MAIN_Left", "MAIN_Top", "MAIN_Width", "MAIN_Height",
                                         "AlwaysOnTop_TICKBOX", "AUTOSTART_TICKBOX"}));

    // Nothing is remembered: the same bad text warns again at the next read.
    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Left)), 1000.0);
    QCOMPARE(warnings.size(), 3);
}

void TestSettingReadings::warningDefaultsToStandardError()
{
#ifdef Q_OS_UNIX
    QTemporaryFile capture;
    QVERIFY(capture.open());
    RecordingSettingsStore store;
    store.stored.insert("ABOUT_Top", "x");
    Settings settings(store);

    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    QVERIFY(saved >= 0);
    dup2(capture.handle(), STDERR_FILENO);
    const float twips = settings.readPosition(SettingKey::ABOUT_Top);
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);

    QCOMPARE(double(twips), 1000.0);
    QFile written(capture.fileName());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()),
             "vh-wren-ticker: setting \"ABOUT_Top\" holds \"x\", which is not a number; using "
             "1000 instead\n");
#else
    QSKIP("needs a POSIX standard error to capture");
#endif
}

VH_LOCALE_TEST_MAIN(TestSettingReadings)
#include "tst_SettingReadings.moc"
