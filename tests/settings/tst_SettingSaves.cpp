// SPDX-License-Identifier: MIT
// Covers the saves of src/settings/Settings.cpp.
#include "settings/Settings.h"
#include "support/RecordingSettingsStore.h"

#include <QTest>

#include <functional>
#include <limits>

using SaveCall = std::function<std::optional<QString>(Settings &)>;
Q_DECLARE_METATYPE(SaveCall)

namespace {

// "stored", or the reason the write was refused, so a failure shows why.
QString outcome(const std::optional<QString> &reason)
{
    return reason.value_or(QStringLiteral("stored"));
}

} // namespace

class TestSettingSaves : public QObject
{
    Q_OBJECT

private slots:
    void savePosition_data();
    void savePosition();
    void saveFlag_data();
    void saveFlag();
    void refusedWriteKeepsEarlierWrites();
    void nothingUnreadableIsSaved_data();
    void nothingUnreadableIsSaved();
    void positionRoundTrip_data();
    void positionRoundTrip();
};

void TestSettingSaves::savePosition_data()
{
    QTest::addColumn<SettingKey>("key");
    QTest::addColumn<float>("twips");
    QTest::addColumn<QString>("written");

    QTest::newRow("main left") << SettingKey::MAIN_Left << 1000.0f << "MAIN_Left=1000";
    QTest::newRow("main top on a screen above")
        << SettingKey::MAIN_Top << -1500.0f << "MAIN_Top=-1500";
    QTest::newRow("about left at zero") << SettingKey::ABOUT_Left << 0.0f << "ABOUT_Left=0";
    QTest::newRow("about top") << SettingKey::ABOUT_Top << 12345.0f << "ABOUT_Top=12345";
    QTest::newRow("live left negative")
        << SettingKey::LIVE_CALCS_Left << -28800.0f << "LIVE_CALCS_Left=-28800";
    QTest::newRow("live top with fraction")
        << SettingKey::LIVE_CALCS_Top << 7.5f << "LIVE_CALCS_Top=7.5";
}

void TestSettingSaves::savePosition()
{
    QFETCH(SettingKey, key);
    QFETCH(float, twips);
    QFETCH(QString, written);
    RecordingSettingsStore store;
    Settings settings(store, [](const QString &) {});

    QCOMPARE(outcome(settings.savePosition(key, twips)), QString("stored"));
    QCOMPARE(store.writes(), QStringList{written});
    QCOMPARE(store.reads(), QStringList());
}

void TestSettingSaves::saveFlag_data()
{
    QTest::addColumn<SettingKey>("key");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("written");

    QTest::newRow("always on top clear")
        << SettingKey::AlwaysOnTop_TICKBOX << 0 << "AlwaysOnTop_TICKBOX=0";
    QTest::newRow("always on top ticked")
        << SettingKey::AlwaysOnTop_TICKBOX << 1 << "AlwaysOnTop_TICKBOX=1";
    QTest::newRow("autostart clear") << SettingKey::AUTOSTART_TICKBOX << 0 << "AUTOSTART_TICKBOX=0";
    QTest::newRow("autostart greyed")
        << SettingKey::AUTOSTART_TICKBOX << 2 << "AUTOSTART_TICKBOX=2";
}

void TestSettingSaves::saveFlag()
{
    QFETCH(SettingKey, key);
    QFETCH(int, state);
    QFETCH(QString, written);
    RecordingSettingsStore store;
    Settings settings(store, [](const QString &) {});

    QCOMPARE(outcome(settings.saveFlag(key, state)), QString("stored"));
    QCOMPARE(store.writes(), QStringList{written});
}

