#include "settings.h"

#include <QFileInfo>
#include <climits>
#include <optional>

#include "platform/errors.h"
#include "platform/files.h"
#include "write_line.h"

namespace common {

using platform::VbError;

namespace {

// Reads the items of one file each on its own: an item that is missing or of the wrong kind
// gets its default and marks the file damaged, and the items after it are still read.
class ItemReader {
public:
    explicit ItemReader(const QByteArray& bytes) : in_(bytes) {}
    bool damaged() const { return damaged_; }

    // A text item; control characters mean the bytes were never written as text.
    QString text() {
        const auto read = next();
        if (!read) return QString();
        const write_line::Item& item = *read;
        if (const auto* t = std::get_if<QString>(&item)) {
            for (const QChar c : *t)
                if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
                    return bad<QString>();
            return *t;
        }
        if (std::holds_alternative<std::monostate>(item)) return QString();
        if (const auto* n = std::get_if<qint64>(&item)) return QString::number(*n);
        return bad<QString>();
    }

    // A whole number from least to most.
    int number(int least, int most = INT_MAX) {
        const auto read = next();
        if (!read) return 0;
        const write_line::Item& item = *read;
        if (std::holds_alternative<std::monostate>(item)) return 0;
        if (const auto* n = std::get_if<qint64>(&item); n && *n >= least && *n <= most)
            return int(*n);
        return bad<int>();
    }

private:
    // Nothing past the end of the file.
    std::optional<write_line::Item> next() {
        try {
            return in_.read();
        } catch (const VbError&) {
            damaged_ = true;
            return std::nullopt;
        }
    }
    template <class T>
    T bad() {
        damaged_ = true;
        return T{};
    }

    write_line::Reader in_;
    bool damaged_ = false;
};

template <class F>
ReadStatus read_items(const QString& path, F&& read_all) {
    QByteArray bytes;
    try {
        bytes = platform::read_file(path);
    } catch (const VbError& e) {
        return e.number() == platform::kErrFileNotFound ? ReadStatus::Missing : ReadStatus::Partial;
    }
    ItemReader in(bytes);
    read_all(in);
    return in.damaged() ? ReadStatus::Partial : ReadStatus::Complete;
}

}  // namespace

ReadStatus read_storefile(const QString& path, StorefileRecord& rec) {
    return read_items(path, [&rec](ItemReader& in) {
        for (int i = 1; i <= 12; ++i) {
            rec.heading[i] = in.text();
            rec.catcount[i] = in.number(0);
        }
        for (int i = 1; i <= 3; ++i) rec.ReturnLabel[i] = in.text();
        rec.Trackfile = in.number(0);
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
    return read_items(path, [&table](ItemReader& in) {
        // A slot is taken only whole: a damaged record leaves it and the rest as they were.
        for (PrinterSlot& slot : table) {
            const QString name = in.text();
            const int line = in.number(SHRT_MIN, SHRT_MAX);
            if (in.damaged()) break;
            slot = {name, line};
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
