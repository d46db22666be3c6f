// The main window's part of the record lookup: the picker's launchers and the list loader.
#include <QListWidget>

#include "FrmGetAddress.h"
#include "common/display_name.h"
#include "common/records.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "printing/frmprint.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"

using platform::form;

struct frmOVRA::PickerMode {
    QString word;
    QString title;
    QString button;
    int label1_left;
    int label2_left;
    QString empty_message;
};

namespace {

const QString kEmptyTitle = QStringLiteral("Empty Database");

void empty_database(const QString& message) {
    platform::msgbox(message, platform::vbExclamation, kEmptyTitle);
}

}  // namespace

// Shows the mode's message and returns false on an empty database; otherwise captions the
// picker for the mode and fills its list.
bool frmOVRA::prepare_picker(const PickerMode& mode) {
    if (!address_book_available()) return false;
    if (record_count_shown() == 0) {
        empty_database(mode.empty_message);
        return false;
    }
    auto& picker = form<FrmGetAddress>();
    auto& p = picker.ui();
    p.Label2->setText(mode.word);
    picker.set_caption(mode.title);
    platform::set_left(p.Label1, mode.label1_left);
    platform::set_left(p.Label2, mode.label2_left);
    p.ComGetAddress->setText(mode.button);
    load_record_list();
    return true;
}

void frmOVRA::edit_record_start() {
    if (!prepare_picker({"EDIT", "Edit Record", "Retrieve Record To Edit", 360, 5520,
                         "There are no records to edit"}))
        return;
    form<FrmGetAddress>().set_help_context_id(2000);
    form<FrmGetAddress>().show_modal();
}

void frmOVRA::browse_record_start() {
    if (!prepare_picker({"BROWSE", "Browse Record", "Retrieve Record To Browse", 220, 5351,
                         "There are no records to browse"}))
        return;
    form<FrmGetAddress>().set_help_context_id(3000);
    form<FrmGetAddress>().show_modal();
}

void frmOVRA::delete_record_start() {
    if (!prepare_picker({"DELETE", "Delete Record", "Retrieve Record To Delete", 240, 5351,
                         "There are no records to delete"}))
        return;
    form<FrmGetAddress>().set_help_context_id(4000);
    form<FrmGetAddress>().show_modal();
}

void frmOVRA::mnuMove1To2_Click() {
    print_flag = "N";
    if (!prepare_picker({"SWITCH", "SWITCH", "Retrieve Record To Switch", 240, 5351,
                         "There are no records to Change"}))
        return;
    if (records_found == 0) {
        empty_database(QStringLiteral("There are no records to Change"));
        return;
    }
    form<FrmGetAddress>().set_help_context_id(8040);
    form<FrmGetAddress>().show_modal();
}

void frmOVRA::mnuMoveRemoveNames_Click() {
    print_flag = "N";
    if (!prepare_picker({"ALTER", "ALTER", "Retrieve Record To Alter", 240, 5351,
                         "There are no records to Change"}))
        return;
    form<FrmGetAddress>().set_help_context_id(8050);
    form<FrmGetAddress>().show_modal();
}

void frmOVRA::MnuMoveChildren_Click() {
    if (!address_book_available()) return;
    if (record_count_shown() == 0) {
        empty_database(QStringLiteral("There are no records to move"));
        return;
    }
    children_found = 0;
    print_flag = "N";
    if (!prepare_picker({"MOVE CHILDREN", "Move Children", "Retrieve Record To Move", 240, 5351,
                         "There are no records to move"}))
        return;
    if (children_found == 0) {
        empty_database(QStringLiteral("There are no children to move"));
        return;
    }
    form<FrmGetAddress>().set_help_context_id(5000);
    form<FrmGetAddress>().show_modal();
}

void frmOVRA::count_records() {
    use_household_table();
    record_total = Data1().record_count();
    if (record_total > 0) Data1().move_last();
}

// The print dialog lists every household under its full display name, whatever mode the
// picker was last in.
QString frmOVRA::list_filter() {
    return print_flag == QLatin1String("Y") ? QString() : form<FrmGetAddress>().caption();
}

void frmOVRA::load_record_list() {
    records_found = 0;
    listed_lines_.clear();
    const QString title = list_filter();
    count_records();
    // An empty table lists nothing; any other failure is reported, never shown as a short list.
    if (record_total > 0) {
        listed_lines_.reserve(record_total);
        // The walk reads the six fields a line is made of (a narrower read, nothing else).
        Data1().set_walk_fields({QStringLiteral("keyname"), QStringLiteral("first name 2"),
                                 QStringLiteral("last name 2"), QStringLiteral("last name hyphen"),
                                 QStringLiteral("last-name-reverse"), QStringLiteral("childflag")});
        Data1().move_first();
        list_current_row(Data1(), title);
        load_record_list_rest();
        Data1().set_walk_fields({});
    }
    QListWidget* target = print_flag == QLatin1String("Y")
                              ? form<frmprint>().ui().lstselection
                              : form<FrmGetAddress>().ui().LstGetAddress1;
    fill_sorted(target, std::move(listed_lines_));
    listed_lines_.clear();
}

void frmOVRA::load_record_list_rest() {
    const QString title = list_filter();
    auto& data = Data1();
    for (int i = 2; i <= record_total; ++i) {
        data.move_next();
        list_current_row(data, title);
    }
}

QString frmOVRA::spouse_name_rtn(const QString& keyname) {
    const auto& d = Data1();
    return common::spouse_part(keyname, common::text_field(d, QStringLiteral("first name 2")),
                               d.field(QStringLiteral("last name 2")),
                               common::text_field(d, QStringLiteral("last name hyphen")),
                               common::text_field(d, QStringLiteral("last-name-reverse")));
}

void frmOVRA::list_current_row(const platform::DataControl& d, const QString& picker_title) {
    const QString first2 = common::text_field(d, QStringLiteral("first name 2"));
    if (picker_title == QLatin1String("SWITCH") && !first2.isEmpty()) return;
    if (picker_title == QLatin1String("ALTER") && first2.isEmpty()) return;
    const int children = d.field(QStringLiteral("childflag")).toInt();
    const bool move_children = picker_title == QLatin1String("Move Children");
    if (move_children) {
        if (children <= 0) return;
        ++children_found;
    }
    const QString key = common::text_field(d, QStringLiteral("keyname"));
    // The second person's fields are read only for a household that has one.
    const QString line =
        first2.isEmpty()
            ? common::display_name(key, first2, QVariant(), QString(), QString(), children,
                                   !move_children)
            : common::display_name(key, first2, d.field(QStringLiteral("last name 2")),
                                   common::text_field(d, QStringLiteral("last name hyphen")),
                                   common::text_field(d, QStringLiteral("last-name-reverse")),
                                   children, !move_children);
    listed_lines_.push_back({line, key});
    ++records_found;
}
