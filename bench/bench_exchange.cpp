// Times the export and the import of n generated households beside floors measured in the same
// program: for the export, a raw SQLite read of the same rows written as the same text; for the
// import, a raw read and split of the same file and a raw SQLite insert of the same rows in one
// transaction. Run: build/bench/bench_exchange [n ...]
#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <climits>
#include <cstdio>

#include "bench_args.h"
#include "common/schema.h"
#include "common/text_records.h"
#include "exchange/frmExport.h"
#include "exchange/frmImport.h"
#include "household_generator.h"
#include "platform/application.h"
#include "shell/frmOVRA.h"
#include "shell/frmSplash.h"
#include "shell/frmdatabase.h"

using platform::form;

namespace {

void start(platform::App& app) {
    app.set_quit_on_end(false);
    app.set_modal_hook([](platform::Window& w) { w.hide(); });
    app.set_msgbox_hook([](const platform::MsgBoxCall&) { return int(platform::vbOK); });
    form<frmSplash>().load();
    form<frmSplash>().tmrSplash_Timer();
}

void append_item(QByteArray& line, const unsigned char* text, int size, bool null) {
    if (!line.isEmpty() && !line.endsWith('\n')) line += ',';
    if (null) {
        line += "#NULL#";
        return;
    }
    line += '"';
    for (int i = 0; i < size; ++i) {
        if (text[i] == '"') line += '"';
        line += char(text[i]);
    }
    line += '"';
}

// The same rows read straight from SQLite and written as the same text.
void raw_export(const QString& database, const QString& out_path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(database).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QHash<QByteArray, QByteArray> children, addresses;
    auto side = [db](const char* sql, QHash<QByteArray, QByteArray>& into) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
            QByteArray items;
            for (int i = 1; i < sqlite3_column_count(s); ++i)
                append_item(items, sqlite3_column_text(s, i), sqlite3_column_bytes(s, i),
                            sqlite3_column_type(s, i) == SQLITE_NULL);
            into.insert(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), items);
        }
        sqlite3_finalize(s);
    };
    side("SELECT keyname, child1, child2, child3, child4, child5, child6 FROM Children", children);
    side("SELECT keyname, address1, address2, city, state, zip, phone, fax FROM Address",
         addresses);
    QFile out(out_path);
    out.open(QIODevice::WriteOnly);
    QByteArray buffer;
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(
        db,
        "SELECT keyname, \"work phone 1\", \"cell phone 1\", \"home email 1\", \"work email 1\", "
        "\"first name 2\", \"last name 2\", \"work phone 2\", \"cell phone 2\", \"home email 2\", "
        "\"work email 2\", \"address 1\", \"address 2\", city, state, zip, \"home phone\", "
        "\"home fax\", \"second address\" FROM OVRAData",
        -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW) {
        QByteArray line;
        const QByteArray key(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
        const int comma = key.indexOf(',');
        append_item(line, reinterpret_cast<const unsigned char*>(key.constData()) + comma + 2,
                    int(key.size()) - comma - 2, false);
        append_item(line, reinterpret_cast<const unsigned char*>(key.constData()), comma, false);
        for (int i = 1; i <= 17; ++i)
            append_item(line, sqlite3_column_text(s, i), sqlite3_column_bytes(s, i),
                        sqlite3_column_type(s, i) == SQLITE_NULL);
        line += ',' + children.value(key, "\"\",\"\",\"\",\"\",\"\",\"\"");
        const bool second =
            qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(s, 18)), "Y") == 0;
        line += ',' + (second ? addresses.value(key, "\"\",\"\",\"\",\"\",\"\",\"\",\"\"")
                              : QByteArray("\"\",\"\",\"\",\"\",\"\",\"\",\"\""));
        line += "\r\n";
        buffer += line;
        if (buffer.size() > (1 << 20)) {
            out.write(buffer);
            buffer.clear();
        }
    }
    out.write(buffer);
    sqlite3_finalize(s);
    sqlite3_close(db);
}

