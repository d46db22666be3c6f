#include "settings.h"

#include <QFileInfo>
#include <climits>

#include "platform/errors.h"
#include "platform/files.h"
#include "write_line.h"

namespace common {

using platform::VbError;

namespace {

// Runs the reads of one file; a failing read ends the file, keeping what came before.
template <class F>
ReadStatus read_items(const QString& path, F&& read_all) {
    QByteArray bytes;
    try {
        bytes = platform::read_file(path);
    } catch (const VbError& e) {
        return e.number() == platform::kErrFileNotFound ? ReadStatus::Missing : ReadStatus::Partial;
    }
    write_line::Reader in(bytes);
    try {
        read_all(in);
    } catch (const VbError&) {
        return ReadStatus::Partial;
    }
    return ReadStatus::Complete;
}

int to_int(qint64 n) { return int(std::clamp<qint64>(n, INT_MIN, INT_MAX)); }

}  // namespace

ReadStatus read_storefile(const QString& path, StorefileRecord& rec) {
    return read_items(path, [&rec](write_line::Reader& in) {
        for (int i = 1; i <= 12; ++i) {
            rec.heading[i] = in.read_text();
            rec.catcount[i] = to_int(in.read_integer());
        }
        for (int i = 1; i <= 3; ++i) rec.ReturnLabel[i] = in.read_text();
        rec.Trackfile = to_int(in.read_integer());
    });
}

QByteArray format_storefile(const StorefileRecord& rec) {
    std::vector<write_line::Item> items;
    for (int i = 1; i <= 12; ++i) {
        items.emplace_back(rec.heading[i]);
        items.emplace_back(qint64(rec.catcount[i]));
    }
    for (int i = 1; i <= 3; ++i) items.emplace_back(rec.ReturnLabel[i]);
    items.emplace_back(qint64(rec.Trackfile));
    return write_line::format(items);
}

void write_storefile(const QString& path, const StorefileRecord& rec) {
    platform::write_file_atomic(path, format_storefile(rec));
}

ReadStatus read_printer_table(const QString& path, PrinterTable& table) {
    return read_items(path, [&table](write_line::Reader& in) {
        // A slot is taken only whole: a damaged record leaves it and the rest as they were.
        for (PrinterSlot& slot : table) {
            const QString name = in.read_text();
            const qint64 line = in.read_integer();
            if (line < SHRT_MIN || line > SHRT_MAX)
                throw VbError(platform::kErrTypeMismatch,
                              QStringLiteral("Line number out of range"));
            slot = {name, int(line)};
        }
    });
}

QByteArray format_printer_table(const PrinterTable& table) {
    QByteArray out;
    for (const PrinterSlot& slot : table) out += write_line::format({slot.name, qint64(slot.line)});
    return out;
}

void write_printer_table(const QString& path, const PrinterTable& table) {
    platform::write_file_atomic(path, format_printer_table(table));
}

}  // namespace common
