// Times printing full Avery 5160 sheets to one PDF file, the cost a label run adds per sheet.
// Run: build/bench/bench_sheets [sheets ...]
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "bench_args.h"
#include "platform/application.h"
#include "platform/file_dialog.h"
#include "platform/printer.h"
#include "printing/modPRint.h"

using platform::form;

int main(int argc, char** argv) {
    const std::vector<int> sizes = bench_sizes(argc, argv, "sheets", {10, 100, 1000});
    QApplication qt(argc, argv);

    std::printf("%8s %10s %14s %12s\n", "sheets", "total ms", "ms per sheet", "PDF KiB");
    for (int n : sizes) {
        QTemporaryDir dir;
        platform::App app(dir.path());
        const QString pdf = dir.filePath("labels.pdf");
        platform::printer().set_installed_queues(QStringList{});
        platform::form<platform::FileDialogSeam>().answer = [&](const platform::FileDialogCall&) {
            return pdf;
        };
        auto& m = form<modPRint>();
        for (int k = 1; k <= 30; ++k) {
            m.page_line[1][k] = QStringLiteral("MR AND MRS JONATHAN Q HOUSEHOLDER");
            m.page_line[2][k] = QStringLiteral("1234 LONG MEADOW LANE");
            m.page_line[3][k] = QStringLiteral("SPRINGFIELD IL 62701-%1").arg(k);
        }
        QElapsedTimer clock;
        clock.start();
        {
            platform::PrintCommand command(QStringLiteral("Mailing labels 5160.pdf"));
            for (int s = 0; s < n; ++s) {
                m.print_standard_sheet(4);
                m.count_standard_labels();
            }
            command.finish();
        }
        const qint64 total = clock.elapsed();
        std::printf("%8d %10lld %14.2f %12lld\n", n, total, double(total) / n,
                    QFileInfo(pdf).size() / 1024);
    }
    return 0;
}
