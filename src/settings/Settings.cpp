// SPDX-License-Identifier: MIT
#include "settings/Settings.h"

#include "base/ErrorLine.h"
#include "settings/SettingText.h"

#include <cmath>
#include <utility>
#include <variant>

namespace {

// A stored text can hold anything a user typed into the store; escaping keeps
// the warning on one line and shows exactly where the text starts and ends.
QString quoted(const QString &text)
{
    QString result = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            result += QStringLiteral("\\\"");
            break;
        case '\\':
            result += QStringLiteral("\\\\");
            break;
        case '\n':
            result += QStringLiteral("\\n");
            break;
        case '\r':
            result += QStringLiteral("\\r");
            break;
        case '\t':
            result += QStringLiteral("\\t");
            break;
        default:
            if (c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
                result += ErrorLine::codePoint(c);
            else
                result += c;
        }
    }
    result += QLatin1Char('"');
    return ErrorLine::escaped(result);
}

QString faultText(SettingText::Fault fault, const QString &range)
{
    return fault == SettingText::Fault::NotANumber ? QStringLiteral("which is not a number")
                                                   : QStringLiteral("which is beyond ") + range;
}

} // namespace

Settings::Settings(SettingsStore &store, Warning warn)
    : m_store(store)
    , m_warn(warn ? std::move(warn) : Warning(ErrorLine::report))
{}

float Settings::readPosition(SettingKey key)
{
    const QString text = readText(key);
    const std::variant<float, SettingText::Fault> reading = SettingText::toSingle(text);
    if (const float *twips = std::get_if<float>(&reading))
        return *twips;
    return unusable(key, text,
                    faultText(std::get<SettingText::Fault>(reading),
                              QStringLiteral("the range of a single-precision number")));
}

float Settings::readSize(SettingKey key, float largest)
{
    const QString text = readText(key);
    const std::variant<float, SettingText::Fault> reading = SettingText::toSingle(text);
    if (const SettingText::Fault *fault = std::get_if<SettingText::Fault>(&reading)) {
        return unusable(
            key, text, faultText(*fault, QStringLiteral("the range of a single-precision number")));
    }
    const float twips = std::get<float>(reading);
    if (!(twips > 0.0f))
        return unusable(key, text, QStringLiteral("which is not a positive size"));
    if (twips > largest) {
        return unusable(key, text,
                        QStringLiteral("which is larger than all screens together (%1 twips)")
                            .arg(positionText(largest)));
    }
    return twips;
}

int Settings::readFlag(SettingKey key)
{
    const QString text = readText(key);
    const std::variant<qint16, SettingText::Fault> reading = SettingText::toInteger16(text);
    if (const SettingText::Fault *fault = std::get_if<SettingText::Fault>(&reading))
        return unusable(key, text, faultText(*fault, QStringLiteral("-32768 to 32767")));
    const int state = std::get<qint16>(reading);
    if (state < 0 || state > 2)
        return unusable(key, text, QStringLiteral("which is not a tickbox state (0, 1 or 2)"));
    return state;
}

Refusal Settings::savePosition(SettingKey key, float twips)
{
    return save({position(key, twips)}).front();
}

Refusal Settings::saveFlag(SettingKey key, int state)
{
    return save({flag(key, state)}).front();
}

Settings::Save Settings::position(SettingKey key, float twips) const
{
    if (settingKind(key) != SettingKind::Position) {
        return {key,
                {},
                QStringLiteral("the setting %1 holds no window position, so none is saved under it")
                    .arg(settingName(key))};
    }
    if (!std::isfinite(twips)) {
        return {key,
                {},
                QStringLiteral("the position %1 for the setting %2 is not a number of twips")
                    .arg(positionText(twips), settingName(key))};
    }
    return {key, positionText(twips), std::nullopt};
}

Settings::Save Settings::flag(SettingKey key, int state) const
{
    if (settingKind(key) != SettingKind::Flag) {
        return {key,
                {},
                QStringLiteral("the setting %1 holds no option, so no option is saved under it")
                    .arg(settingName(key))};
    }
    if (state < 0 || state > 2) {
        return {key,
                {},
                QStringLiteral("%1 is not a tickbox state (0, 1 or 2) for the setting %2")
                    .arg(QString::number(state), settingName(key))};
    }
    return {key, QString::number(state), std::nullopt};
}

std::vector<Refusal> Settings::save(const std::vector<Save> &saves)
{
    QList<SettingsStore::KeyAndText> writes;
    for (const Save &save : saves) {
        if (!save.refusal)
            writes.append({settingName(save.key), save.text});
    }
    const QList<Refusal> written =
        writes.isEmpty() ? QList<Refusal>() : m_store.SaveSettings(writes);

    std::vector<Refusal> refusals;
    refusals.reserve(saves.size());
    qsizetype next = 0;
    for (const Save &save : saves) {
        if (save.refusal)
            refusals.push_back(save.refusal);
        else
            refusals.push_back(next < written.size() ? written.at(next++) : Refusal());
    }
    return refusals;
}

QString Settings::positionText(float twips)
{
    return SettingText::fromSingle(twips);
}

QString Settings::readText(SettingKey key)
{
    // QString::number always writes C-locale digits.
    return m_store.GetSetting(settingName(key), QString::number(settingDefault(key)));
}

qint16 Settings::unusable(SettingKey key, const QString &text, const QString &why)
{
    const qint16 fallback = settingDefault(key);
    m_warn(QStringLiteral("setting \"%1\" holds %2, %3; using %4 instead")
               .arg(settingName(key), quoted(text), why, QString::number(fallback)));
    return fallback;
}
