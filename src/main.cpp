// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"
#include "app/PlatformChoice.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "base/ErrorLine.h"
#include "base/ProgramIdentity.h"
#include "forms/common/ProgramFont.h"
#include "forms/common/ProgramIcon.h"
#include "forms/main/VH_WTK_MAIN.h"
#include "platform/DisplayReach.h"
#include "platform/ProcessStart.h"
#include "platform/Workspaces.h"
#include "ui/CachedPanelStyle.h"

#include <QApplication>
#include <QWidget>

#include <optional>

int main(int argc, char *argv[])
{
    ProcessStart::prepare();
    {
        // --help and --version must work without a display, so the options
        // are read before the application connects to one.
        QCoreApplication commandLine(argc, argv);
        QCoreApplication::setApplicationName(ProgramIdentity::name);
        if (const std::optional<int> status = CommandLine::handle(commandLine.arguments()))
            return *status;
    }
    if (!DisplayReach::sessionNamed()) {
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
            Workspaces::bringHere(*strip);
    });
    return program.run();
}
