// SPDX-License-Identifier: MIT
// Another program's window for the z-order tests: an ordinary top-level window
// with the caption given, open until the process is ended. It prints what was
// typed into it when it is closed.
#include <QApplication>
#include <QLineEdit>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: x11_other_window CAPTION\n");
        return 2;
    }
    QLineEdit window;
    window.setWindowTitle(QString::fromLocal8Bit(argv[1]));
    window.setGeometry(100, 100, 320, 200);
    window.show();
    const int status = QApplication::exec();
    std::printf("typed: %s\n", qPrintable(window.text()));
    return status;
}
