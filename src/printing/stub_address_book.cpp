// The address book is not built yet; this stands in for it until it is.
#include "printing/print_request.h"

namespace printing {

PrintResult print_address_book(const PrintRequest&) {
    PrintResult result;
    result.message = QStringLiteral("NOT AVAILABLE YET");
    return result;
}

}  // namespace printing
