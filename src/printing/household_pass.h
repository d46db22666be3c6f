#pragma once

#include <functional>

#include "printing/print_request.h"
#include "printing/record_image.h"

namespace printing {

// Visits the households of the request's record choice in list order: every line (All), the
// lines whose household is in a ticked category (By Category), or the selected lines (any
// other choice). Each is loaded into a fresh image with no label window; a line whose
// household is gone is skipped.
void visit_households(const PrintRequest& request,
                      const std::function<void(const RecordImage&)>& visit);

// The run's closing message: "PRINTED x OF n RECORDS", n being the whole list.
QString printed_of_records(int printed, const PrintRequest& request);

}  // namespace printing
