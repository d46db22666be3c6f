#pragma once

namespace testing_support {

// Creates the application (offscreen unless told otherwise) and runs every test.
int run_all_tests(int argc, char** argv);

}  // namespace testing_support
