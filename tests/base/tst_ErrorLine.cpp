// SPDX-License-Identifier: MIT
#include "base/ErrorLine.h"

#include <QTest>

// Text quoted on standard error cannot break the line or reorder how a
// terminal shows it: controls and bidirectional formatting characters come
// out as \uXXXX, everything else as it is. The printed line itself is checked
// by the settings' warning on standard error.
class TestErrorLine : public QObject
{
    Q_OBJECT

private slots:
    void escaped_data();
    void escaped();
};

void TestErrorLine::escaped_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("escaped");

    const struct
    {
        const char *name;
        int code;
        bool escaped;
    } rows[] = {
        {"NUL", 0x0000, true},
        {"escape", 0x001B, true},
        {"last C0 control", 0x001F, true},
        {"blank", 0x0020, false},
        {"tilde", 0x007E, false},
        {"DEL", 0x007F, true},
        {"first C1 control", 0x0080, true},
        {"last C1 control", 0x009F, true},
        {"no-break space", 0x00A0, false},
        {"Arabic letter mark", 0x061C, true},
        {"zero width joiner", 0x200D, false},
        {"left-to-right mark", 0x200E, true},
        {"right-to-left mark", 0x200F, true},
        {"before the embeddings", 0x2029, false},
        {"left-to-right embedding", 0x202A, true},
        {"right-to-left override", 0x202E, true},
        {"after the overrides", 0x202F, false},
        {"before the isolates", 0x2065, false},
        {"left-to-right isolate", 0x2066, true},
        {"pop directional isolate", 0x2069, true},
        {"after the isolates", 0x206A, false},
        {"umlaut", 0x00FC, false},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.code << row.escaped;
}

void TestErrorLine::escaped()
{
    QFETCH(int, code);
    QFETCH(bool, escaped);
    const QChar c(static_cast<char16_t>(code));
    const QString text = QStringLiteral("a") + c + QStringLiteral("b");
    const QString expected =
        escaped ? QStringLiteral("a\\u") +
                      QString::number(code, 16).rightJustified(4, QLatin1Char('0')).toUpper() +
                      QStringLiteral("b")
                : text;
    QCOMPARE(ErrorLine::escaped(text), expected);
}

QTEST_APPLESS_MAIN(TestErrorLine)
#include "tst_ErrorLine.moc"
