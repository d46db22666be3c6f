#include "run_tests.h"

int main(int argc, char** argv) {
    return testing_support::run_all_tests(argc, argv);
}
