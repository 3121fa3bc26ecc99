// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "base/ProgramIdentity.h"
#include "platform/LoginStart.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace CommandLine {
namespace {

constexpr int usageError = 2;

// False when the text could not be written whole (a full disk, a closed pipe).
bool print(std::FILE *stream, const QString &text)
{
    bool written = std::fputs(text.toLocal8Bit().constData(), stream) >= 0;
    if (!text.endsWith(u'\n'))
        written = std::fputc('\n', stream) != EOF && written;
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

// What a user asked to be shown must not end as a success when it was lost.
int printOutput(const QString &text)
{
    if (print(stdout, text))
        return 0;
    const int error = errno;
    print(stderr,
          QStringLiteral("%1: could not write to standard output: %2")
              .arg(ProgramIdentity::executable, QString::fromLocal8Bit(std::strerror(error))));
    return 1;
}

int usage(const QString &program, const QString &problem)
{
    print(stderr,
          QStringLiteral("%1: %2\nTry '%1 --help' for more information.").arg(program, problem));
    return usageError;
}

// A renamed copy keeps settings of its own and runs beside the original, so
// it gets a login entry of its own too.
LoginStart::Entry loginEntry()
{
    const QString section = ProgramIdentity::runningExecutable();
    QString id = ProgramIdentity::id;
    if (section != ProgramIdentity::executable) {
        static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_-]"));
        id += u'-' + QString(section).replace(unsafe, QStringLiteral("_"));
    }
    return {id, ProgramIdentity::name, ProgramIdentity::summary, ProgramIdentity::id,
            QCoreApplication::applicationFilePath()};
}

} // namespace

std::optional<int> handle(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("%1: a narrow strip that keeps itself above other windows and shows how "
                       "long the computer has been running.\nWithout options it starts the "
                       "strip, or brings the one already running to the front.")
            .arg(ProgramIdentity::name));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption startAtLogin(
        QStringLiteral("start-at-login"),
        QStringLiteral("Start the strip whenever you log in (on), or no longer (off), then exit."),
        QStringLiteral("on|off"));
    parser.addOption(startAtLogin);

    const QString program =
        arguments.isEmpty() ? ProgramIdentity::executable : QFileInfo(arguments.first()).fileName();
    if (!parser.parse(arguments))
        return usage(program, parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return printOutput(parser.helpText());
    if (parser.isSet(version))
        return printOutput(
            QStringLiteral("%1 %2").arg(ProgramIdentity::name, ProgramIdentity::version));
    if (!parser.positionalArguments().isEmpty()) {
        return usage(
            program,
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(startAtLogin)) {
        const QString choice = parser.value(startAtLogin);
        if (choice != u"on" && choice != u"off") {
            return usage(
                program,
                QStringLiteral("--start-at-login takes 'on' or 'off', not '%1'").arg(choice));
        }
        const LoginStart::Outcome outcome =
            choice == u"on" ? LoginStart::enable(loginEntry()) : LoginStart::disable(loginEntry());
        print(outcome.done ? stdout : stderr, outcome.message);
        return outcome.done ? 0 : 1;
    }
    return std::nullopt;
}

} // namespace CommandLine
