// The quick-label window is not built yet; this stands in for it until it is.
#include "printing/print_request.h"

namespace printing {

PrintResult print_quick_label(const PrintRequest&) {
    PrintResult result;
    result.message = QStringLiteral("NOT AVAILABLE YET");
    return result;
}

}  // namespace printing
