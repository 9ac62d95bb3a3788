// The GUI tests that need a real desktop: an X server with a window manager, windows shown and
// activated. They refuse to run anywhere else rather than pass without having looked.
#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

bool WindowManagerAnswers() {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    return xprop.waitForFinished(5000) && xprop.readAllStandardOutput().contains("window id");
}

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !WindowManagerAnswers()) {
        fprintf(stderr, "These tests need an X server with a window manager; run them through "
                        "scripts/with-x11.sh.\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
