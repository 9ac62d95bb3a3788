#include "CTarnell1018App.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tarnell::CTarnell1018App app;
    if (!app.InitInstance(QApplication::arguments())) {
        return 1;
    }
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
