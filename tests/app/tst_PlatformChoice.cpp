// SPDX-License-Identifier: MIT
#include "app/PlatformChoice.h"

#include <QTest>

#include <map>
#include <string>

using namespace Qt::StringLiterals;

class TestPlatformChoice : public QObject
{
    Q_OBJECT

private slots:
    void forced_data();
    void forced();
};

void TestPlatformChoice::forced_data()
{
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("userChoice");
    QTest::addColumn<QByteArray>("platform");

    QTest::newRow("Wayland with XWayland") << "wayland-0"_ba
                                           << ":0"_ba
                                           << ""_ba
                                           << "xcb"_ba;
    QTest::newRow("Wayland alone") << "wayland-0"_ba
                                   << ""_ba
                                   << ""_ba
                                   << ""_ba;
    QTest::newRow("X11 alone") << ""_ba
                               << ":0"_ba
                               << ""_ba
                               << ""_ba;
    QTest::newRow("user chose Wayland") << "wayland-0"_ba
                                        << ":0"_ba
                                        << "wayland"_ba
                                        << ""_ba;
    QTest::newRow("user chose offscreen") << "wayland-0"_ba
                                          << ":0"_ba
                                          << "offscreen"_ba
                                          << ""_ba;
}

void TestPlatformChoice::forced()
{
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, userChoice);
    QFETCH(QByteArray, platform);
    const std::map<std::string, QByteArray> environment{
        {"WAYLAND_DISPLAY", wayland}, {"DISPLAY", x11}, {"QT_QPA_PLATFORM", userChoice}};
    const auto lookup = [&](const char *name) {
        const auto found = environment.find(name);
        return found == environment.end() ? QByteArray() : found->second;
    };
    QCOMPARE(PlatformChoice::forced(lookup), platform);
}

QTEST_GUILESS_MAIN(TestPlatformChoice)
#include "tst_PlatformChoice.moc"
