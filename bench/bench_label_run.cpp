// Times an All label run on the Standard sheet to the PDF device, beside a floor: the same
// label texts drawn straight onto a QPdfWriter at the same places. Reports both, their ratio
// and the run's peak memory above what it started with. Each figure is the best of three.
// Run: build/bench/bench_label_run [n ...]   (default 3000 30000)
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

#include "bench_args.h"
#include "common/display_name.h"
#include "common/schema.h"
#include "household_generator.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/file_dialog.h"
#include "platform/printer.h"
#include "printing/label_run.h"
#include "printing/sheets.h"
#include "shell/frmdatabase.h"

using namespace printing;

namespace {

// Kilobytes of a /proc/self/status field.
long status_kb(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field) + 1).trimmed().split(' ')[0].toLong();
    return -1;
}

void reset_peak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}

std::vector<ListLine> household_lines() {
    std::vector<ListLine> lines;
    platform::DataControl& d = Data1();
    open_table(QStringLiteral("OVRAData"));
    for (d.move_first(); !d.eof(); d.move_next()) {
        const QString key = d.field(QStringLiteral("keyname")).toString();
        lines.push_back({key, key, false});
    }
    std::sort(lines.begin(), lines.end(), [](const ListLine& a, const ListLine& b) {
        return common::display_order(a.keyname, b.keyname);
    });
    return lines;
}

// The floor: every page's texts at the run's places, one QPainter on one QPdfWriter.
qint64 draw_floor(const std::vector<LabelPage>& pages, const QString& file, int top_position) {
    QElapsedTimer clock;
    clock.start();
    const sheets::LabelSheet& sheet = sheets::standard();
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(1200);
    QPainter p(&pdf);
    const QFont font = platform::print_font(sheet.font, sheet.font_size, false);
    p.setFont(font);
    const double dpi = 1200;
    const double line = QFontMetricsF(font, &pdf).lineSpacing();
    const double ascent = QFontMetricsF(font, &pdf).ascent();
    const double tab = 904.0 / 2048 * sheet.font_size / 72 * dpi;
    bool first = true;
    for (const LabelPage& page : pages) {
        if (!first) pdf.newPage();
        first = false;
        for (int r = 1; r <= sheet.rows; ++r) {
            double y = (0.25 + sheet.row_top(r, top_position) / 16.0) * dpi;
            for (int j = 1; j <= sheet.lines; ++j, y += line) {
                for (int c = 0; c < sheet.columns; ++c) {
                    const QString& text = page[(r - 1) * sheet.columns + c + 1][j];
                    if (text.isEmpty()) continue;
                    p.drawText(QPointF(0.25 * dpi + (sheet.tabs[c] - 1) * tab, y + ascent), text);
                }
            }
        }
    }
    p.end();
    return clock.elapsed();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<int> sizes = bench_sizes(argc, argv, "households", {3000, 30000});
    QApplication qt(argc, argv);

    std::printf("%10s %8s %10s %10s %7s %12s %14s %10s\n", "households", "pages", "run ms",
                "floor ms", "ratio", "compose ms", "run peak +MB", "PDF MB");
    for (int n : sizes) {
        QTemporaryDir dir;
        const QString db = dir.filePath(QStringLiteral("ovra.mdb"));
        common::schema::create_database(db);
        generate_households(db, n);

        platform::App app(dir.path());
        app.set_quit_on_end(false);
        open_database_file();
        PrintRequest request;
        request.choice = RecordChoice::All;
        request.sheet = Sheet::Standard;
        request.top_position = 5;
        request.lines = household_lines();

        platform::Printer& printer = platform::printer();
        printer.select_by_name(platform::kPdfDevice);
        const QString run_pdf = dir.filePath(QStringLiteral("run.pdf"));
        platform::form<platform::FileDialogSeam>().answer = [&](const platform::FileDialogCall&) {
            return run_pdf;
        };

        QStringList too_long;
        LabelRunOutputs out;
        out.print_sheet = sheet_printer(request.top_position);
        out.too_long = &too_long;

        // Best of three of each, the machine being shared; the peak is the largest of the runs.
        qint64 run_ms = -1, compose_ms = -1, floor_ms = -1;
        long peak = 0;
        std::vector<LabelPage> pages;
        for (int round = 0; round < 3; ++round) {
            out.print_sheet = sheet_printer(request.top_position);
            reset_peak();
            const long before = status_kb("VmRSS:");
            QElapsedTimer clock;
            clock.start();
            {
                platform::PrintCommand command(QStringLiteral("Mailing labels 5160.pdf"));
                run_mailing_labels(request, out);
                command.finish();
            }
            const qint64 ms = clock.elapsed();
            run_ms = run_ms < 0 ? ms : std::min(run_ms, ms);
            peak = std::max(peak, status_kb("VmHWM:") - before);

            // The same texts, captured from a run that prints nothing: the cost of reading
            // and composing alone.
            pages.clear();
            out.print_sheet = [&pages](Sheet, const LabelPage& page) {
                pages.push_back(page);
                return 0;
            };
            clock.restart();
            run_mailing_labels(request, out);
            const qint64 compose = clock.elapsed();
            compose_ms = compose_ms < 0 ? compose : std::min(compose_ms, compose);
            const qint64 floor = draw_floor(pages, dir.filePath(QStringLiteral("floor.pdf")), 5);
            floor_ms = floor_ms < 0 ? floor : std::min(floor_ms, floor);
        }

        std::printf("%10d %8zu %10lld %10lld %7.2f %12lld %14.1f %10.1f\n", n, pages.size(), run_ms,
                    floor_ms, double(run_ms) / std::max<qint64>(floor_ms, 1), compose_ms,
                    peak / 1024.0, QFile(run_pdf).size() / 1048576.0);
        std::fflush(stdout);
    }
    return 0;
}
