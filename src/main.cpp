#include "Program.h"
#include "ui/CachedPanelStyle.h"
#include "windows/common/ProgramFont.h"
#include "windows/common/ProgramIcon.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

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
    if (!hasGraphicalSession()) {
        std::fprintf(stderr, "vh-wren-ticker needs a graphical session: neither DISPLAY nor "
                             "WAYLAND_DISPLAY is set.\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VH-WREN-TICKER"));
    QApplication::setStyle(new CachedPanelStyle);
    // Every window without an icon of its own shows this one.
    QApplication::setWindowIcon(ProgramIcon::icon());
    ProgramFont::applyDialogFont();
    Program program;
    return program.run();
}
