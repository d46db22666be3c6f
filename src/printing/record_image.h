#pragma once

#include <QString>
#include <array>
#include <functional>

// One household as every household printout reads it: the phone list, the address book and
// the label runs copy the row once and work from this image, never from the cursor.
namespace printing {

struct RecordImage {
    QString record_key;             // without trailing blanks
    QString lastname1, firstname1;  // from the key
    QString firstname2, lastname2;  // firstname2 "" = a household of one person
    QString address1, address2, city, state, zip;
    QString home_phone, home_fax;
    QString work_phone1, cell_phone1, work_phone2, cell_phone2;
    QString home_email1, home_email2, work_email1, work_email2;
    // The non-blank names of the household's Children row, packed in their order ([1]..[6]);
    // number_of_children counts them, whatever childflag says.
    std::array<QString, 7> child{};
    int number_of_children = 0;
    QString hyphen, name_reverse;             // "Y" or "N"
    QString title1;                           // "None" when person 1 carries no title
    QString title2;                           // "" when person 2 has no title
    std::array<QString, 13> category_flag{};  // [1]..[12]: "Y" or "N"
    QString family_flag;                      // "Y" or "N"
    QString second_address_flag;              // as stored; "Y" = has a second address
};

// Reads the household row the shared cursor stands on into a fresh image, and its children
// from the Children row. record_key is the household's key; the cursor is left on its row.
RecordImage read_record_image(const QString& record_key);

// Person 2's surname as the household's double-name flags put it.
QString second_surname(const RecordImage& h);

// The two names the single-label window offers: person 1, then person 2 with their surname.
struct SingleLabelNames {
    QString spouse1, spouse2;
};
SingleLabelNames single_label_names(const RecordImage& h);

// The label windows that one household's load may open.
struct ChildLabel {
    QString print_or_cancel_flag;        // "P" printed, "C" cancelled
    std::array<QString, 6> hold_line{};  // [1]..[5]: the chosen children label
};
struct LabelWindows {
    std::function<void(const SingleLabelNames&)> single;        // frmSingle
    std::function<ChildLabel(const RecordImage&)> child_print;  // Frmchildprint
};

// The boxes of the print dialog that ask for those windows.
struct LabelChoices {
    bool single_print = false;             // Chksingle (Selected)
    bool child_print = false;              // Chkchild (Selected)
    bool child_print_by_category = false;  // Chkchildsel (By Category)
};

struct LabelOutcome {
    QString single_printed = QStringLiteral("N");
    QString child_label = QStringLiteral("N");
    // Set when the children window printed: the five lines for the current label slot.
    bool child_lines_set = false;
    std::array<QString, 6> hold_line{};
};

// The single-label and children steps for a loaded household.
LabelOutcome run_label_steps(const RecordImage& h, const LabelChoices& choices,
                             const LabelWindows& windows);

// The whole load of one household: the image, then the label steps.
LabelOutcome load_record_fields(const QString& record_key, const LabelChoices& choices,
                                const LabelWindows& windows, RecordImage& image);

}  // namespace printing
