#include "CommandLine.h"

#include "base/ProgramIdentity.h"
#include "platform/LoginStart.h"
#include "settings/QSettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace CommandLine {
namespace {

constexpr int usageError = 2;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    if (!text.endsWith(u'\n'))
        std::fputc('\n', stream);
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
    const QString section = QSettingsStore::executableSection();
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
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2").arg(ProgramIdentity::name, ProgramIdentity::version));
        return 0;
    }
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
