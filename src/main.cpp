#include "CommandLine.h"
#include "PlatformChoice.h"
#include "Program.h"
#include "SingleInstance.h"
#include "base/ErrorLine.h"
#include "base/ProgramIdentity.h"
#include "platform/DisplayReach.h"
#include "platform/Workspaces.h"
#include "platform/XdgFolders.h"
#include "ui/CachedPanelStyle.h"
#include "windows/common/ProgramFont.h"
#include "windows/common/ProgramIcon.h"
#include "windows/main/VH_WTK_MAIN.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

bool hasGraphicalSession()
{
#if defined(Q_OS_LINUX)
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_UNIX
    // A file size limit then fails the write, which says so, rather than
    // killing the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    XdgFolders::ignoreRelative();
    {
        // --help and --version must work without a display, so the options
        // are read before the application connects to one.
        QCoreApplication commandLine(argc, argv);
        QCoreApplication::setApplicationName(ProgramIdentity::name);
        if (const std::optional<int> status = CommandLine::handle(commandLine.arguments()))
            return *status;
    }
    if (!hasGraphicalSession()) {
        ErrorLine::print(QStringLiteral("vh-wren-ticker needs a graphical session: neither "
                                        "DISPLAY nor WAYLAND_DISPLAY is set."));
        return 2;
    }
    PlatformChoice::apply();
    // Qt would abort on a display it cannot open; asked once the platform is chosen.
    if (const std::string problem = DisplayReach::problem(); !problem.empty()) {
        ErrorLine::report(QString::fromStdString(problem));
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramIdentity::name);
    QApplication::setStyle(new CachedPanelStyle);
    // Ties the windows to the desktop entry: the Wayland app id, and the
    // icon and grouping that docks and task switchers look up by it.
    QGuiApplication::setDesktopFileName(ProgramIdentity::id);

    SingleInstance instance(SingleInstance::defaultFolder(), SingleInstance::keyForThisProcess());
    switch (instance.claim()) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::Handed:
        return 0;
    case SingleInstance::Claim::NoAnswer:
        ErrorLine::print(QStringLiteral("vh-wren-ticker is already running on this display but "
                                        "does not answer."));
        return 1;
    }
    // Every window without an icon of its own shows this one.
    QApplication::setWindowIcon(ProgramIcon::icon());
    ProgramFont::applyDialogFont();
    Program program;
    QObject::connect(&instance, &SingleInstance::activationRequested, &app, [&program] {
        if (QWidget *strip = program.mainWindow().surface())
            Workspaces::bringHere(strip);
    });
    return program.run();
}
