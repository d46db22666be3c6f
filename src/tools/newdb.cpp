// Creates the empty household database that installation puts in the program folder.
#include <QCoreApplication>
#include <cstdio>

#include "common/schema.h"
#include "platform/errors.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ovra-newdb <path/ovra.mdb>\n");
        return 2;
    }
    try {
        common::schema::create_database(QString::fromLocal8Bit(argv[1]));
    } catch (const platform::VbError& e) {
        std::fprintf(stderr, "ovra-newdb: %s\n", e.what());
        return 1;
    }
    return 0;
}
