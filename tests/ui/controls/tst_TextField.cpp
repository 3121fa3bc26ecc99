// SPDX-License-Identifier: MIT
#include "ui/controls/TextField.h"

#include <QScreen>
#include <QTest>

class TestTextField : public QObject
{
    Q_OBJECT

private slots:
    void newTextCoversOld();
};

// Even where a style leaves the field's panel clear, as Windows 11's does.
void TestTextField::newTextCoversOld()
{
    const auto shown = [](const QStringList &texts) {
        QWidget window;
        auto *field = new TextField(&window);
        field->setGeometry(10, 10, 150, 20);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        field->setPalette(palette);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return QImage();
        for (const QString &text : texts) {
            field->setText(text);
            field->repaint();
        }
        return window.screen()->grabWindow(window.winId()).toImage();
    };
    const QImage fresh = shown({QStringLiteral("1")});
    QVERIFY(!fresh.isNull());
    QCOMPARE(shown({QStringLiteral("ROUNDED_X_60_TB"), QStringLiteral("1")}), fresh);
}

QTEST_MAIN(TestTextField)
#include "tst_TextField.moc"
