// The single-label window is not built yet: nothing is printed for the household.
#include "printing/label_run.h"

namespace printing {

int show_single_print(const SingleLabelNames&) {
    return 0;
}

}  // namespace printing
