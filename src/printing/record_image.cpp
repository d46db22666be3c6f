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

QString flag(const platform::DataControl& data, const char* field) {
    return common::yes_field(data, QString::fromLatin1(field)) ? kYes : kNo;
}

QString text(const platform::DataControl& data, const char* field) {
    return common::text_field(data, QString::fromLatin1(field));
}

QString title1_of(const platform::DataControl& data) {
    const QString option1 = text(data, "option1");
    if (option1 == QLatin1String("2")) return QStringLiteral("MR.");
    if (option1 == QLatin1String("3")) return QStringLiteral("DR.");
    if (option1 == QLatin1String("4")) return QStringLiteral("MRS.");
    if (option1 == QLatin1String("5")) return QStringLiteral("MS.");
    if (option1 == QLatin1String("6")) return text(data, "sal1");
    // "1", never chosen, or anything unknown: no title.
    return QStringLiteral("None");
}

QString title2_of(const platform::DataControl& data) {
    const QString option2 = text(data, "option2");
    if (option2 == QLatin1String("1")) return QStringLiteral("MR.");
    if (option2 == QLatin1String("2")) return QStringLiteral("DR.");
    if (option2 == QLatin1String("3")) return QStringLiteral("MRS.");
    if (option2 == QLatin1String("4")) return QStringLiteral("MS.");
    if (option2 == QLatin1String("5")) return text(data, "sal2");
    // "0" and anything else: no title, never the previous household's.
    return QString();
}

// The household's children, packed; the cursor goes back to the household's row.
void read_children(RecordImage& h) {
    open_table(QStringLiteral("Children"));
    if (seek_key(h.record_key)) {
        const auto row = common::ChildrenRecord::read_from(Data1());
        for (int i = 1; i <= 6; ++i) {
            if (common::is_blank(row.child[i])) continue;
            h.child[++h.number_of_children] = row.child[i];
        }
    }
    open_table(QStringLiteral("OVRAData"));
    seek_key(h.record_key);
}

}  // namespace

RecordImage read_record_image(const QString& record_key) {
    RecordImage h;
    h.record_key = common::rtrim(record_key);
    const common::KeyNames names = common::split_keyname(h.record_key);
    h.lastname1 = names.last_name1;
    h.firstname1 = names.first_name1;

    const platform::DataControl& d = Data1();
    h.firstname2 = text(d, "first name 2");
    h.lastname2 = text(d, "last name 2");
    h.address1 = text(d, "address 1");
    h.address2 = text(d, "address 2");
    h.city = text(d, "city");
    h.state = text(d, "state");
    h.zip = text(d, "zip");
    h.home_phone = text(d, "home phone");
    h.home_fax = text(d, "home fax");
    h.work_phone1 = text(d, "work phone 1");
    h.cell_phone1 = text(d, "cell phone 1");
    h.work_phone2 = text(d, "work phone 2");
    h.cell_phone2 = text(d, "cell phone 2");
    h.home_email1 = text(d, "home email 1");
    h.home_email2 = text(d, "home email 2");
    h.work_email1 = text(d, "work email 1");
    h.work_email2 = text(d, "work email 2");
    h.hyphen = flag(d, "last name hyphen");
    h.name_reverse = flag(d, "last-name-reverse");
    h.title1 = title1_of(d);
    h.title2 = title2_of(d);
    for (int n = 1; n <= 12; ++n)
        h.category_flag[n] = common::yes_field(d, QStringLiteral("category%1").arg(n)) ? kYes : kNo;
    h.family_flag = flag(d, "last name check");
    h.second_address_flag = text(d, "second address");

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
