// The record picker's part of the household changes: switching names, choosing a child to move
// and opening the remove-names window, each run on the household the picker has just loaded.
#include "Frmchildmove.h"
#include "common/display_name.h"
#include "common/keyname.h"
#include "common/records.h"
#include "common/vbstring.h"
#include "editor/Frmaddress2.h"
#include "editor/Frmchildren.h"
#include "editor/frmAddressRecord.h"
#include "frmRemoveName.h"
#include "frmVerifyNames.h"
#include "lookup/FrmGetAddress.h"
#include "lookup/frmCheckEdit.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/errors.h"
#include "shell/frmdatabase.h"

using platform::form;

namespace {

QString flag(QCheckBox* box) {
    return platform::value(box) == 1 ? QStringLiteral("Y") : QStringLiteral("N");
}

// Unloads the record form and its dialogs, which held the household while it was rebuilt.
void drop_buffer() {
    form<Frmchildren>().unload();
    form<Frmaddress2>().unload();
    form<frmAddressRecord>().unload();
}

}  // namespace

void FrmGetAddress::append_surname_to_children() {
    auto& children = form<Frmchildren>().ui();
    for (int i = 1; i <= 6; ++i)
        children.Txtchild[i]->setText(
            changes::with_family_name(children.Txtchild[i]->text(), old_lastname1));
}

void FrmGetAddress::set_up_Switch_Names() {
    auto& record = form<frmAddressRecord>();
    auto& r = record.ui();
    const QString old_key = keyname;
    record.set_caption(QStringLiteral("Switch Existing Record"));

    // Person 1 becomes person 2; the former person 2 and their contacts are dropped.
    r.TxtFirstName2->setText(r.TxtFirstName1->text());
    r.txtlastname2->setText(r.txtLastName1->text());
    old_lastname1 = r.txtLastName1->text();
    const std::pair<QLineEdit*, QLineEdit*> contacts[] = {{r.TxtHomeEmail1, r.TxtHomeEmail2},
                                                          {r.TxtWorkEmail1, r.TxtWorkEmail2},
                                                          {r.TxtWorkPhone1, r.TxtWorkPhone2},
                                                          {r.TxtCellPhone1, r.TxtCellPhone2}};
    for (auto [from, to] : contacts) {
        to->setText(from->text());
        from->setText(QStringLiteral(" "));
    }
    // No title for the new first person; the own-title boxes are stored as they stood, which
    // the title rules would clear.
    const QString sal1 = r.sal1->text(), sal2 = r.sal2->text();
    r.Opt2a->setChecked(false);
    r.Opt1a->setChecked(true);
    hide();

    auto& change = form<frmRemoveName>();
    change.original_firstname1 = QStringLiteral("Enter new Name1:");
    change.original_lastname1 = QStringLiteral(" ");
    change.original_firstname2 = r.TxtFirstName2->text();
    change.original_lastname2 = r.txtlastname2->text();
    auto& verify = form<frmVerifyNames>();
    verify.call_from_form = QStringLiteral("GetAddress");
    // The household gives up its old key, so it may take it again.
    verify.free_keys = {old_key};
    const bool verified = change.check_name1();
    verify.free_keys.clear();
    if (!verified) {
        drop_buffer();
        unload();
        return;
    }

    const QString new_key = common::build_keyname(r.txtLastName1->text(), r.TxtFirstName1->text());
    common::AddressRecord row;
    row.keyname = new_key;
    row.address_1 = r.txtaddress1->text();
    row.address_2 = r.txtaddress2->text();
    row.city = r.txtCity->text();
    row.state = r.txtState->text();
    row.zip = r.txtZip->text();
    row.home_phone = r.TxtHomePhone->text();
    row.home_fax = r.TxtFaxPhone->text();
    row.first_name_2 = r.TxtFirstName2->text();
    row.last_name_2 = r.txtlastname2->text();
    row.work_phone_1 = r.TxtWorkPhone1->text();
    row.cell_phone_1 = r.TxtCellPhone1->text();
    row.home_email_1 = r.TxtHomeEmail1->text();
    row.work_email_1 = r.TxtWorkEmail1->text();
    row.work_phone_2 = r.TxtWorkPhone2->text();
    row.cell_phone_2 = r.TxtCellPhone2->text();
    row.home_email_2 = r.TxtHomeEmail2->text();
    row.work_email_2 = r.TxtWorkEmail2->text();
    row.last_name_check = flag(r.ChkFamilyLabel);
    row.last_name_hyphen = flag(r.ChkHyphen);
    row.option1 = QStringLiteral("1");
    row.option2 = QStringLiteral("0");
    for (int n = 1; n <= 12; ++n) row.category[n] = flag(r.Chkcat[n]);
    row.foreign_check = flag(r.chkForeign);
    row.last_name_reverse = flag(r.Chkreverse);
    row.sal1 = sal1;
    row.sal2 = sal2;

    append_surname_to_children();
    std::array<QString, 7> boxes{};
    for (int i = 1; i <= 6; ++i) boxes[i] = form<Frmchildren>().ui().Txtchild[i]->text();
    const bool had_children = record.chkchildren > 0;
    const bool had_second = r.Lblsecondaddress->text() == QLatin1String("Y");

    change.keyname = old_key;
    const bool written = change.write_change([&] {
        // Side rows the markers promise but the tables lack count as none.
        change.children_image = {};
        const bool children_found = had_children && change.get_children();
        const bool second_found = had_second && change.get_second_address();
        change.children_image.child = common::packed_children(boxes);
        row.childflag = children_found ? common::count_children(boxes) : 0;
        row.second_address = second_found ? QStringLiteral("Y") : QStringLiteral("N");

        change.table_name = QStringLiteral("OVRAData");
        if (!change.delete_keyname_row()) throw changes::missing_household(old_key);
        open_table(QStringLiteral("OVRAData"));
        Data1().add_new();
        row.write_to(Data1());
        change.update_record();
        if (children_found) {
            change.table_name = QStringLiteral("Children");
            change.delete_keyname_row();
            if (row.childflag > 0) {
                change.children_image.keyname = new_key;
                change.add_children();
            }
        }
        if (second_found) {
            change.table_name = QStringLiteral("Address");
            change.delete_keyname_row();
            change.second_address_image.keyname = new_key;
            change.add_second_address();
        }
    });
    drop_buffer();
    if (!written) {
        unload();
        return;
    }
    keyname = new_key;

    change.new_keyname = QStringLiteral(" ");
    change.original_keyname = new_key;
    change.original_firstname1 = QStringLiteral("UPDATED");
    change.original_lastname1 = QStringLiteral("RECORD");
    auto& check = form<frmCheckEdit>();
    check.set_help_context_id(8030);
    check.show_modal();
    unload();
}

