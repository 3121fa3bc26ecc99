#include "settings/Settings.h"
#include "support/RecordingSettingsStore.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>

#include <clocale>
#include <cstring>

// Runs with LC_ALL=de_DE.UTF-8, whose decimal separator is "," and whose
// grouping separator is ".". A store must read the same under every locale.
class TestSettingsLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void positionText_data();
    void positionText();
    void readings();
};

void TestSettingsLocale::initTestCase()
{
    // Takes the user's locale as a program that honours it does, and as
    // QCoreApplication does by itself on Unix only; Wine's user locale follows
    // LC_ALL.
    std::setlocale(LC_ALL, "");
    const char *point = std::localeconv()->decimal_point;
    QVERIFY2(std::strcmp(point, ",") == 0,
             "de_DE.UTF-8 is not active; the test set-up should have generated it");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestSettingsLocale::positionText_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 1000.0f << "1000";
    QTest::newRow("negative") << -1500.0f << "-1500";
    QTest::newRow("no grouping") << 1234567.0f << "1234567";
    QTest::newRow("fraction with point") << 1000.5f << "1000.5";
    QTest::newRow("negative fraction with point") << -0.25f << "-0.25";
    QTest::newRow("exponent with point") << 1.5e-10f << "1.5E-10";
}

void TestSettingsLocale::positionText()
{
    QFETCH(float, twips);
    QFETCH(QString, text);
    QCOMPARE(Settings::positionText(twips), text);
}

void TestSettingsLocale::readings()
{
    RecordingSettingsStore store;
    store.stored.insert("MAIN_Left", "1000.5");
    store.stored.insert("MAIN_Top", "1000,5");
    store.stored.insert("ABOUT_Left", "1.000");
    store.stored.insert("AUTOSTART_TICKBOX", "1.5");
    store.stored.insert("AlwaysOnTop_TICKBOX", "0,4");
    QStringList warnings;
    Settings settings(store, [&](const QString &line) { warnings.append(line); });

    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Left)), 1000.5);
    QCOMPARE(double(settings.readPosition(SettingKey::ABOUT_Left)), 1.0);
    QCOMPARE(settings.readFlag(SettingKey::AUTOSTART_TICKBOX), 2);
    QCOMPARE(warnings, QStringList());

    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Top)), 1000.0);
    QCOMPARE(settings.readFlag(SettingKey::AlwaysOnTop_TICKBOX), 1);
    QCOMPARE(warnings.size(), 2);
    QVERIFY2(warnings.at(0).endsWith("using 1000 instead"), qPrintable(warnings.at(0)));
}

QTEST_GUILESS_MAIN(TestSettingsLocale)
#include "tst_SettingsLocale.moc"
