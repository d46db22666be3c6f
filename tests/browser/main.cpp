#include <QCoreApplication>

#include "run_tests.h"

// The browser's own test program: Qt WebEngine needs its settings before the application exists.
int main(int argc, char** argv) {
    // Tests may run as root, where the renderer's sandbox cannot start; no GPU either.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-gpu-compositing");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return testing_support::run_all_tests(argc, argv);
}
