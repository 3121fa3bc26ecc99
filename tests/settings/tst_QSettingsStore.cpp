// SPDX-License-Identifier: MIT
#include "base/ProgramIdentity.h"
#include "settings/QSettingsStore.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <string>
#endif

namespace {

QString outcome(const std::optional<QString> &reason)
{
    return reason.value_or(QStringLiteral("stored"));
}

QSettingsStore storeFor(const QString &section)
{
    return QSettingsStore([section] { return section; });
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

enum class Sabotage
{
    FolderIsAFile,
    FileSizeLimit,
    ReadOnlyFolder,
    BrokenLink,
};

} // namespace

Q_DECLARE_METATYPE(Sabotage)

// Runs against a temporary configuration folder set up in main().
class TestQSettingsStore : public QObject
{
    Q_OBJECT

public:
    explicit TestQSettingsStore(const QString &configHome)
        : m_home(configHome)
    {}

private slots:
    void fileIsInTheUsersConfigFolder();
    void executableNamesTheSection();
    void roundTrip_data();
    void roundTrip();
    void missingKey_data();
    void missingKey();
    void renamedExecutableStartsFromDefaults();
    void handEditedTextsReadAsTheyStand();
    void damagedFileIsKept_data();
    void damagedFileIsKept();
    void unknownSection();
    void refusedWrite_data();
    void refusedWrite();

private:
    QString folder() const { return m_home + QStringLiteral("/VH_WTK"); }
    QString fileOf(const QString &section) const
    {
        return folder() + QLatin1Char('/') + section + QStringLiteral(".conf");
    }
    // What the store left for a section, as "key=text" lines.
    QByteArray stored(const QString &section) const
    {
#ifdef Q_OS_WIN
        // The values of the section's registry key; the Wine test checks
        // that they are strings.
        QSettings key(QStringLiteral("HKEY_CURRENT_USER\\Software\\VH_WTK\\") + section,
                      QSettings::NativeFormat);
        QByteArray lines;
        for (const QString &name : key.childKeys())
            lines += (name + u'=' + key.value(name).toString() + u'\n').toUtf8();
        return lines;
#else
        return fileBytes(fileOf(section));
#endif
    }

    QString m_home;
    int m_touches = 0;
};

void TestQSettingsStore::fileIsInTheUsersConfigFolder()
{
    QSettingsStore store = storeFor("Located");
    QCOMPARE(outcome(store.SaveSetting("MAIN_Left", "1500")), QString("stored"));

#ifndef Q_OS_WIN
    QVERIFY(QFileInfo(fileOf("Located")).isFile());
#endif
    QVERIFY(stored("Located").contains("MAIN_Left=1500"));
}

void TestQSettingsStore::executableNamesTheSection()
{
    QCOMPARE(ProgramIdentity::runningExecutable(), QString("tst_QSettingsStore"));

    QSettingsStore store;
    QCOMPARE(outcome(store.SaveSetting("AUTOSTART_TICKBOX", "0")), QString("stored"));
    QVERIFY(stored("tst_QSettingsStore").contains("AUTOSTART_TICKBOX=0"));
    QCOMPARE(store.GetSetting("AUTOSTART_TICKBOX", "1"), QString("0"));
}

void TestQSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << "1000";
    QTest::newRow("negative") << "-1500";
    QTest::newRow("fraction") << "1000.5";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks around") << "  12 ";
    QTest::newRow("comma") << "1000,5";
    QTest::newRow("equals sign") << "a=b";
    QTest::newRow("semicolon") << "x;y";
    QTest::newRow("hash") << "#1";
    QTest::newRow("section brackets") << "[General]";
    QTest::newRow("quotes") << "\"quoted\"";
    QTest::newRow("backslash") << "C:\\temp";
    QTest::newRow("line break") << "10\n20";
    QTest::newRow("tab") << "\t5";
    QTest::newRow("percent") << "%1";
    QTest::newRow("type prefix of the file format") << "@Variant(abc)";
    QTest::newRow("non-ASCII") << QStringLiteral("Gr\u00FC\u00DFe \u2212 \u65E5");
}

