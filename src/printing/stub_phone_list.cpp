// The phone list is not built yet; this stands in for it until it is.
#include "printing/print_request.h"

namespace printing {

PrintResult print_phone_list(const PrintRequest&) {
    PrintResult result;
    result.message = QStringLiteral("NOT AVAILABLE YET");
    return result;
}

}  // namespace printing
