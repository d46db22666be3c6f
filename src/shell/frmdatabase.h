#pragma once

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

protected:
    void build(QWidget* form, frmdatabase_ui::Controls& c) override;
};

// The shared cursor; reaching it loads frmdatabase.
platform::DataControl& Data1();

// Opens the program folder's ovra.mdb on the cursor as start-up does and counts its households;
// 0 when it cannot be opened or holds none. No message either way.
int open_database_file();

// The table protocol: switch the cursor to a table (positioned on its first row, no index).
void open_table(const QString& table);
// Sets the index "keyname" and seeks the key; true when a row was found and is current.
bool seek_key(const QString& keyname);

// Switches the cursor to OVRAData unless it is there already (keeping its row then).
void use_household_table();
// Number of households in OVRAData, 0 when it cannot be read. Leaves the cursor on OVRAData.
int household_count();
