#pragma once

#include <vector>

// Reads a benchmark's arguments, before the QApplication: the sizes to run at, in units (a
// plural such as "households"), else the defaults. An argument that is not a positive whole
// number, --help among them, prints the usage line and ends the program with status 2. Picks a
// headless platform unless one is set.
std::vector<int> bench_sizes(int argc, char** argv, const char* units, std::vector<int> defaults);
