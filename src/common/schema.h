#pragma once

#include <QString>
#include <QStringList>

namespace common::schema {

extern const char* const kHouseholdTable;   // "OVRAData"
extern const char* const kChildrenTable;    // "Children"
extern const char* const kAddressTable;     // "Address"

// Column names in the order the writer fills them.
const QStringList& household_fields();
const QStringList& children_fields();
const QStringList& second_address_fields();

// Creates a new, empty household database with its three tables and key indexes.
// Error 58 when the file exists already; the program itself never calls this.
void create_database(const QString& path);

// True when the file is a database holding the household table.
bool is_household_database(const QString& path);

}  // namespace common::schema
