#include "record_image.h"

// Stand-ins until the single-label and children windows exist: no window opens, so nothing
// is printed for the household and the children label counts as cancelled.
namespace printing {

LabelWindows label_windows() {
    return {[](const SingleLabelNames&) {},
            [](const RecordImage&) {
                return ChildLabel{QStringLiteral("C"), {}};
            }};
}

}  // namespace printing
