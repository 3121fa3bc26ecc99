// SPDX-License-Identifier: MIT
// Covers src/settings/SettingKey.cpp and the defaults of Settings.cpp.
#include "settings/Settings.h"
#include "support/RecordingSettingsStore.h"

#include <QTest>

// Every key's stored name and its default, and what an empty store gives:
// windows at 1000/1000 twips with their outer sizes, both options on.
class TestSettingKeys : public QObject
{
    Q_OBJECT

private slots:
    void emptyStore_data();
    void emptyStore();
};

void TestSettingKeys::emptyStore_data()
{
    QTest::addColumn<SettingKey>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("fallback");
    QTest::addColumn<bool>("flag");

    QTest::newRow("main left") << SettingKey::MAIN_Left << "MAIN_Left" << 1000 << false;
    QTest::newRow("main top") << SettingKey::MAIN_Top << "MAIN_Top" << 1000 << false;
    QTest::newRow("main width") << SettingKey::MAIN_Width << "MAIN_Width" << 2895 << false;
    QTest::newRow("main height") << SettingKey::MAIN_Height << "MAIN_Height" << 660 << false;
    QTest::newRow("always on top")
        << SettingKey::AlwaysOnTop_TICKBOX << "AlwaysOnTop_TICKBOX" << 1 << true;
    QTest::newRow("autostart") << SettingKey::AUTOSTART_TICKBOX << "AUTOSTART_TICKBOX" << 1 << true;
    QTest::newRow("about left") << SettingKey::ABOUT_Left << "ABOUT_Left" << 1000 << false;
    QTest::newRow("about top") << SettingKey::ABOUT_Top << "ABOUT_Top" << 1000 << false;
    QTest::newRow("about width") << SettingKey::ABOUT_Width << "ABOUT_Width" << 8415 << false;
    QTest::newRow("about height") << SettingKey::ABOUT_Height << "ABOUT_Height" << 2415 << false;
    QTest::newRow("live left") << SettingKey::LIVE_CALCS_Left << "LIVE_CALCS_Left" << 1000 << false;
    QTest::newRow("live top") << SettingKey::LIVE_CALCS_Top << "LIVE_CALCS_Top" << 1000 << false;
    QTest::newRow("live width") << SettingKey::LIVE_CALCS_Width << "LIVE_CALCS_Width" << 14850
                                << false;
    QTest::newRow("live height") << SettingKey::LIVE_CALCS_Height << "LIVE_CALCS_Height" << 6195
                                 << false;
}

void TestSettingKeys::emptyStore()
{
    QFETCH(SettingKey, key);
    QFETCH(QString, name);
    QFETCH(int, fallback);
    QFETCH(bool, flag);
    QCOMPARE(settingName(key), name);
    QCOMPARE(int(settingDefault(key)), fallback);

    RecordingSettingsStore store;
    QStringList warnings;
    Settings settings(store, [&](const QString &line) { warnings.append(line); });
    if (flag)
        QCOMPARE(settings.readFlag(key), fallback);
    else
        QCOMPARE(double(settings.readPosition(key)), double(fallback));

    // A missing key is no failure, and the default reaches the store as the
    // plain decimal text of the number.
    QCOMPARE(warnings, QStringList());
    QCOMPARE(store.log.size(), 1);
    QCOMPARE(store.log.front().kind, RecordingSettingsStore::Access::Read);
    QCOMPARE(store.log.front().key, name);
    QCOMPARE(store.log.front().text, QString::number(fallback));
    QVERIFY(store.stored.isEmpty());
}

QTEST_APPLESS_MAIN(TestSettingKeys)
#include "tst_SettingKeys.moc"
