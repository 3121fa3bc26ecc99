// SPDX-License-Identifier: MIT
// The options, run as the user runs them: the real executable in a process
// of its own, without any display.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Where --start-at-login writes on Windows while this test runs, instead of
// the user's own Run key: a key of this process's own, as other tests write
// scratch keys beside it at the same time.
const QString scratchKeys = u"HKEY_CURRENT_USER\\Software\\VH_WTK_tests"_s;
const QString scratchName = u"CommandLine-%1"_s.arg(QCoreApplication::applicationPid());
const QString scratchRunKey = scratchKeys + u'\\' + scratchName + u"\\Run"_s;
// How long a run may take on a quiet machine, times the tests' one factor
// for a loaded or instrumented run.
const int runLimitMs = 20000 * std::max(1, qEnvironmentVariableIntValue("VH_TEST_TIME_FACTOR"));
#ifdef Q_OS_WIN
const QString executableSuffix = u".exe"_s;
#else
const QString executableSuffix;
#endif

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void endsWithStatus_data();
    void endsWithStatus();
    void startAtLogin_data();
    void startAtLogin();

private:
    struct Run
    {
        int status;
        QString out;
        QString err;
    };
    // `setting` adds variables, "NAME=value", and may send standard output
    // to a file, ">FILE", as a shell does.
    Run run(const QString &program, const QStringList &arguments, const QStringList &setting = {});
    static bool validates(const QString &desktopEntry, QString &report);

    QTemporaryDir m_home;
};

void TestCommandLine::init()
{
    QVERIFY(m_home.isValid());
}

void TestCommandLine::cleanupTestCase()
{
#ifdef Q_OS_WIN
    QSettings(scratchKeys, QSettings::NativeFormat).remove(scratchName);
#endif
}

TestCommandLine::Run TestCommandLine::run(const QString &program, const QStringList &arguments,
                                          const QStringList &setting)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + u"/config"_s);
    environment.insert(QStringLiteral("VH_WTK_RUN_KEY"), scratchRunKey);
    QProcess process;
    for (const QString &item : setting) {
        if (item.startsWith(u'>'))
            process.setStandardOutputFile(item.mid(1));
        else
            environment.insert(item.section(u'=', 0, 0), item.section(u'=', 1));
    }
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    // Why a run went wrong, for the failure message: it did not start, it
    // crashed (with the code Windows gives), or it did not end in time.
    if (!process.waitForFinished(runLimitMs) || process.exitStatus() != QProcess::NormalExit) {
        return {-1,
                {},
                u"%1 (exit code %2)"_s.arg(process.errorString())
                    .arg(quint32(process.exitCode()), 0, 16)};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

#ifndef Q_OS_WIN
bool TestCommandLine::validates(const QString &desktopEntry, QString &report)
{
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(QStringLiteral("desktop-file-validate"), {desktopEntry});
    validator.waitForFinished();
    report = QString::fromLocal8Bit(validator.readAll());
    return validator.exitStatus() == QProcess::NormalExit && validator.exitCode() == 0;
}
#endif

void TestCommandLine::endsWithStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // a line standard output must hold
    QTest::addColumn<QString>("err"); // a line standard error must hold
    QTest::addColumn<QStringList>("setting");

    QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"  --start-at-login <on|off>"_s
                          << QString() << QStringList();
    QTest::newRow("short help") << QStringList{u"-h"_s} << 0 << u"-h, --help"_s << QString()
                                << QStringList();
    QTest::newRow("version") << QStringList{u"--version"_s} << 0
                             << u"VH-WREN-TICKER " VH_EXPECTED_VERSION ""_s << QString()
                             << QStringList();
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << 2 << QString()
                                    << u"Unknown option 'bogus'."_s << QStringList();
    // Messages name the program as its file is named.
    const QString self = u"vh-wren-ticker"_s + executableSuffix;
    QTest::newRow("argument") << QStringList{u"now"_s} << 2 << QString()
                              << self + u": unexpected argument 'now'"_s << QStringList();
    QTest::newRow("login value") << QStringList{u"--start-at-login"_s, u"yes"_s} << 2 << QString()
                                 << self + u": --start-at-login takes 'on' or 'off', not 'yes'"_s
                                 << QStringList();
    QTest::newRow("login without value") << QStringList{u"--start-at-login"_s} << 2 << QString()
                                         << u"Missing value after"_s << QStringList();
    for (const QString &option : {u"--help"_s, u"--version"_s})
        QTest::addRow("%s into a full disk", qPrintable(option))
            << QStringList{option} << 1 << QString() << u"could not write to standard output"_s
            << QStringList{u">/dev/full"_s};
#ifndef Q_OS_WIN
    // The XDG Base Directory rules ignore a relative path.
    QTest::newRow("relative config folder")
        << QStringList{u"--start-at-login"_s, u"on"_s} << 0
        << u"wrote %1/.config/autostart/"_s.arg(m_home.path()) << u"XDG_CONFIG_HOME=\"config\""_s
        << QStringList{u"XDG_CONFIG_HOME=config"_s, u"HOME="_s + m_home.path()};
#endif
}