void TestQSettingsStore::roundTrip()
{
    QFETCH(QString, text);
    const QString path = fileOf("RoundTrip");
    QSettingsStore writer = storeFor("RoundTrip");
    QCOMPARE(outcome(writer.SaveSetting("MAIN_Left", "earlier")), QString("stored"));
    QCOMPARE(outcome(writer.SaveSetting("MAIN_Left", text)), QString("stored"));

    QSettingsStore reader = storeFor("RoundTrip");
    QCOMPARE(reader.GetSetting("MAIN_Left", "1000"), text);

#ifdef Q_OS_WIN
    Q_UNUSED(path);
    QCOMPARE(stored("RoundTrip"), ("MAIN_Left=" + text + u'\n').toUtf8());
#else
    // QSettings keeps a copy of the file per process and reparses it only when
    // the file looks changed; a new modification time forces a read from disk.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(++m_touches),
                             QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(reader.GetSetting("MAIN_Left", "1000"), text);
#endif
}

void TestQSettingsStore::missingKey_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("writtenSection"); // empty: nothing written first
    QTest::addColumn<QString>("writtenKey");
    QTest::addColumn<bool>("organisationFile");

    QTest::newRow("section never written") << "NeverWritten"
                                           << ""
                                           << "" << false;
    QTest::newRow("only other keys") << "OtherKeys"
                                     << "OtherKeys"
                                     << "MAIN_Top" << false;
    QTest::newRow("key under another section") << "Lonely"
                                               << "Neighbour"
                                               << "MAIN_Left" << false;
    QTest::newRow("key in the file shared by all sections") << "Unshared"
                                                            << ""
                                                            << "" << true;
}

void TestQSettingsStore::missingKey()
{
    QFETCH(QString, section);
    QFETCH(QString, writtenSection);
    QFETCH(QString, writtenKey);
    QFETCH(bool, organisationFile);

    if (!writtenSection.isEmpty()) {
        QSettingsStore other = storeFor(writtenSection);
        QCOMPARE(outcome(other.SaveSetting(writtenKey, "5")), QString("stored"));
    }
#ifdef Q_OS_WIN
    // The values directly under the organisation's key.
    QSettings shared(QStringLiteral("HKEY_CURRENT_USER\\Software\\VH_WTK"),
                     QSettings::NativeFormat);
    const auto removeShared = qScopeGuard([&] { shared.remove("MAIN_Left"); });
    if (organisationFile)
        shared.setValue("MAIN_Left", "5");
    shared.sync();
#else
    const QString shared = m_home + QStringLiteral("/VH_WTK.conf");
    const auto removeShared = qScopeGuard([&] { QFile::remove(shared); });
    if (organisationFile)
        QVERIFY(writeFile(shared, "[General]\nMAIN_Left=5\n"));
#endif

    QSettingsStore store = storeFor(section);
    QCOMPARE(store.GetSetting("MAIN_Left", "1000"), QString("1000"));
    QCOMPARE(store.GetSetting("MAIN_Left", "default text"), QString("default text"));
}

void TestQSettingsStore::renamedExecutableStartsFromDefaults()
{
    QString section = "OldName";
    QSettingsStore store([&section] { return section; });
    QCOMPARE(outcome(store.SaveSetting("MAIN_Left", "-1500")), QString("stored"));
    QCOMPARE(outcome(store.SaveSetting("AlwaysOnTop_TICKBOX", "0")), QString("stored"));
    const QByteArray oldFile = stored("OldName");

    section = "NewName";
    QCOMPARE(store.GetSetting("MAIN_Left", "1000"), QString("1000"));
    QCOMPARE(store.GetSetting("AlwaysOnTop_TICKBOX", "1"), QString("1"));
    QCOMPARE(outcome(store.SaveSetting("MAIN_Left", "2000")), QString("stored"));
    QVERIFY(stored("NewName").contains("MAIN_Left=2000"));

    QCOMPARE(stored("OldName"), oldFile);
    section = "OldName";
    QCOMPARE(store.GetSetting("MAIN_Left", "1000"), QString("-1500"));
    QCOMPARE(store.GetSetting("AlwaysOnTop_TICKBOX", "1"), QString("0"));
}

