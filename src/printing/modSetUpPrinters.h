#pragma once

#include <QString>

#include "common/settings.h"

// The printer table: a top offset (line number, in sixteenths of an inch) for each of up to
// fifteen printers, kept in printers.ovr.
struct modSetUpPrinters {
    // True (-1) once printers.ovr has been read in this run; 0 makes the next user read it again.
    int printer_table_loaded = 0;
    // Slots 0..14; a name of " " or "" is a free slot. Used slots come before free ones.
    common::PrinterTable printer_table{};

    // Reads every slot of printers.ovr that can be read (the others are free); a damaged file
    // is reported, kept as printers.ovr.bad and written whole again. Turns the main window's
    // tracking menu on or off by the number of tracking reports.
    void load_printer_table();
    // Writes all fifteen slots; VbError when the file cannot be written (the old one stays).
    void save_printer_table();
    // The line number stored for a device, 5 when none: the walk ends at the first slot named
    // exactly " " or at the device's slot.
    int top_position_for(const QString& device);
    // The print dialog's printer choice before a run: makes the installed printer named by the
    // box current (the current one stays when none is), and returns its TopPosition.
    int select_printer(const QString& printer_box_text);

    static bool is_free(const common::PrinterSlot& slot);
    static constexpr int kDefaultTopPosition = 5;
};

// The calibration page: marks every 1/16 in from the top of the printable area, numbered.
namespace modTestPRint {
void print_setup_page();
}