void TestCommandLine::endsWithStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QStringList, setting);
    const Run result = run(qEnvironmentVariable("VH_PROGRAM"), arguments, setting);
    if (result.status != status)
        qWarning("%s", qPrintable(result.err));
    QCOMPARE(result.status, status);
    const auto holdsLine = [](const QString &text, const QString &line) {
        return line.isEmpty() || text.contains(line);
    };
    QVERIFY2(holdsLine(result.out, out), qPrintable(result.out));
    QVERIFY2(holdsLine(result.err, err), qPrintable(result.err));
    if (status != 0)
        QVERIFY2(result.out.isEmpty(), qPrintable(result.out));
}

void TestCommandLine::startAtLogin_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("entryName");
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("tryExec");

    QTest::newRow("installed name")
        << u"vh-wren-ticker"_s << u"example.voltharbor.VhWrenTicker.desktop"_s
        << u"Exec=%1/vh-wren-ticker"_s << u"TryExec=%1/vh-wren-ticker"_s;
    // A copy keeps its own settings, so it must not take over the original's
    // entry; its path needs quoting, and the "%" must not start a field code.
    QTest::newRow("renamed copy") << u"my 100% copy"_s
                                  << u"example.voltharbor.VhWrenTicker-my_100__copy.desktop"_s
                                  << u"Exec=\"%1/my 100%% copy\""_s << u"TryExec=%1/my 100% copy"_s;
}

void TestCommandLine::startAtLogin()
{
    QFETCH(QString, fileName);
    QFETCH(QString, entryName);
    QFETCH(QString, exec);
    QFETCH(QString, tryExec);
    const QString program = m_home.filePath(fileName + executableSuffix);
    QVERIFY(QFile::copy(qEnvironmentVariable("VH_PROGRAM"), program));
#ifdef Q_OS_WIN
    // A value in the Run key, named as the entry would be.
    Q_UNUSED(exec);
    Q_UNUSED(tryExec);
    const QString value = entryName.chopped(qsizetype(sizeof ".desktop" - 1));
    Run result = run(program, {u"--start-at-login"_s, u"on"_s});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QVERIFY2(result.out.contains(u"wrote the value %1 under %2"_s.arg(value, scratchRunKey)),
             qPrintable(result.out));
    QCOMPARE(QSettings(scratchRunKey, QSettings::NativeFormat).value(value).toString(),
             u'"' + QDir::toNativeSeparators(program) + u'"');

    result = run(program, {u"--start-at-login"_s, u"off"_s});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QVERIFY2(result.out.contains(u"removed the value "_s + value), qPrintable(result.out));
    QVERIFY(!QSettings(scratchRunKey, QSettings::NativeFormat).contains(value));
#else
    const QString entry = m_home.path() + u"/config/autostart/"_s + entryName;

    Run result = run(program, {u"--start-at-login"_s, u"on"_s});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QVERIFY2(result.out.contains(u"wrote "_s + entry), qPrintable(result.out));
    QFile written(entry);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(written.readAll()).split(u'\n');
    QVERIFY2(lines.contains(exec.arg(m_home.path())), qPrintable(lines.join(u'\n')));
    QVERIFY2(lines.contains(tryExec.arg(m_home.path())), qPrintable(lines.join(u'\n')));
    QString report;
    QVERIFY2(validates(entry, report), qPrintable(report));

    result = run(program, {u"--start-at-login"_s, u"off"_s});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QVERIFY2(result.out.contains(u"removed "_s + entry), qPrintable(result.out));
    QVERIFY(!QFile::exists(entry));
#endif
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_CommandLine.moc"
