#include "bench_args.h"

#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

std::vector<int> bench_sizes(int argc, char** argv, const char* units, std::vector<int> defaults) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        bool ok = false;
        const int n = QByteArray(argv[i]).toInt(&ok);
        if (!ok || n <= 0) {
            const QByteArray program =
                QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toLocal8Bit();
            std::fprintf(stderr, "usage: %s [%s ...]  (default:", program.constData(), units);
            for (int d : defaults) std::fprintf(stderr, " %d", d);
            std::fprintf(stderr, ")\n");
            std::exit(2);
        }
        sizes.push_back(n);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return sizes.empty() ? defaults : sizes;
}
