#include "household_pass.h"

#include "platform/cursor.h"
#include "shell/frmdatabase.h"

namespace printing {

void visit_households(const PrintRequest& request,
                      const std::function<void(const RecordImage&)>& visit) {
    const LabelWindows no_windows;
    const platform::ReadTransaction reading(Data1());
    for (const ListLine& line : request.lines) {
        if (request.choice != RecordChoice::All && request.choice != RecordChoice::ByCategory &&
            !line.selected)
            continue;
        if (!find_list_record(line)) continue;
        if (request.choice == RecordChoice::ByCategory && !check_record_categories(request))
            continue;
        RecordImage image;
        load_record_fields(line.keyname, {}, no_windows, image);
        visit(image);
    }
}

QString printed_of_records(int printed, const PrintRequest& request) {
    return QStringLiteral("PRINTED %1 OF %2 RECORDS").arg(printed).arg(request.line_count());
}

}  // namespace printing