void TestQSettingsStore::handEditedTextsReadAsTheyStand()
{
#ifdef Q_OS_WIN
    QSKIP("a file edited by hand; the registry holds each value whole");
#endif
    const QString path = fileOf("Edited");
    QVERIFY(writeFile(path, "[General]\nMAIN_Left=1000,5\nMAIN_Top=abc\nMAIN_Width=\n"));
    const QByteArray before = fileBytes(path);
    QSettingsStore store = storeFor("Edited");

    QCOMPARE(store.GetSetting("MAIN_Left", "1000"), QString("1000,5"));
    QCOMPARE(store.GetSetting("MAIN_Top", "1000"), QString("abc"));
    QCOMPARE(store.GetSetting("MAIN_Width", "2895"), QString(""));

    QStringList warnings;
    Settings settings(store, [&](const QString &line) { warnings.append(line); });
    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Left)), 1000.0);
    QCOMPARE(double(settings.readPosition(SettingKey::MAIN_Width)), 2895.0);
    QCOMPARE(warnings.size(), 2);
    QVERIFY2(warnings.at(0).contains("\"1000,5\""), qPrintable(warnings.at(0)));
    QCOMPARE(fileBytes(path), before);
}

void TestQSettingsStore::damagedFileIsKept_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<int>("earlierCopies"); // ".damaged", ".damaged.1", ... already there

    QByteArray noise(4096, '\0');
    QRandomGenerator random(11);
    for (char &byte : noise)
        byte = static_cast<char>(random.bounded(256));

    QTest::newRow("line without equals sign")
        << QByteArray("[General]\nMAIN_Left=2000\nline without equals sign\n") << true << 0;
    QTest::newRow("comment line") << QByteArray("; mine\n[General]\nMAIN_Left=2000\n") << true << 0;
    QTest::newRow("comment after a value")
        << QByteArray("[General]\nMAIN_Left=2000 ; moved by hand\n") << true << 0;
    QTest::newRow("hash line") << QByteArray("[General]\n#MAIN_Left=2000\n") << true << 0;
    QTest::newRow("control character") << QByteArray("[General]\nMAIN_Left=20\x01"
                                                     "00\n")
                                       << true << 0;
    QTest::newRow("not UTF-8") << QByteArray("[General]\nMAIN_Left=\xff\xfe\n") << true << 0;
    QTest::newRow("random bytes") << noise << true << 0;
    QTest::newRow("earlier copies numbered on")
        << QByteArray("[General]\nMAIN_Left=2000\nstray\n") << true << 2;
    QTest::newRow("file as the store writes it")
        << QByteArray("[General]\nMAIN_Left=2000\nMAIN_Top=\"x;y\"\r\n\n[Other]\nkey=\\t5\n")
        << false << 0;
}

void TestQSettingsStore::damagedFileIsKept()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, damaged);
    QFETCH(int, earlierCopies);
#ifdef Q_OS_WIN
    QSKIP("the registry holds no file to damage");
