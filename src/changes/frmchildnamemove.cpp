#include "frmchildnamemove.h"

#include "Frmchildmove.h"
#include "common/display_name.h"
#include "common/records.h"
#include "common/vbstring.h"
#include "editor/Frmaddress2.h"
#include "editor/frmAddressRecord.h"
#include "frmRemoveName.h"
#include "lookup/FrmGetAddress.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"

using platform::form;

frmchildnamemove::frmchildnamemove() : Form(QStringLiteral("frmchildnamemove")) {}

void frmchildnamemove::build(QWidget* w, frmchildnamemove_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Move Child"));
    platform::set_client_size(w, 5640, 2760);
    const QFont bold(QStringLiteral("Arial"), 9.75, QFont::Bold);
    c.Label1 = platform::make_label(w, "Label1", QStringLiteral("WHERE DO YOU WANT TO MOVE"), 240,
                                    240, 5160, 315);
    c.Label2 = platform::make_label(w, "Label2", QString(), 240, 600, 5160, 315);
    for (QLabel* l : {c.Label1, c.Label2}) {
        l->setFont(bold);
        l->setAlignment(Qt::AlignCenter);
    }
    c.Option1 = platform::make_option(w, "Option1", QString(), 1320, 1200, 255, 315);
    c.Label3 = platform::make_label(w, "Label3", QStringLiteral("NAME 1"), 1620, 1200, 1080, 315);
    c.Option2 = platform::make_option(w, "Option2", QString(), 3000, 1200, 255, 315);
    c.Label4 = platform::make_label(w, "Label4", QStringLiteral("NAME 2"), 3300, 1200, 1080, 315);
    platform::make_option_group({c.Option1, c.Option2});
    c.Command1 = platform::make_button(w, "Command1", QStringLiteral("MOVE"), 480, 1920, 1335, 495);
    c.Command1->setDefault(true);
    c.Command2 =
        platform::make_button(w, "Command2", QStringLiteral("CANCEL"), 2152, 1920, 1335, 495);
    c.Command3 =
        platform::make_button(w, "Command3", QStringLiteral("MAIN MENU"), 3825, 1920, 1335, 495);
    platform::on_click(c.Command1, [this] { Command1_Click(); });
    platform::on_click(c.Command2, [this] { Command2_Click(); });
    platform::on_click(c.Command3, [this] { Command3_Click(); });
}

std::array<QString, 7> frmchildnamemove::remove_moved_child() const {
    std::array<QString, 7> children = form<FrmGetAddress>().child_hold;
    const int slot = form<Frmchildmove>().hold_slot;
    if (slot >= 1 && slot <= 6) children[slot].clear();
    return common::packed_children(children);
}

void frmchildnamemove::save_children_row(const QString& parents_key,
                                         const std::array<QString, 7>& children) {
    auto& data = Data1();
    const int left = common::count_children(children);
    open_table(QStringLiteral("Children"));
    // A children row the parents' marker promises but the table lacks counts as none.
    const bool found = seek_key(parents_key);
    if (found && left > 0) {
        data.edit();
        for (int i = 1; i <= 6; ++i) data.set_field(QStringLiteral("child%1").arg(i), children[i]);
        data.update();
    } else if (found) {
        data.delete_row();
    }
    open_table(QStringLiteral("OVRAData"));
    if (!seek_key(parents_key))
        throw platform::VbError(
            platform::kErrNoCurrentRecord,
            QStringLiteral("The household %1 is no longer in the address book.").arg(parents_key));
    data.edit();
    data.set_field(QStringLiteral("childflag"), found ? left : 0);
    data.update();
}

void frmchildnamemove::Command1_Click() {
    auto& c = ui();
    auto& chooser = form<Frmchildmove>();
    auto& picker = form<FrmGetAddress>();
    auto& record = form<frmAddressRecord>();
    auto& r = record.ui();

    // The first blank parts the first name from the last name.
    const QString name = common::rtrim(chooser.hold_name);
    const int blank = name.indexOf(QLatin1Char(' '));
    const QString first = blank < 0 ? name : name.left(blank);
    const QString last = blank < 0 ? QString() : name.mid(blank + 1);
    const bool as_name1 = c.Option1->isChecked();
    const bool college = chooser.college_hold == QLatin1String("Y");

    // The parents' home, taken before the form is cleared for the new household.
    QLineEdit* home[] = {r.txtaddress1, r.txtaddress2,  r.txtCity,    r.txtState,
                         r.txtZip,      r.TxtHomePhone, r.TxtFaxPhone};
    QString parents_home[7];
    for (int i = 0; i < 7; ++i) parents_home[i] = home[i]->text();
    const int parents_foreign = platform::value(r.chkForeign);

    const QString parents_key = picker.hold_keyname;
    const auto remaining = remove_moved_child();

    // Clears everything of the parents' household, the second-address request of an earlier
    // save included.
    form<frmOVRA>().new_record_layout();
    r.Lblsecondaddress->setText(QString());
    if (as_name1) {
        r.TxtFirstName1->setText(first);
        r.txtLastName1->setText(last);
    } else {
        r.TxtFirstName2->setText(first);
        r.txtlastname2->setText(last);
    }
    if (college) {
        record.college_add = QStringLiteral("Y");
        auto& d = form<Frmaddress2>().ui();
        QLineEdit* second[] = {d.txtaddress1, d.txtaddress2, d.txtCity, d.txtState,
                               d.txtZip,      d.txtPhone,    d.TxtFax};
        for (int i = 0; i < 7; ++i) second[i]->setText(parents_home[i]);
        platform::set_value(d.chkForeign, parents_foreign);
        record.save_second_Address = true;
        record.save_address2_flag = QStringLiteral("Y");
        r.Lblsecondaddress->setText(QStringLiteral("Y"));
    }

    hide();
    unload();
    chooser.hide();
    chooser.unload();
    picker.hide();
    picker.unload();

    platform::set_left(r.Comsave, 2880);
    r.Comcancel->hide();
    r.Cmdmain->hide();
    record.set_help_context_id(5240);
    form<Frmaddress2>().toggle_switch = QStringLiteral("N");
    form<Frmaddress2>().address2_data = QStringLiteral("N");
    record.second_address_saved = QStringLiteral("N");

    const QString child = name;
    record.rows_with_save = [this, parents_key, remaining] {
        save_children_row(parents_key, remaining);
    };
    record.may_close = [child] {
        return platform::msgbox(
                   QStringLiteral("Do you want to stop moving %1? Nothing will be changed.")
                       .arg(child),
                   platform::vbYesNo + platform::vbQuestion,
                   QStringLiteral("Move Child")) == platform::vbYes;
    };
    record.show_modal();
    record.rows_with_save = nullptr;
    record.may_close = nullptr;
}

void frmchildnamemove::Command2_Click() {
    hide();
    unload();
}

void frmchildnamemove::Command3_Click() {
    hide();
    unload();
    auto& chooser = form<Frmchildmove>();
    chooser.hide();
    chooser.unload();
    auto& picker = form<FrmGetAddress>();
    picker.hide();
    picker.unload();
}
