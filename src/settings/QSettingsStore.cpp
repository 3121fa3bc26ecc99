#include "settings/QSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <utility>

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
    if (file.exists() && !file.isReadable())
        return QStringLiteral("the file cannot be read, so it cannot be brought up to date");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("the file is read-only");
    return QStringLiteral("the disk may be full, or another program may hold the file");
#endif
}

QString notWritten(const QString &filePath, const QString &why)
{
    return QStringLiteral("the settings file \"%1\" could not be written: %2")
        .arg(nativePath(filePath), why);
}

} // namespace

QSettingsStore::QSettingsStore(std::function<QString()> section)
    : m_section(std::move(section))
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

std::optional<QString> QSettingsStore::SaveSetting(const QString &key, const QString &text)
{
    const QString section = currentSection();
    if (section.isEmpty()) {
        // QSettings would fall back to the organisation-wide file, which every
        // section would then read.
        return QStringLiteral("the setting %1 could not be saved: the name of the program's "
                              "file, which names its settings, is unknown")
            .arg(key);
    }
    const std::unique_ptr<QSettings> settings = openSection(section);

    // Reading every key finds lines that QSettings cannot parse; a write would
    // silently drop them, and with them whatever the user meant to keep.
    (void)settings->allKeys();
    if (settings->status() == QSettings::FormatError) {
        return notWritten(settings->fileName(),
                          QStringLiteral("it holds lines that are not settings, so it was left "
                                         "as it is"));
    }

    const bool existed = settings->contains(key);
    const QVariant previous = settings->value(key);
    settings->setValue(key, text);
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return std::nullopt;

    // QSettings keeps the refused value in its per-process copy of the file,
    // where later reads would find it and the next successful write would
    // store it after all; put back what the file holds.
    if (existed)
        settings->setValue(key, previous);
    else
        settings->remove(key);
    return notWritten(settings->fileName(), whyUnwritable(settings->fileName()));
}

QString QSettingsStore::currentSection() const
{
    return m_section ? m_section() : QString();
}
