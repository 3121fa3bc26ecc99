// SPDX-License-Identifier: MIT
#include "base/ErrorLine.h"

#include "base/ProgramIdentity.h"

#include <cstdio>

namespace ErrorLine {
namespace {

bool unsafe(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x061c || c == 0x200e || c == 0x200f ||
           (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString codePoint(QChar c)
{
    return QStringLiteral("\\u") +
           QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

QString escaped(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (unsafe(c.unicode()))
            result += codePoint(c);
        else
            result += c;
    }
    return result;
}

void print(const QString &line)
{
    const QByteArray bytes = escaped(line).toLocal8Bit();
    std::fprintf(stderr, "%s\n", bytes.constData());
    std::fflush(stderr);
}

void report(const QString &text)
{
    print(ProgramIdentity::executable + QStringLiteral(": ") + text);
}

} // namespace ErrorLine