void TestSettingSaves::refusedWriteKeepsEarlierWrites()
{
    RecordingSettingsStore store;
    store.refused.insert("AUTOSTART_TICKBOX");
    Settings settings(store, [](const QString &) {});

    QCOMPARE(outcome(settings.savePosition(SettingKey::MAIN_Left, 640.0f)), QString("stored"));
    QCOMPARE(outcome(settings.savePosition(SettingKey::MAIN_Top, 480.0f)), QString("stored"));
    QCOMPARE(outcome(settings.saveFlag(SettingKey::AlwaysOnTop_TICKBOX, 0)), QString("stored"));
    QCOMPARE(outcome(settings.saveFlag(SettingKey::AUTOSTART_TICKBOX, 0)),
             QString("refused by test"));

    const QMap<QString, QString> kept{
        {"MAIN_Left", "640"}, {"MAIN_Top", "480"}, {"AlwaysOnTop_TICKBOX", "0"}};
    QCOMPARE(store.stored, kept);
    QCOMPARE(settings.readFlag(SettingKey::AUTOSTART_TICKBOX), 1);
}

void TestSettingSaves::nothingUnreadableIsSaved_data()
{
    QTest::addColumn<SaveCall>("save");

    const auto row = [](const char *name, SaveCall call) { QTest::newRow(name) << call; };
    row("size is never saved",
        [](Settings &s) { return s.savePosition(SettingKey::MAIN_Width, 3000.0f); });
    row("height is never saved",
        [](Settings &s) { return s.savePosition(SettingKey::LIVE_CALCS_Height, 3000.0f); });
    row("position under an option key",
        [](Settings &s) { return s.savePosition(SettingKey::AlwaysOnTop_TICKBOX, 1.0f); });
    row("option under a position key",
        [](Settings &s) { return s.saveFlag(SettingKey::MAIN_Left, 1); });
    row("three is no tickbox state",
        [](Settings &s) { return s.saveFlag(SettingKey::AUTOSTART_TICKBOX, 3); });
    row("minus one is no tickbox state",
        [](Settings &s) { return s.saveFlag(SettingKey::AlwaysOnTop_TICKBOX, -1); });
    row("position not a number", [](Settings &s) {
        return s.savePosition(SettingKey::MAIN_Left, std::numeric_limits<float>::quiet_NaN());
    });
    row("position infinite", [](Settings &s) {
        return s.savePosition(SettingKey::ABOUT_Top, -std::numeric_limits<float>::infinity());
    });
}

void TestSettingSaves::nothingUnreadableIsSaved()
{
    QFETCH(SaveCall, save);
    RecordingSettingsStore store;
    Settings settings(store, [](const QString &) {});

    const std::optional<QString> reason = save(settings);
    QVERIFY(reason.has_value());
    QVERIFY(!reason->isEmpty());
    QVERIFY(store.log.isEmpty());
}

void TestSettingSaves::positionRoundTrip_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<float>("restored");

    QTest::newRow("whole") << 2880.0f << 2880.0f;
    QTest::newRow("negative") << -14400.0f << -14400.0f;
    QTest::newRow("fraction") << 1000.5f << 1000.5f;
    QTest::newRow("eight digits lose the last") << 12345678.0f << 12345680.0f;
    QTest::newRow("fraction beyond seven digits") << 1234.5678f << 1234.568f;
    QTest::newRow("largest single stays finite")
        << std::numeric_limits<float>::max() << 3.402823e38f;
    QTest::newRow("tiny") << 1.5e-10f << 1.5e-10f;
}

void TestSettingSaves::positionRoundTrip()
{
    QFETCH(float, twips);
    QFETCH(float, restored);
    RecordingSettingsStore store;
    QStringList warnings;
    Settings settings(store, [&](const QString &line) { warnings.append(line); });

    QCOMPARE(outcome(settings.savePosition(SettingKey::ABOUT_Left, twips)), QString("stored"));
    QCOMPARE(double(settings.readPosition(SettingKey::ABOUT_Left)), double(restored));
    QCOMPARE(warnings, QStringList());
}

QTEST_APPLESS_MAIN(TestSettingSaves)
#include "tst_SettingSaves.moc"
