// The four uses of the verification dialog: each fills it, shows it, reads it back, builds the
// keys and unloads it, so the next use starts from the design.
#include "common/keyname.h"
#include "common/records.h"
#include "frmRemoveName.h"
#include "frmVerifyNames.h"
#include "platform/application.h"
#include "platform/controls.h"

using platform::form;
using Dialog = frmVerifyNames_ui::Controls;

namespace {

QString key_of(const QString& last, const QString& first) {
    return last + QStringLiteral(", ") + first;
}

void hide_address(Dialog& d) {
    for (QWidget* w : {static_cast<QWidget*>(d.lbladdress1), static_cast<QWidget*>(d.txtaddress1),
                       static_cast<QWidget*>(d.lblAddress2), static_cast<QWidget*>(d.txtaddress2),
                       static_cast<QWidget*>(d.lblCity), static_cast<QWidget*>(d.txtCity),
                       static_cast<QWidget*>(d.lblState), static_cast<QWidget*>(d.txtState),
                       static_cast<QWidget*>(d.lblZip), static_cast<QWidget*>(d.txtZip),
                       static_cast<QWidget*>(d.chkForeign), static_cast<QWidget*>(d.lblForeign)})
        w->hide();
}

void take_address(const Dialog& d, common::AddressRecord& image) {
    image.address_1 = d.txtaddress1->text();
    image.address_2 = d.txtaddress2->text();
    image.city = d.txtCity->text();
    image.state = d.txtState->text();
    image.zip = d.txtZip->text();
    image.foreign_check =
        platform::value(d.chkForeign) == 1 ? QStringLiteral("Y") : QStringLiteral("N");
}

void show_spouse_row(Dialog& d, const QString& first, const QString& last) {
    d.lblfirstname1->setText(first);
    d.txtLastName1->setText(last);
    d.lblfirstname1->show();
    d.txtLastName1->show();
}

// The window ends as far below CONTINUE as the full layout does; the layouts' own heights were
// drawn for a shorter button and would cut it off.
void end_below_continue(frmVerifyNames& dialog) {
    QPushButton* b = dialog.ui().cmdContinue;
    platform::set_client_size(dialog.widget(), frmVerifyNames::kWidth,
                              platform::top(b) + platform::height(b) + frmVerifyNames::kMargin);
}

// Shows the dialog; false (and the dialog unloaded) when the user closed it.
bool run(frmVerifyNames& dialog, int help) {
    dialog.cancelled = false;
    dialog.set_help_context_id(help);
    dialog.show_modal();
    if (dialog.cancelled || !dialog.is_loaded()) {
        dialog.unload();
        dialog.keys_to_write = nullptr;
        return false;
    }
    return true;
}

void finish(frmVerifyNames& dialog) {
    dialog.keys_to_write = nullptr;
    dialog.unload();
}

}  // namespace

bool frmRemoveName::verify_new_name() {
    auto& dialog = form<frmVerifyNames>();
    auto& d = dialog.ui();
    d.lblfirstname2->setText(new_firstname1);
    d.txtlastname2->setText(new_lastname1);
    // The address boxes open empty: the leaving person's new address is asked, never assumed.
    dialog.keys_to_write = [this, &d] {
        return claimed_keys_ + QStringList{key_of(d.txtlastname2->text(), new_firstname1)};
    };
    if (!run(dialog, 8120)) return false;
    new_lastname1 = d.txtlastname2->text();
    new_keyname = key_of(new_lastname1, new_firstname1);
    take_address(d, new_record);
    finish(dialog);
    return true;
}

bool frmRemoveName::verify_names_address() {
    auto& dialog = form<frmVerifyNames>();
    auto& d = dialog.ui();
    d.lblfirstname2->setText(original_firstname1);
    d.txtlastname2->setText(original_lastname1);
    d.lblSpouseHeading->show();
    show_spouse_row(d, new_firstname1, new_lastname1);
    // Person 1's new address is asked; the boxes open empty.
    dialog.keys_to_write = [this, &d] {
        return claimed_keys_ + QStringList{key_of(d.txtlastname2->text(), original_firstname1),
                                           key_of(d.txtLastName1->text(), new_firstname1)};
    };
    if (!run(dialog, 8130)) return false;
    new_lastname1 = d.txtLastName1->text().toUpper();
    new_keyname = key_of(new_lastname1, new_firstname1);
    original_lastname1 = d.txtlastname2->text();
    original_keyname = key_of(original_lastname1, original_firstname1);
    take_address(d, original_record);
    finish(dialog);
    return true;
}

bool frmRemoveName::check_name1() {
    auto& dialog = form<frmVerifyNames>();
    auto& d = dialog.ui();
    d.lblfirstname2->setText(original_firstname1);
    d.txtlastname2->setText(original_lastname1);
    show_spouse_row(d, original_firstname2, original_lastname2);
    hide_address(d);
    platform::set_top(d.lblSpouseHeading, 1680);
    platform::set_top(d.lblfirstname1, 2160);
    platform::set_top(d.txtLastName1, 2115);
    platform::set_top(d.cmdContinue, 2760);
    end_below_continue(dialog);
    // The person of the main row keeps the first name shown beside it, and so does the spouse.
    const bool main_moves_out = split_name_flag == QLatin1String("N");
    dialog.keys_to_write = [this, &d] {
        return claimed_keys_ + QStringList{key_of(d.txtlastname2->text(), original_firstname1),
                                           key_of(d.txtLastName1->text(), original_firstname2)};
    };
    if (!run(dialog, 8130)) return false;
    const QString main_last = d.txtlastname2->text();
    const QString spouse_last = d.txtLastName1->text();
    if (main_moves_out) {
        new_lastname1 = main_last;
        new_keyname = key_of(new_lastname1, original_firstname1);
        original_lastname1 = spouse_last;
        original_keyname = key_of(original_lastname1, original_firstname2);
    } else {
        new_lastname1 = spouse_last;
        new_keyname = key_of(new_lastname1, original_firstname2);
        original_lastname1 = main_last;
        original_keyname = key_of(original_lastname1, original_firstname1);
    }
    names_verified = QStringLiteral("Y");
    finish(dialog);
    return true;
}

bool frmRemoveName::verify_remaining_names() {
    auto& dialog = form<frmVerifyNames>();
    auto& d = dialog.ui();
    d.lblfirstname2->setText(original_firstname2);
    d.txtlastname2->setText(original_lastname2);
    d.lblfirstname1->hide();
    d.txtLastName1->hide();
    hide_address(d);
    platform::set_top(d.cmdContinue, 1800);
    end_below_continue(dialog);
    dialog.keys_to_write = [this, &d] {
        return claimed_keys_ + QStringList{key_of(d.txtlastname2->text(), original_firstname2)};
    };
    if (!run(dialog, 8120)) return false;
    original_lastname2 = d.txtlastname2->text();
    original_keyname = key_of(original_lastname2, original_firstname2);
    finish(dialog);
    return true;
}
