// Times the start-up (opening the address book and recounting it), filling the record picker for
// 1,000, 10,000 and 100,000 households against the floor of SQLite alone reading and sorting the
// six fields the list needs, and opening one household for editing.
// Run: build/bench/bench_record_list [n ...]
#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "bench_args.h"
#include "common/schema.h"
#include "editor/frmAddressRecord.h"
#include "household_generator.h"
#include "lookup/FrmGetAddress.h"
#include "platform/application.h"
#include "shell/frmOVRA.h"
#include "shell/frmSplash.h"

using platform::form;

namespace {

// The floor: SQLite alone reading the six fields the list needs, sorted, into memory.
qint64 raw_read_ms(const QString& db) {
    QElapsedTimer clock;
    clock.start();
    sqlite3* conn = nullptr;
    sqlite3_open_v2(QFile::encodeName(db).constData(), &conn, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(
        conn,
        "SELECT keyname, \"first name 2\", \"last name 2\", \"last name hyphen\", "
        "\"last-name-reverse\", childflag FROM OVRAData ORDER BY keyname COLLATE NOCASE",
        -1, &stmt, nullptr);
    std::vector<std::array<QString, 6>> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::array<QString, 6> row;
        for (int i = 0; i < 6; ++i)
            row[i] = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                       sqlite3_column_bytes(stmt, i));
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(conn);
    return clock.elapsed();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<int> sizes = bench_sizes(argc, argv, "households", {1000, 10000, 100000});
    QApplication qt(argc, argv);

    std::printf("%10s %12s %10s %14s %16s %14s\n", "households", "generate ms", "start ms",
                "fill list ms", "raw SQLite ms", "open one ms");
    for (int n : sizes) {
        QTemporaryDir dir;
        const QString db = dir.filePath("ovra.mdb");
        common::schema::create_database(db);
        QElapsedTimer clock;
        clock.start();
        generate_households(db, n);
        const qint64 generate = clock.elapsed();

        platform::App app(dir.path());
        app.set_quit_on_end(false);
        app.set_modal_hook([](platform::Window& w) { w.hide(); });
        form<frmSplash>().load();
        clock.restart();
        form<frmSplash>().tmrSplash_Timer();
        const qint64 start = clock.elapsed();

        auto& picker = form<FrmGetAddress>();
        picker.set_caption(QStringLiteral("Edit Record"));
        picker.ui().ComGetAddress->setText(QStringLiteral("Retrieve Record To Edit"));
        clock.restart();
        form<frmOVRA>().load_record_list();
        const qint64 fill = clock.elapsed();
        const qint64 floor = raw_read_ms(db);

        picker.ui().LstGetAddress1->setCurrentRow(picker.ui().LstGetAddress1->count() / 2);
        clock.restart();
        picker.format_keyname();
        picker.get_record();
        picker.edit_record();
        const qint64 open = clock.elapsed();
        std::printf("%10d %12lld %10lld %14lld %16lld %14lld\n", form<frmOVRA>().records_found,
                    generate, start, fill, floor, open);
    }
    return 0;
}
