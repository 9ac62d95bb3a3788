// One QApplication for all GUI tests, on the offscreen platform unless told otherwise.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The model tester only warns; here a warning about a model is a failed test.
void FailOnModelWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (context.category && QByteArray(context.category).startsWith("qt.modeltest")) {
        ADD_FAILURE() << text.toStdString();
    }
    if (type != QtDebugMsg) {
        fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler(FailOnModelWarnings);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
