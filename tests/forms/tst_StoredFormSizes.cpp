// SPDX-License-Identifier: MIT
// Covers the size readings of src/ui/Form.cpp and src/settings/Settings.cpp.
#include "support/WindowTestBed.h"

#include <QApplication>
#include <QTest>

// A stored size that would hide a window or take the machine's memory reads
// as the window's default size, with one warning per key. The two screens of
// two-screens.json together span 1024 + 1280 = 2304 x 800 pixels, which at 96
// dpi are 34560 x 12000 twips.
class TestStoredFormSizes : public QObject, public WindowTestBed
{
    Q_OBJECT

private slots:
    void init() { setUpBed(); }
    void cleanup() { tearDownBed(); }
    void unusableSizeReadsAsDefault_data();
    void unusableSizeReadsAsDefault();
    void sizeWithinTheScreensIsKept();

private:
    Form &loaded(const QString &window);
};

Form &TestStoredFormSizes::loaded(const QString &window)
{
    createWindows();
    m_main->load();
    if (window == "MAIN")
        return *m_main;
    m_about->load(m_main.get());
    if (window == "ABOUT")
        return *m_about;
    m_live->load(m_about.get());
    return *m_live;
}

void TestStoredFormSizes::unusableSizeReadsAsDefault_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<double>("defaultWidth");
    QTest::addColumn<double>("defaultHeight");

    const struct
    {
        const char *window;
        double width;
        double height;
    } windows[] = {{"MAIN", 2895, 660}, {"ABOUT", 8415, 2415}, {"LIVE_CALCS", 14850, 6195}};
    const struct
    {
        const char *name;
        const char *width;
        const char *height;
    } sizes[] = {
        {"zero", "0", "0"},
        {"negative", "-100", "-1"},
        {"negative zero", "-0", "-0.0"},
        {"too small for a single", "1E-50", "1E-50"},
        {"a billion", "1e9", "1e9"},
        {"just over the screens", "34561", "12001"},
        {"beyond single range", "1E39", "1E39"},
        {"not a number", "nan", "NaN"},
        {"infinity", "inf", "-inf"},
    };
    for (const auto &window : windows) {
        for (const auto &size : sizes) {
            QTest::addRow("%s %s", window.window, size.name)
                << QString(window.window) << QString(size.width) << QString(size.height)
                << window.width << window.height;
        }
    }
}

void TestStoredFormSizes::unusableSizeReadsAsDefault()
{
    QFETCH(QString, window);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(double, defaultWidth);
    QFETCH(double, defaultHeight);
    m_store->stored.insert(window + "_Width", width);
    m_store->stored.insert(window + "_Height", height);

    const Form &form = loaded(window);

    QCOMPARE(form.width(), defaultWidth);
    QCOMPARE(form.height(), defaultHeight);
    QCOMPARE(m_warnings.size(), 2);
    QVERIFY2(m_warnings[0].contains('"' + window + "_Width\" holds \"" + width + '"'),
             qPrintable(m_warnings[0]));
    QVERIFY2(m_warnings[1].contains('"' + window + "_Height\" holds \"" + height + '"'),
             qPrintable(m_warnings[1]));
}

void TestStoredFormSizes::sizeWithinTheScreensIsKept()
{
    for (const QString window : {"MAIN", "ABOUT", "LIVE_CALCS"}) {
        cleanup();
        init();
        m_store->stored.insert(window + "_Width", "34560");
        m_store->stored.insert(window + "_Height", "12000");
        const Form &form = loaded(window);
        QCOMPARE(form.width(), 34560.0);
        QCOMPARE(form.height(), 12000.0);
        QCOMPARE(m_warnings, QStringList());
    }
}

QTEST_MAIN(TestStoredFormSizes)
#include "tst_StoredFormSizes.moc"
