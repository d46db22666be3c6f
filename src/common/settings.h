#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace common {

// The one record of storefile.ovr: twelve category names and counts, the three return-label
// lines and the number of tracking reports.
struct StorefileRecord {
    std::array<QString, 13> heading{};     // [1]..[12]; "" = category not in use
    std::array<int, 13> catcount{};        // [1]..[12]
    std::array<QString, 4> ReturnLabel{};  // [1]..[3]
    int Trackfile = 0;
};

enum class ReadStatus {
    Complete,
    Missing,  // the file does not exist (error 53)
    Partial,  // the file could not be read whole: unreadable, or items missing or damaged
};

// Reads the items in order into rec, each on its own: an item that is missing, of the wrong
// kind or not text (control characters) gets its empty or zero value, the others are taken.
ReadStatus read_storefile(const QString& path, StorefileRecord& rec);
QByteArray format_storefile(const StorefileRecord& rec);
// Replaces the file as a whole; VbError when it cannot be written (the old file stays).
void write_storefile(const QString& path, const StorefileRecord& rec);

constexpr int kPrinterSlots = 15;

struct PrinterSlot {
    QString name;  // printer device name; "" = free slot
    int line = 0;  // top offset in sixteenths of an inch
};
using PrinterTable = std::array<PrinterSlot, kPrinterSlots>;

// One slot a line: a damaged line is left out (the file reads as Partial) and the slots after it
// are still read; slots the file does not fill keep what table held.
ReadStatus read_printer_table(const QString& path, PrinterTable& table);
QByteArray format_printer_table(const PrinterTable& table);
void write_printer_table(const QString& path, const PrinterTable& table);

// For a side file that read as Partial: keeps a copy as <file>.bad before anything rewrites it
// and tells the user once: "The <what> <file> could not be read whole. <consequence>".
void report_damaged_file(const QString& path, const QString& what, const QString& consequence,
                         const QString& title);

}  // namespace common
