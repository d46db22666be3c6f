#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "platform/application.h"
#include "platform/errors.h"
#include "shell/frmSplash.h"

int main(int argc, char** argv) {
    // The built-in browser needs this before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OVRA"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));

    // The program's files live beside the executable.
    platform::App app(QCoreApplication::applicationDirPath());
    try {
        platform::form<frmSplash>().show();
    } catch (const platform::VbError&) {
        // Another copy runs: end silently.
        return 0;
    }
    return QApplication::exec();
}
