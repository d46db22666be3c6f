#include "settings.h"

#include <QFileInfo>
#include <QStringTokenizer>
#include <climits>
#include <optional>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "write_line.h"

namespace common {

using platform::VbError;

namespace {

// Reads the items of one file each on its own: an item that is missing or of the wrong kind
// gets its default and marks the file damaged, and the items after it are still read.
class ItemReader {
public:
    explicit ItemReader(const QByteArray& bytes) : in_(bytes) {}
    explicit ItemReader(QString text) : in_(std::move(text)) {}
    bool damaged() const { return damaged_; }
    bool at_end() const { return in_.at_end(); }

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

// read_all takes the file's bytes and says whether anything in them was damaged.
template <class F>
ReadStatus read_items(const QString& path, F&& read_all) {
    QByteArray bytes;
    try {
        bytes = platform::read_file(path);
    } catch (const VbError& e) {
        return e.number() == platform::kErrFileNotFound ? ReadStatus::Missing : ReadStatus::Partial;
    }
    return read_all(bytes) ? ReadStatus::Partial : ReadStatus::Complete;
}

}  // namespace

ReadStatus read_storefile(const QString& path, StorefileRecord& rec) {
    return read_items(path, [&rec](const QByteArray& bytes) {
        ItemReader in(bytes);
        for (int i = 1; i <= 12; ++i) {
            rec.heading[i] = in.text();
            rec.catcount[i] = in.number(0);
        }
        for (int i = 1; i <= 3; ++i) rec.ReturnLabel[i] = in.text();
        rec.Trackfile = in.number(0);
        return in.damaged();
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
    return read_items(path, [&table](const QByteArray& bytes) {
        // One slot a line, taken only whole. A damaged line is left out and the lines after it
        // still fill the next slots, so every printer that can be read keeps its line number
        // and is still reached by the walk, which ends at the first free slot.
        bool damaged = false;
        size_t used = 0;
        const QString text = write_line::decode(bytes);
        for (const QStringView line : QStringTokenizer(text, u'\n')) {
            if (line.trimmed().isEmpty()) continue;
            ItemReader in(line.toString());
            const QString name = in.text();
            const int number = in.number(SHRT_MIN, SHRT_MAX);
            if (in.damaged() || !in.at_end() || used == table.size()) {
                damaged = true;
                continue;
            }
            table[used++] = {name, number};
        }
        return damaged;
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

void report_damaged_file(const QString& path, const QString& what, const QString& consequence,
                         const QString& title) {
    const QString bad = path + QStringLiteral(".bad");
    const bool kept = platform::file_exists(path) &&
                      platform::resume_next([&] { platform::file_copy(path, bad); });
    const QString name = QFileInfo(path).fileName();
    platform::msgbox(
        QStringLiteral("The %1 %2 could not be read whole. %3\n%4")
            .arg(what, name, consequence,
                 kept ? QStringLiteral("The damaged file was kept as %1.").arg(name + ".bad")
                      : QStringLiteral("The damaged file could not be kept.")),
        platform::vbExclamation, title);
}

}  // namespace common
