#include "settings/QSettingsStore.h"

#include "base/ErrorLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

std::unique_ptr<QSettings> openSection(const QString &section)
{
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("VH_WTK"), section);
    // Without this, keys of the organisation-wide file and of the system-wide
    // files would show through in every section, so a renamed executable
    // would not start from the defaults.
    settings->setFallbacksEnabled(false);
    return settings;
}

QString storedText(const QVariant &value)
{
    // An unquoted comma in a hand-edited file makes QSettings read a list;
    // joined again it is close to what the user typed, which the warning about
    // an unusable value can then show.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A best guess from what is on disk; QSettings itself only says that it
// failed.
QString whyUnwritable(const QString &filePath)
{
#ifdef Q_OS_WIN
    Q_UNUSED(filePath);
    return QStringLiteral("the registry refused the write");
#else
    const QFileInfo file(filePath);
    const QString folder = file.absolutePath();
    QFileInfo nearest(folder);
    while (!nearest.exists()) {
        const QString parent = nearest.absolutePath();
        if (parent == nearest.absoluteFilePath())
            break;
        nearest.setFile(parent);
    }
    if (nearest.exists() && !nearest.isDir()) {
        return QStringLiteral("\"%1\" is a file, so the folder \"%2\" cannot be made")
            .arg(nativePath(nearest.absoluteFilePath()), nativePath(folder));
    }
    if (nearest.absoluteFilePath() != QFileInfo(folder).absoluteFilePath()) {
        if (!nearest.isWritable()) {
            return QStringLiteral("the folder \"%1\" is read-only, so the folder \"%2\" cannot "
                                  "be made")
                .arg(nativePath(nearest.absoluteFilePath()), nativePath(folder));
        }
        return QStringLiteral("the folder \"%1\" cannot be made").arg(nativePath(folder));
    }
    if (!nearest.isWritable())
        return QStringLiteral("the folder \"%1\" is read-only").arg(nativePath(folder));
    if (file.isDir())
        return QStringLiteral("\"%1\" is a directory").arg(nativePath(filePath));
    if (file.isSymLink() && !file.exists()) {
        return QStringLiteral("\"%1\" is a broken link to \"%2\"")
            .arg(nativePath(filePath), nativePath(file.symLinkTarget()));
    }
    if (file.exists() && !file.isReadable())
        return QStringLiteral("the file cannot be read, so it cannot be brought up to date");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("the file is read-only");
    // Under a file size limit the write fails as on a full disk; SIGXFSZ is
    // ignored so that it comes to this.
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        return QStringLiteral("file too large for the limit of %1 bytes a file may have here")
            .arg(static_cast<qulonglong>(limit.rlim_cur));
    }
    return QStringLiteral("the disk may be full, or another program may hold the file");
#endif
}

QString notWritten(const QString &filePath, const QString &why)
{
    return QStringLiteral("the settings file \"%1\" could not be written: %2")
        .arg(nativePath(filePath), why);
}

#ifndef Q_OS_WIN
// The registry holds no file to damage, so these two serve files only.

// True when the file holds anything QSettings would drop or change when it
// writes the file anew: bytes that are not UTF-8, control characters,
// comments, or lines that are neither a [section] nor a key=value pair.
// QSettings itself reports this only at the first read of a file in a
// process, so the bytes are judged here.
bool damaged(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return true;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        bool quoted = false;
        for (const QChar c : line) {
            if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
                return true;
            if (c == QLatin1Char('"'))
                quoted = !quoted;
            else if (c == QLatin1Char(';') && !quoted)
                return true; // the rest of the line is a comment to QSettings
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            continue;
        if (line.startsWith(QLatin1Char('#')) || line.indexOf(QLatin1Char('=')) < 1)
            return true;
    }
    return false;
}

// The first free name of "<file>.damaged", "<file>.damaged.1", ...
QString copyPath(const QString &filePath)
{
    const QString first = filePath + QStringLiteral(".damaged");
    QString candidate = first;
    for (int number = 1; QFileInfo::exists(candidate); ++number)
        candidate = first + QLatin1Char('.') + QString::number(number);
    return candidate;
}
#endif

} // namespace