void FrmGetAddress::set_up_alter_names() {
    // The picker has just sought the chosen household: it is the cursor's current row.
    const auto& d = Data1();
    keyname = common::text_field(d, QStringLiteral("keyname"));
    auto& change = form<frmRemoveName>();
    change.keyname = common::rtrim(keyname);
    const auto names = common::split_keyname(change.keyname);
    change.lastname1 = names.last_name1;
    change.firstname1 = names.first_name1;
    change.firstname2 = common::text_field(d, QStringLiteral("first name 2"));
    change.lastname2 = common::text_field(d, QStringLiteral("last name 2"));
    change.name_reverse = common::text_field(d, QStringLiteral("last-name-reverse"));
    change.hyphen = common::text_field(d, QStringLiteral("last name hyphen"));
    // Children count by their names, whatever childflag says.
    change.childflag = common::count_children(common::stored_children(Data1(), keyname));
    change.addressflag = common::text_field(d, QStringLiteral("second address"));
    // The record form is not used: the window reads the row itself.
    drop_buffer();

    auto& c = change.ui();
    c.lblName1->setText(change.firstname1 + QLatin1Char(' ') + change.lastname1);
    c.lblName2->setText(change.firstname2 + QLatin1Char(' ') +
                        changes::shown_last_name2(change.lastname1, change.lastname2, change.hyphen,
                                                  change.name_reverse));
    hide();
    change.set_help_context_id(8060);
    change.show_modal();
}

void FrmGetAddress::set_up_childmove() {
    auto& chooser = form<Frmchildmove>();
    auto& m = chooser.ui();
    auto& children = form<Frmchildren>().ui();
    const QString last_name = form<frmAddressRecord>().ui().txtLastName1->text();
    int first_child = 0;
    for (int i = 1; i <= 6; ++i) {
        const QString name = children.Txtchild[i]->text();
        child_hold[i] = name;
        // A slot without a name of its own is never offered.
        const bool shown = !common::vb_trim(name).isEmpty();
        m.Option[i]->setVisible(shown);
        m.Label[i]->setVisible(shown);
        m.Check[i]->setVisible(shown);
        if (!shown) {
            m.Label[i]->setText(QString());
            continue;
        }
        m.Label[i]->setText(common::rtrim(name).contains(QLatin1Char(' '))
                                ? name
                                : name + QLatin1Char(' ') + last_name);
        if (first_child == 0) first_child = i;
    }
    if (first_child > 0) m.Option[first_child]->setChecked(true);
    m.cmdPrint->setEnabled(first_child > 0);
    chooser.set_help_context_id(5220);
    chooser.show_modal();
}
