#include "record_image.h"

#include "common/display_name.h"
#include "common/keyname.h"
#include "common/records.h"
#include "common/vbstring.h"
#include "platform/cursor.h"
#include "shell/frmdatabase.h"

namespace printing {

namespace {

const QString kYes = QStringLiteral("Y");
const QString kNo = QStringLiteral("N");

QString title1_of(const QString& option1, const QString& sal1) {
    if (option1 == QLatin1String("2")) return QStringLiteral("MR.");
    if (option1 == QLatin1String("3")) return QStringLiteral("DR.");
    if (option1 == QLatin1String("4")) return QStringLiteral("MRS.");
    if (option1 == QLatin1String("5")) return QStringLiteral("MS.");
    if (option1 == QLatin1String("6")) return sal1;
    // "1", never chosen, or anything unknown: no title.
    return QStringLiteral("None");
}

QString title2_of(const QString& option2, const QString& sal2) {
    if (option2 == QLatin1String("1")) return QStringLiteral("MR.");
    if (option2 == QLatin1String("2")) return QStringLiteral("DR.");
    if (option2 == QLatin1String("3")) return QStringLiteral("MRS.");
    if (option2 == QLatin1String("4")) return QStringLiteral("MS.");
    if (option2 == QLatin1String("5")) return sal2;
    // "0" and anything else: no title, never the previous household's.
    return QString();
}

// The household's children, packed. The children's row is read by key: the cursor stays on
// the household's row, in key order.
void read_children(RecordImage& h) {
    h.child = common::stored_children(Data1(), h.record_key);
    h.number_of_children = common::count_children(h.child);
    Data1().set_index(QStringLiteral("keyname"));
}

}  // namespace

RecordImage read_record_image(const QString& record_key) {
    RecordImage h;
    h.record_key = common::rtrim(record_key);
    const common::KeyNames names = common::split_keyname(h.record_key);
    h.lastname1 = names.last_name1;
    h.firstname1 = names.first_name1;

    // In the table's order, which the cursor finds fastest.
    const platform::DataControl& d = Data1();
    auto text = [&d](const QString& field) { return common::text_field(d, field); };
    auto flag = [&d](const QString& field) { return common::yes_field(d, field) ? kYes : kNo; };
    h.home_email1 = text(QStringLiteral("home email 1"));
    h.work_email1 = text(QStringLiteral("work email 1"));
    h.work_phone1 = text(QStringLiteral("work phone 1"));
    h.cell_phone1 = text(QStringLiteral("cell phone 1"));
    h.firstname2 = text(QStringLiteral("first name 2"));
    h.lastname2 = text(QStringLiteral("last name 2"));
    h.home_email2 = text(QStringLiteral("home email 2"));
    h.work_email2 = text(QStringLiteral("work email 2"));
    h.work_phone2 = text(QStringLiteral("work phone 2"));
    h.cell_phone2 = text(QStringLiteral("cell phone 2"));
    h.address1 = text(QStringLiteral("address 1"));
    h.address2 = text(QStringLiteral("address 2"));
    h.city = text(QStringLiteral("city"));
    h.state = text(QStringLiteral("state"));
    h.zip = text(QStringLiteral("zip"));
    h.home_phone = text(QStringLiteral("home phone"));
    h.home_fax = text(QStringLiteral("home fax"));
    const QString sal1 = text(QStringLiteral("sal1"));
    const QString sal2 = text(QStringLiteral("sal2"));
    h.family_flag = flag(QStringLiteral("last name check"));
    h.hyphen = flag(QStringLiteral("last name hyphen"));
    h.name_reverse = flag(QStringLiteral("last-name-reverse"));
    h.title1 = title1_of(text(QStringLiteral("option1")), sal1);
    h.title2 = title2_of(text(QStringLiteral("option2")), sal2);
    static const QString kCategories[13] = {{},
                                            QStringLiteral("category1"),
                                            QStringLiteral("category2"),
                                            QStringLiteral("category3"),
                                            QStringLiteral("category4"),
                                            QStringLiteral("category5"),
                                            QStringLiteral("category6"),
                                            QStringLiteral("category7"),
                                            QStringLiteral("category8"),
                                            QStringLiteral("category9"),
                                            QStringLiteral("category10"),
                                            QStringLiteral("category11"),
                                            QStringLiteral("category12")};
    for (int n = 1; n <= 12; ++n) h.category_flag[n] = flag(kCategories[n]);
    h.second_address_flag = text(QStringLiteral("second address"));

    read_children(h);
    return h;
}

QString second_surname(const RecordImage& h) {
    if (h.hyphen != kYes) return h.lastname2;
    return h.name_reverse == kYes ? h.lastname1 + QLatin1Char('-') + h.lastname2
                                  : h.lastname2 + QLatin1Char('-') + h.lastname1;
}

SingleLabelNames single_label_names(const RecordImage& h) {
    return {h.firstname1 + QLatin1Char(' ') + h.lastname1,
            h.firstname2 + QLatin1Char(' ') + second_surname(h)};
}

LabelOutcome run_label_steps(const RecordImage& h, const LabelChoices& choices,
                             const LabelWindows& windows) {
    LabelOutcome out;
    if (choices.single_print && !h.firstname2.isEmpty()) {
        out.single_printed = kYes;
        windows.single(single_label_names(h));
    }

    if (h.number_of_children > 0 && (choices.child_print || choices.child_print_by_category)) {
        const ChildLabel label = windows.child_print(h);
        if (label.print_or_cancel_flag == QLatin1String("C")) {
            out.child_label = kNo;
        } else {
            out.child_label = kYes;
            out.child_lines_set = true;
            out.hold_line = label.hold_line;
        }
    } else {
        out.child_label = choices.child_print_by_category ? kYes : kNo;
    }
    return out;
}

LabelOutcome load_record_fields(const QString& record_key, const LabelChoices& choices,
                                const LabelWindows& windows, RecordImage& image) {
    image = read_record_image(record_key);
    return run_label_steps(image, choices, windows);
}

}  // namespace printing
