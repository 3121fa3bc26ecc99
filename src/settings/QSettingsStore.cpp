// SPDX-License-Identifier: MIT
#include "settings/QSettingsStore.h"

#include "base/ErrorLine.h"
#include "settings/StoreMedium.h"

#include <QDir>
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

QString notWritten(const QString &filePath, const QString &why)
{
    return QStringLiteral("the settings file \"%1\" could not be written: %2")
        .arg(nativePath(filePath), why);
}

} // namespace

QSettingsStore::QSettingsStore(std::function<QString()> section, PrintLine print)
    : m_section(std::move(section))
    , m_print(print ? std::move(print) : PrintLine(ErrorLine::report))
{}

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
    const QString reason = notWritten(filePath, StoreMedium::whyUnwritable(filePath));
    for (qsizetype i = 0; i < keysAndTexts.size(); ++i)
        refusals.append(reason);
    return refusals;
}

Refusal QSettingsStore::keepIfDamaged(const QString &filePath)
{
    if (m_checked.contains(filePath))
        return std::nullopt;
    Refusal notKept = StoreMedium::keepIfDamaged(filePath, m_print);
    // One that could not be kept is tried again at the next write.
    if (!notKept)
        m_checked.insert(filePath);
    return notKept;
}

QString QSettingsStore::currentSection() const
{
    return m_section ? m_section() : QString();
}
