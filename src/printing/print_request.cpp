#include "printing/print_request.h"

#include "common/records.h"
#include "printing/household_pass.h"
#include "printing/sheets.h"
#include "shell/frmdatabase.h"

namespace printing {

const sheets::LabelSheet* label_sheet(Sheet sheet) {
    switch (sheet) {
        case Sheet::Standard:
            return &sheets::standard();
        case Sheet::Invite:
            return &sheets::invite();
        case Sheet::Shipping:
            return &sheets::shipping();
        case Sheet::None:
            break;
    }
    return nullptr;
}

int labels_per_sheet(Sheet sheet) {
    const sheets::LabelSheet* layout = label_sheet(sheet);
    return layout ? layout->labels : 0;
}

int PrintRequest::start_position() const {
    switch (sheet) {
        case Sheet::Standard:
            return start_standard;
        case Sheet::Invite:
            return start_invite;
        case Sheet::Shipping:
            return start_shipping;
        case Sheet::None:
            break;
    }
    return 0;
}

bool PrintRequest::any_category_chosen() const {
    for (int i = 1; i <= 12; ++i)
        if (category[i] != 0) return true;
    return false;
}

std::vector<QString> PrintRequest::selected_keys() const {
    std::vector<QString> keys;
    for (const ListLine& line : lines)
        if (line.selected) keys.push_back(line.keyname);
    return keys;
}

int PrintRequest::selected_count() const {
    int n = 0;
    for (const ListLine& line : lines)
        if (line.selected) ++n;
    return n;
}

std::optional<PrintResult> refused_choices(const PrintRequest& r, OutputType output) {
    PrintResult refused;
    if (r.choice == RecordChoice::ByCategory) {
        if (r.any_category_chosen()) return std::nullopt;
        refused.message = QStringLiteral("CHOOSE AT LEAST 1 CATEGORY");
        return refused;
    }
    const bool labels = output == OutputType::MailingLabels;
    if (r.choice == RecordChoice::All || output == OutputType::ReturnLabels) return std::nullopt;
    refused.clear_categories = true;
    const int selected = r.selected_count();
    if (labels && r.single_print && r.child_print) {
        refused.message = QStringLiteral("YOU CANNOT SELECT BOTH SINGLEPRINT AND CHILDPRINT");
    } else if (labels && (r.single_print || r.child_print)) {
        const QString what =
            r.single_print ? QStringLiteral("SINGLEPRINT") : QStringLiteral("CHILDPRINT");
        if (selected == 1) return std::nullopt;
        refused.message = selected > 1
                              ? QStringLiteral("YOU CAN ONLY SELECT ONE RECORD FOR %1").arg(what)
                              : QStringLiteral("YOU MUST SELECT ONE RECORD FOR %1").arg(what);
        refused.deselect_lines = selected > 1;
    } else if (selected == 0) {
        // The phone list says it printed none, but asks for no file to print none into.
        refused.message = output == OutputType::PhoneList
                              ? printed_of_records(0, r)
                              : QStringLiteral("CHOOSE AT LEAST 1 NAME");
    } else {
        return std::nullopt;
    }
    return refused;
}

bool find_list_record(const ListLine& line) {
    use_household_table();
    return seek_key(line.keyname);
}

bool check_record_categories(const PrintRequest& request) {
    for (int i = 1; i <= 12; ++i) {
        if (request.category[i] == 1 &&
            common::yes_field(Data1(), QStringLiteral("category%1").arg(i)))
            return true;
    }
    return false;
}

}  // namespace printing
