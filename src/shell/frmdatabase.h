#pragma once

#include <array>

#include "platform/cursor.h"
#include "platform/window.h"

namespace frmdatabase_ui {
struct Controls {
    platform::DataControl Data1;
};
}  // namespace frmdatabase_ui

// The hidden window that holds the one data cursor. Never shown.
class frmdatabase : public platform::Form<frmdatabase_ui::Controls> {
public:
    frmdatabase();

    // Why ovra.mdb could not be opened at its last opening; empty while it is open.
    QString open_problem;

protected:
    void build(QWidget* form, frmdatabase_ui::Controls& c) override;
};

// The shared cursor; reaching it loads frmdatabase.
platform::DataControl& Data1();

// Opens the program folder's ovra.mdb on the cursor as start-up does and counts its households;
// 0 when it cannot be opened or holds none. No message either way: why it could not be opened
// is kept for address_book_problem().
int open_database_file();

// Why ovra.mdb could not be opened at its last opening (missing, unreadable, not a database,
// damaged); empty while it is open.
QString address_book_problem();
// The check of every command that needs the households: true when the address book is open;
// otherwise shows the one plain message that says why, and returns false.
bool address_book_available();

// The start-up's word on the address book: why it could not be opened, or that it opened but is
// damaged (SQLite's quick_check) or can only be read. Either of those two stays open.
void report_address_book();

// The number of households in each category ([1]..[12]), counted from OVRAData: the truth the
// counts of the settings file are checked against. Leaves the cursor on OVRAData.
std::array<int, 13> count_category_members();

// Sets every household's childflag that disagrees with its Children row to the number of names
// in that row that are not blank (0 without a row), in one statement: a flag stored by an
// earlier build or by hand then says what the names say, and every list may read it. Returns
// the number of households put right.
int heal_children_flags();

// The table protocol: switch the cursor to a table (positioned on its first row, no index).
void open_table(const QString& table);
// Sets the index "keyname" and seeks the key; true when a row was found and is current.
bool seek_key(const QString& keyname);

// Switches the cursor to OVRAData unless it is there already (keeping its row then).
void use_household_table();
// Number of households in OVRAData, 0 when the address book is not open. Leaves the cursor on
// OVRAData.
int household_count();