#endif
    // QSettings keeps every file it has read for the whole process: one
    // section per row.
    const QString section = QStringLiteral("Damaged%1").arg(++m_touches);
    const QString path = fileOf(section);
    QVERIFY(writeFile(path, bytes));
    QStringList copies{path + ".damaged"};
    for (int i = 1; i <= earlierCopies; ++i)
        copies << path + ".damaged." + QString::number(i);
    for (const QString &earlier : copies.mid(0, earlierCopies))
        QVERIFY(writeFile(earlier, "earlier copy"));
    const QString copy = damaged ? copies.last() : copies.front();

    QStringList printed;
    QSettingsStore store([section] { return section; },
                         [&](const QString &line) { printed << line; });
    // The program reads its settings before it first writes them.
    (void)store.GetSetting("MAIN_Left", "1000");
    QCOMPARE(outcome(store.SaveSetting("MAIN_Top", "300")), QString("stored"));
    QCOMPARE(outcome(store.SaveSetting("ABOUT_Top", "400")), QString("stored"));

    if (damaged) {
        QCOMPARE(fileBytes(copy), bytes);
        QCOMPARE(printed.size(), 1);
        QVERIFY2(printed.front().contains(QDir::toNativeSeparators(path) + '"') &&
                     printed.front().contains(QDir::toNativeSeparators(copy) + '"'),
                 qPrintable(printed.front()));
    } else {
        QVERIFY(!QFileInfo::exists(copy));
        QCOMPARE(printed, QStringList());
    }
    for (const QString &earlier : copies.mid(0, earlierCopies))
        QCOMPARE(fileBytes(earlier), QByteArray("earlier copy"));
    const QByteArray written = fileBytes(path);
    QVERIFY2(written.contains("MAIN_Top=300") && written.contains("ABOUT_Top=400"),
             written.constData());
}

void TestQSettingsStore::unknownSection()
{
    for (QSettingsStore store : {storeFor(QString()), QSettingsStore(std::function<QString()>())}) {
        QCOMPARE(store.GetSetting("MAIN_Left", "1000"), QString("1000"));
        const std::optional<QString> reason = store.SaveSetting("MAIN_Left", "5");
        QVERIFY(reason.has_value());
        QVERIFY2(reason->contains("MAIN_Left"), qPrintable(*reason));
    }
#ifdef Q_OS_WIN
    QCOMPARE(stored(QString()), QByteArray());
#else
    QVERIFY(!QFileInfo::exists(m_home + QStringLiteral("/VH_WTK.conf")));
    QVERIFY(!QFileInfo::exists(fileOf(QString())));
#endif
}

void TestQSettingsStore::refusedWrite_data()
{
    QTest::addColumn<Sabotage>("sabotage");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("cause"); // how the reason names the cause
    QTest::addColumn<bool>("readableMeanwhile");

    QTest::newRow("folder cannot be made") << Sabotage::FolderIsAFile << "RefusedFolder"
                                           << "is a file" << false;
    QTest::newRow("file size limit") << Sabotage::FileSizeLimit << "RefusedSizeLimit"
                                     << "file too large" << true;
    QTest::newRow("read-only folder") << Sabotage::ReadOnlyFolder << "RefusedReadOnly"
                                      << "read-only" << true;
    QTest::newRow("broken link") << Sabotage::BrokenLink << "RefusedLink"
                                 << "broken link" << false;
}