// The same file read and split, and its rows inserted straight into SQLite in one transaction.
void raw_import(const QString& file, const QString& database) {
    QFile in(file);
    in.open(QIODevice::ReadOnly);
    QString text, error;
    common::text_records::read_text(in, &text, &error);
    common::text_records::RecordReader reader(std::move(text));
    common::text_records::Record record;
    reader.next(record);  // header
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(database).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "PRAGMA synchronous=FULL; BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_stmt *household = nullptr, *kids = nullptr, *second = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO OVRAData (keyname, \"work phone 1\", \"cell phone 1\", \"home email 1\", "
        "\"work email 1\", \"first name 2\", \"last name 2\", \"work phone 2\", \"cell phone 2\", "
        "\"home email 2\", \"work email 2\", \"address 1\", \"address 2\", city, state, zip, "
        "\"home phone\", \"home fax\", childflag, \"second address\") VALUES "
        "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
        -1, &household, nullptr);
    sqlite3_prepare_v2(
        db,
        "INSERT INTO Children (keyname, child1, child2, child3, child4, child5, child6) "
        "VALUES (?,?,?,?,?,?,?)",
        -1, &kids, nullptr);
    sqlite3_prepare_v2(
        db,
        "INSERT INTO Address (keyname, address1, address2, city, state, zip, phone, fax) "
        "VALUES (?,?,?,?,?,?,?,?)",
        -1, &second, nullptr);
    auto bind = [](sqlite3_stmt* s, int i, const QString& v) {
        const QByteArray b = v.toUtf8();
        sqlite3_bind_text(s, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    };
    while (reader.next(record)) {
        const QStringList& f = record.items;
        const QString key = f[1] + QStringLiteral(", ") + f[0];
        bind(household, 1, key);
        for (int i = 2; i <= 18; ++i) bind(household, i, f[i]);
        int children = 0;
        for (int i = 19; i < 25; ++i) children += f[i].isEmpty() ? 0 : 1;
        bool has_second = false;
        for (int i = 25; i < 32; ++i) has_second = has_second || !f[i].isEmpty();
        sqlite3_bind_int(household, 19, children);
        bind(household, 20, has_second ? QStringLiteral("Y") : QStringLiteral("N"));
        sqlite3_step(household);
        sqlite3_reset(household);
        if (children) {
            bind(kids, 1, key);
            for (int i = 0; i < 6; ++i) bind(kids, i + 2, f[19 + i]);
            sqlite3_step(kids);
            sqlite3_reset(kids);
        }
        if (has_second) {
            bind(second, 1, key);
            for (int i = 0; i < 7; ++i) bind(second, i + 2, f[25 + i]);
            sqlite3_step(second);
            sqlite3_reset(second);
        }
    }
    sqlite3_finalize(household);
    sqlite3_finalize(kids);
    sqlite3_finalize(second);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<int> sizes = bench_sizes(argc, argv, "households", {1000, 10000, 100000});
    QApplication qt(argc, argv);

    std::printf("%10s %11s %11s %7s %11s %11s %7s\n", "households", "export ms", "floor ms",
                "ratio", "import ms", "floor ms", "ratio");
    for (int n : sizes) {
        QTemporaryDir from_dir;
        const QString source = from_dir.filePath("ovra.mdb");
        common::schema::create_database(source);
        generate_households(source, n);
        const QString exported = from_dir.filePath("export.txt");
        const QString raw_exported = from_dir.filePath("raw.txt");
        QElapsedTimer clock;
        // The machine is shared: each figure is the best of three runs.
        qint64 export_ms = LLONG_MAX, export_floor = LLONG_MAX, import_ms = LLONG_MAX,
               import_floor = LLONG_MAX;
        int imported = 0;
        for (int run = 0; run < 3; ++run) {
            {
                platform::App app(from_dir.path());
                start(app);
                QFile out(exported);
                out.open(QIODevice::WriteOnly);
                auto& exporter = form<frmExport>();
                exporter.ui().optAll->setChecked(true);
                clock.start();
                exporter.write_export(out);
                out.close();
                export_ms = std::min(export_ms, clock.elapsed());
            }
            clock.restart();
            raw_export(source, raw_exported);
            export_floor = std::min(export_floor, clock.elapsed());

            QTemporaryDir floor_dir, to_dir;
            const QString floor_db = floor_dir.filePath("ovra.mdb");
            common::schema::create_database(floor_db);
            clock.restart();
            raw_import(exported, floor_db);
            import_floor = std::min(import_floor, clock.elapsed());

            common::schema::create_database(to_dir.filePath("ovra.mdb"));
            platform::App app(to_dir.path());
            start(app);
            auto& import = form<frmImport>();
            import.filename = exported;
            auto& c = import.ui();
            for (int k = 1; k <= frmImport::kBoxes; ++k)
                c.txtSelection[k]->setText(QString::number(k));
            c.lstFirstLine->setCurrentRow(0);
            clock.restart();
            import.cmdProceed_Click();
            import_ms = std::min(import_ms, clock.elapsed());
            imported = household_count();
        }
        if (imported != n) std::printf("imported %d of %d households\n", imported, n);
        std::printf("%10d %11lld %11lld %7.1f %11lld %11lld %7.1f\n", n, export_ms, export_floor,
                    double(export_ms) / double(std::max<qint64>(export_floor, 1)), import_ms,
                    import_floor, double(import_ms) / double(std::max<qint64>(import_floor, 1)));
    }
    return 0;
}
