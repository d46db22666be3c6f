#pragma once

#include <QString>
#include <vector>

// Fills the database file with n realistic households: one or two persons, children, second
// addresses, categories, names with apostrophes and accents. The same n gives the same rows.
void generate_households(const QString& database, int n);