void TestQSettingsStore::refusedWrite()
{
    QFETCH(Sabotage, sabotage);
    QFETCH(QString, section);
    QFETCH(QString, cause);
    QFETCH(bool, readableMeanwhile);
#ifdef Q_OS_WIN
    QSKIP("the registry lets its user write wherever the store does");
#endif
    const QString path = fileOf(section);
    QSettingsStore store = storeFor(section);
    QCOMPARE(outcome(store.SaveSetting("MAIN_Left", "1500")), QString("stored"));
    QCOMPARE(outcome(store.SaveSetting("MAIN_Top", "300")), QString("stored"));

    std::function<void()> undo = [] {};
    const auto restore = qScopeGuard([&] { undo(); });
    switch (sabotage) {
    case Sabotage::FolderIsAFile: {
        QVERIFY(QDir(m_home).rename("VH_WTK", "VH_WTK-away"));
        undo = [this] {
            QFile::remove(folder());
            QDir(m_home).rename("VH_WTK-away", "VH_WTK");
        };
        QVERIFY(writeFile(folder(), "not a folder"));
        break;
    }
    case Sabotage::BrokenLink:
        QVERIFY(QFile::rename(path, path + ".away"));
        undo = [path] { QFile::remove(path) && QFile::rename(path + ".away", path); };
        QVERIFY(QFile::link(m_home + "/gone/file.conf", path));
        break;
    case Sabotage::FileSizeLimit: {
#ifdef Q_OS_UNIX
        // A file size limit of zero fails every write, whoever runs the test.
        // Nothing may be printed until it is lifted.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit none = old;
        none.rlim_cur = 0;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &none), 0);
        undo = [old, oldHandler] {
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
        };
#else
        QSKIP("needs a file size limit");
#endif
        break;
    }
    case Sabotage::ReadOnlyFolder: {
        const QFile::Permissions permissions = QFile::permissions(folder());
        QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner |
                                                    QFile::ReadGroup | QFile::ExeGroup |
                                                    QFile::ReadOther | QFile::ExeOther));
        undo = [this, permissions] { QFile::setPermissions(folder(), permissions); };
        QFile probe(folder() + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QSKIP("a read-only folder does not stop this user (root) from writing; the other "
                  "rows cover refused writes");
        }
        break;
    }
    }

    const std::optional<QString> existingKey = store.SaveSetting("MAIN_Top", "2000");
    const std::optional<QString> newKey = store.SaveSetting("ABOUT_Top", "4000");
    const QString topMeanwhile = store.GetSetting("MAIN_Top", "1000");
    const QString aboutMeanwhile = store.GetSetting("ABOUT_Top", "1000");
    const QString leftMeanwhile = store.GetSetting("MAIN_Left", "1000");
    undo();
    undo = [] {};

    for (const std::optional<QString> &reason : {existingKey, newKey}) {
        QVERIFY(reason.has_value());
        QVERIFY2(reason->contains(QDir::toNativeSeparators(path)), qPrintable(*reason));
        QVERIFY2(reason->contains(cause), qPrintable(*reason));
    }
    QCOMPARE(topMeanwhile, QString(readableMeanwhile ? "300" : "1000"));
    QCOMPARE(aboutMeanwhile, QString("1000"));
    QCOMPARE(leftMeanwhile, QString(readableMeanwhile ? "1500" : "1000"));

    // The earlier keys stay, and a later successful write must not carry the
    // refused texts into the file after all.
    QCOMPARE(store.GetSetting("MAIN_Left", "1000"), QString("1500"));
    QCOMPARE(store.GetSetting("MAIN_Top", "1000"), QString("300"));
    QCOMPARE(store.GetSetting("ABOUT_Top", "1000"), QString("1000"));
    QCOMPARE(outcome(store.SaveSetting("ABOUT_Left", "10")), QString("stored"));
    const QByteArray file = fileBytes(path);
    QVERIFY2(file.contains("MAIN_Left=1500") && file.contains("MAIN_Top=300") &&
                 file.contains("ABOUT_Left=10") && !file.contains("ABOUT_Top") &&
                 !file.contains("2000"),
             file.constData());
}

int main(int argc, char *argv[])
{
    // QSettings settles on the user's configuration folder at its first use
    // in the process, so the temporary one must be in place before that.
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
#ifdef Q_OS_WIN
    // The registry's counterpart: HKEY_CURRENT_USER is a scratch key of
    // this process's own, so the user's own settings stay untouched, and so
    // do the scratch keys of other tests running beside it.
    const std::wstring name =
        L"Software\\VH_WTK_tests\\QSettingsStore-" + std::to_wstring(GetCurrentProcessId());
    const wchar_t *const scratch = name.c_str();
    HKEY home = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, scratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &home,
                        nullptr) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, home) != ERROR_SUCCESS)
        return 1;
    const auto removeScratch = qScopeGuard([&] {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(home);
        RegDeleteTreeW(HKEY_CURRENT_USER, scratch);
    });
#endif
    QCoreApplication app(argc, argv);
    TestQSettingsStore test(configHome.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_QSettingsStore.moc"
