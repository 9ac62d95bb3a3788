#include "CTarnell1018App.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// --version and --help answer on the terminal, also where no display is reachable.
bool AnswersOnTheTerminal(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tarnell1018 %s\n", TARNELL_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: tarnell1018 [--new] [FILE...]\n"
                        "Edit the service lists and settings of Octagon SF 1018 / SF 1028 "
                        "receivers.\n\n"
                        "  --new      start with the built-in factory list\n"
                        "  --version  print the version and exit\n"
                        "  -h, --help print this help and exit\n"
                        "  FILE       settings files (*.fdu, *.sys) to open\n");
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (AnswersOnTheTerminal(argc, argv)) {
        return 0;
    }
    QApplication application(argc, argv);
    tarnell::CTarnell1018App app;
    if (!app.InitInstance(QApplication::arguments())) {
        return 1;
    }
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