QSettingsStore::QSettingsStore(std::function<QString()> section, PrintLine print)
    : m_section(std::move(section))
    , m_print(print ? std::move(print) : PrintLine(ErrorLine::report))
{}

QString QSettingsStore::executableSection()
{
    QString path;
    if (QCoreApplication::instance()) {
        path = QCoreApplication::applicationFilePath();
    } else {
#ifdef Q_OS_LINUX
        path = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
#endif
    }
    return QFileInfo(path).completeBaseName();
}

QString QSettingsStore::GetSetting(const QString &key, const QString &defaultText)
{
    const QString section = currentSection();
    if (section.isEmpty())
        return defaultText;
    const std::unique_ptr<QSettings> settings = openSection(section);
    if (!settings->contains(key))
        return defaultText;
    return storedText(settings->value(key));
}

Refusal QSettingsStore::SaveSetting(const QString &key, const QString &text)
{
    return SaveSettings({{key, text}}).front();
}

QList<Refusal> QSettingsStore::SaveSettings(const QList<KeyAndText> &keysAndTexts)
{
    QList<Refusal> refusals;
    const QString section = currentSection();
    if (section.isEmpty()) {
        // QSettings would fall back to the organisation-wide file, which every
        // section would then read.
        for (const KeyAndText &write : keysAndTexts) {
            refusals.append(QStringLiteral("the setting %1 could not be saved: the name of the "
                                           "program's file, which names its settings, is unknown")
                                .arg(write.first));
        }
        return refusals;
    }
    const std::unique_ptr<QSettings> settings = openSection(section);
    const QString filePath = settings->fileName();
    if (const Refusal notKept = keepIfDamaged(filePath)) {
        const QString reason = notWritten(filePath, *notKept);
        for (qsizetype i = 0; i < keysAndTexts.size(); ++i)
            refusals.append(reason);
        return refusals;
    }

    struct Previous
    {
        QString key;
        bool existed;
        QVariant value;
    };
    QList<Previous> previous;
    for (const auto &[key, text] : keysAndTexts) {
        previous.append({key, settings->contains(key), settings->value(key)});
        settings->setValue(key, text);
    }
    settings->sync();
    // A file that QSettings found damaged at its first read in this process
    // keeps that status; only access errors belong to the write.
    if (settings->status() != QSettings::AccessError) {
        for (qsizetype i = 0; i < keysAndTexts.size(); ++i)
            refusals.append(std::nullopt);
        return refusals;
    }

    // QSettings keeps the refused values in its per-process copy of the file,
    // where later reads would find them and the next successful write would
    // store them after all; put back what the file holds, latest first, so a
    // key given twice gets its value from before the batch.
    for (auto it = previous.crbegin(); it != previous.crend(); ++it) {
        if (it->existed)
            settings->setValue(it->key, it->value);
        else
            settings->remove(it->key);
    }
    const QString reason = notWritten(filePath, whyUnwritable(filePath));
    for (qsizetype i = 0; i < keysAndTexts.size(); ++i)
        refusals.append(reason);
    return refusals;
}

Refusal QSettingsStore::keepIfDamaged(const QString &filePath)
{
#ifdef Q_OS_WIN
    Q_UNUSED(filePath);
    return std::nullopt; // the registry holds no file to damage
#else
    if (m_checked.contains(filePath))
        return std::nullopt;
    QFile file(filePath);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) {
        // Nothing to keep, or nothing that can be read: the write itself
        // will tell.
        m_checked.insert(filePath);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (!damaged(bytes)) {
        m_checked.insert(filePath);
        return std::nullopt;
    }
    const QString copy = copyPath(filePath);
    if (!QFile::copy(filePath, copy)) {
        QFile::remove(copy);
        return QStringLiteral("it holds lines that are not settings and no copy of it could be "
                              "made as \"%1\", so it was left as it is")
            .arg(nativePath(copy));
    }
    m_checked.insert(filePath);
    m_print(QStringLiteral("the settings file \"%1\" holds lines that are not "
                           "settings; it is kept as \"%2\" and written anew")
                .arg(nativePath(filePath), nativePath(copy)));
    return std::nullopt;
#endif
}

QString QSettingsStore::currentSection() const
{
    return m_section ? m_section() : QString();
}
