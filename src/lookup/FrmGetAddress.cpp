#include "FrmGetAddress.h"

#include "common/display_name.h"
#include "common/keyname.h"
#include "common/records.h"
#include "common/vbstring.h"
#include "editor/Frmaddress2.h"
#include "editor/Frmchildren.h"
#include "editor/frmAddressRecord.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/msgbox.h"
#include "record_list.h"
#include "shell/FrmHeadingCreate.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"

using platform::form;
using platform::OptionButton;
namespace color = platform::color;

FrmGetAddress::FrmGetAddress() : Form(QStringLiteral("FrmGetAddress")) {}

void FrmGetAddress::build(QWidget* w, FrmGetAddress_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Edit Record"));
    // Wide enough for the longest mode word ("MOVE CHILDREN") at its place.
    platform::set_client_size(w, 7440, 5280);
    platform::set_back_color(w, 0xE0E0E0);
    const QFont prompt(QStringLiteral("Arial"), 9.75, QFont::Bold);
    c.Label1 = platform::make_label(
        w, "Label1", QStringLiteral("HIGHLIGHT THE RECORD THAT YOU WANT TO"), 240, 240, 5175, 300);
    c.Label2 = platform::make_label(w, "Label2", QStringLiteral("DELETE"), 5351, 240, 1920, 300);
    for (QLabel* l : {c.Label1, c.Label2}) {
        l->setFont(prompt);
        platform::set_back_color(l, 0xE0E0E0);
    }
    c.LstGetAddress1 = new QListWidget(w);
    c.LstGetAddress1->setObjectName(QStringLiteral("LstGetAddress1"));
    platform::place(c.LstGetAddress1, 240, 840, 6960, 2955);
    c.ComGetAddress = platform::make_wrap_button(
        w, "ComGetAddress", QStringLiteral("Retrieve Record To Edit"), 2280, 4200, 1335, 735);
    c.ComGetAddress->setDefault(true);
    c.Comcancel =
        platform::make_button(w, "Comcancel", QStringLiteral("CANCEL"), 3720, 4200, 1335, 735);
    c.Comcancel->setFont(QFont(QStringLiteral("Arial"), 8.25, QFont::Bold));
    QWidget::setTabOrder(c.LstGetAddress1, c.ComGetAddress);
    QWidget::setTabOrder(c.ComGetAddress, c.Comcancel);
    platform::on_click(c.ComGetAddress, [this] { ComGetAddress_Click(); });
    platform::on_click(c.Comcancel, [this] { Comcancel_Click(); });
    QObject::connect(c.LstGetAddress1, &QListWidget::itemDoubleClicked, w, [this] {
        platform::guarded(QStringLiteral("LstGetAddress1_DblClick"),
                          [this] { LstGetAddress1_DblClick(); });
    });
}

bool FrmGetAddress::browsing() {
    return is_loaded() && caption() == QLatin1String("Browse Record");
}

void FrmGetAddress::format_keyname() {
    keyname = selected_key(ui().LstGetAddress1);
}

void FrmGetAddress::LstGetAddress1_DblClick() {
    ComGetAddress_Click();
}

void FrmGetAddress::ComGetAddress_Click() {
    auto& c = ui();
    if (selected_key(c.LstGetAddress1).isEmpty()) {
        platform::msgbox(QStringLiteral("You must choose a record"), platform::vbExclamation,
                         QStringLiteral("Choose a record"));
        return;
    }
    format_keyname();
    if (!get_record()) return;
    const QString mode = c.ComGetAddress->text();
    auto& record = form<frmAddressRecord>();
    if (mode == QLatin1String("Retrieve Record To Move")) {
        set_up_childmove();
        return;
    }
    if (mode == QLatin1String("Retrieve Record To Switch")) {
        edit_record();
        set_up_Switch_Names();
        return;
    }
    if (mode == QLatin1String("Retrieve Record To Alter")) {
        set_up_alter_names();
        return;
    }
    if (mode == QLatin1String("Retrieve Record To Delete")) {
        delete_record();
        record.set_help_context_id(4200);
    } else if (mode == QLatin1String("Retrieve Record To Edit")) {
        edit_record();
        record.set_help_context_id(2200);
    } else {
        browse_record();
        record.set_help_context_id(3200);
    }
    form<Frmaddress2>().toggle_switch = "N";
    form<Frmaddress2>().address2_data = "N";
    record.show_modal();
}

void FrmGetAddress::Comcancel_Click() {
    unload();
    auto& main = form<frmOVRA>();
    main.set_enabled(true);
    main.show_record_count(household_count());
}

bool FrmGetAddress::get_record() {
    open_table(QStringLiteral("OVRAData"));
    if (!seek_key(keyname)) {
        platform::msgbox(QStringLiteral("This household is no longer in the address book."),
                         platform::vbExclamation, QStringLiteral("Record Not Found"));
        return false;
    }
    const auto row = common::AddressRecord::read_from(Data1());
    const QString mode = ui().ComGetAddress->text();
    const bool editing = mode == QLatin1String("Retrieve Record To Edit");
    const bool viewing = mode == QLatin1String("Retrieve Record To Delete") ||
                         mode == QLatin1String("Retrieve Record To Browse");

    auto& record = form<frmAddressRecord>();
    auto& r = record.ui();
    keyname = common::rtrim(keyname);
    const auto names = common::split_keyname(keyname);
    r.txtLastName1->setText(names.last_name1);
    r.TxtFirstName1->setText(names.first_name1);
    r.TxtHomeEmail1->setText(row.home_email_1);
    r.TxtWorkEmail1->setText(row.work_email_1);
    r.TxtWorkPhone1->setText(row.work_phone_1);
    r.TxtCellPhone1->setText(row.cell_phone_1);
    r.TxtFirstName2->setText(row.first_name_2);
    r.txtlastname2->setText(row.last_name_2);
    r.TxtHomeEmail2->setText(row.home_email_2);
    r.TxtWorkEmail2->setText(row.work_email_2);
    r.TxtWorkPhone2->setText(row.work_phone_2);
    r.TxtCellPhone2->setText(row.cell_phone_2);
    r.txtaddress1->setText(row.address_1);
    r.txtaddress2->setText(row.address_2);
    r.txtCity->setText(row.city);
    r.txtState->setText(row.state);
    r.txtZip->setText(row.zip);
    r.TxtHomePhone->setText(row.home_phone);
    r.TxtFaxPhone->setText(row.home_fax);
    platform::set_value(r.chkForeign, row.foreign_check == QLatin1String("Y") ? 1 : 0);
    const bool has_second = row.second_address == QLatin1String("Y");
    r.Cmdaddress2->setVisible(has_second || !viewing);
    platform::set_value(r.ChkFamilyLabel, row.last_name_check == QLatin1String("Y") ? 1 : 0);
    platform::set_value(r.ChkHyphen, row.last_name_hyphen == QLatin1String("Y") ? 1 : 0);
    platform::set_value(r.Chkreverse, row.last_name_reverse == QLatin1String("Y") ? 1 : 0);

    OptionButton* titles1[] = {r.Opt1a, r.Opt1b, r.opt1c, r.Opt1d, r.Opt1e, r.Opt1f};
    for (OptionButton* b : titles1) b->setChecked(false);
    const QString option1 = row.option1.value_or(QStringLiteral("1"));
    const int choice1 = option1.size() == 1 ? option1.toInt() : 0;
    if (choice1 >= 1 && choice1 <= 6) titles1[choice1 - 1]->setChecked(true);
    if (option1 == QLatin1String("6")) r.sal1->setText(row.sal1);
    OptionButton* titles2[] = {r.Opt2a, r.Opt2b, r.Opt2c, r.Opt2d, r.Opt2e};
    for (OptionButton* b : titles2) b->setChecked(false);
    const int choice2 = row.option2.size() == 1 ? row.option2.toInt() : 0;
    if (choice2 >= 1 && choice2 <= 5) titles2[choice2 - 1]->setChecked(true);
    if (row.option2 == QLatin1String("5")) r.sal2->setText(row.sal2);

    for (int n = 1; n <= 12; ++n) {
        const QString& member = row.category[n];
        platform::set_value(r.Chkcat[n], member.isEmpty() || member == QLatin1String("N") ? 0 : 1);
        r.lblinvisible[n]->setText(QString::number(platform::value(r.Chkcat[n])));
    }
    r.Lblsecondaddress->setText(row.second_address);
    hold_keyname = keyname;

    // The second address starts from what is stored for this household, never the last one's.
    record.reset_second_address();
    record.save_address2_flag = has_second ? "Y" : "N";
    record.second_address_saved = has_second ? "Y" : "N";

    // The children are the names of the household's Children row, whatever childflag says:
    // a change or SAVE then takes along every child that is stored.
    auto& children = form<Frmchildren>().ui();
    std::array<QString, 7> kids{};
    open_table(QStringLiteral("Children"));
    if (seek_key(hold_keyname)) kids = common::ChildrenRecord::read_from(Data1()).child;
    open_table(QStringLiteral("OVRAData"));
    seek_key(hold_keyname);
    keyname = common::text_field(Data1(), QStringLiteral("keyname"));
    record.chkchildren = common::count_children(kids);
    const bool children_read = record.chkchildren > 0;
    if (children_read) {
        for (int i = 1; i <= 6; ++i) children.Txtchild[i]->setText(kids[i]);
        r.Cmdchildren->show();
        children_row_flag = "Y";
    } else {
        // No children row: none of another household's children may show up here.
        record.chkchildren = 0;
        for (int i = 1; i <= 6; ++i) children.Txtchild[i]->setText(QString());
        r.Cmdchildren->setVisible(editing);
        children_row_flag = "N";
    }
    return true;
}

void FrmGetAddress::hide_unnamed_categories() {
    auto& r = form<frmAddressRecord>().ui();
    for (int n = 1; n <= 12; ++n) r.Chkcat[n]->setVisible(!r.Chkcat[n]->text().isEmpty());
}

void FrmGetAddress::initialize_color() {
    form<frmOVRA>().initialize_color();
}

void FrmGetAddress::edit_record() {
    auto& record = form<frmAddressRecord>();
    auto& r = record.ui();
    record.set_caption(QStringLiteral("Edit Existing Record"));
    r.ChkFamilyLabel->setEnabled(true);
    r.TxtFirstName1->setEnabled(false);
    r.txtLastName1->setEnabled(false);
    for (QLineEdit* b :
         {r.TxtHomeEmail1, r.TxtWorkEmail1, r.TxtWorkPhone1, r.TxtCellPhone1, r.TxtFirstName2})
        b->setEnabled(true);
    const bool person2 = !r.TxtFirstName2->text().isEmpty();
    QLineEdit* group2[] = {r.txtlastname2, r.TxtHomeEmail2, r.TxtWorkEmail2, r.TxtWorkPhone2,
                           r.TxtCellPhone2};
    for (QLineEdit* b : group2) b->setEnabled(person2);
    r.ChkHyphen->setEnabled(person2);
    for (QLineEdit* b : group2) platform::set_back_color(b, person2 ? color::kWhite : color::kMenu);
    r.Chkreverse->setEnabled(platform::value(r.ChkHyphen) == 1);
    for (QLineEdit* b : {r.txtaddress1, r.txtaddress2, r.txtCity, r.txtState, r.txtZip,
                         r.TxtHomePhone, r.TxtFaxPhone})
        b->setEnabled(true);
    for (OptionButton* b : {r.Opt1a, r.Opt1b, r.opt1c, r.Opt1d, r.Opt1e, r.Opt1f})
        b->setEnabled(true);
    const bool titles2 = person2 && !r.Opt1a->isChecked();
    for (QWidget* b : {static_cast<QWidget*>(r.Opt2a), static_cast<QWidget*>(r.Opt2b),
                       static_cast<QWidget*>(r.Opt2c), static_cast<QWidget*>(r.Opt2d),
                       static_cast<QWidget*>(r.Opt2e), static_cast<QWidget*>(r.sal2)})
        b->setEnabled(titles2);
    r.chkForeign->setEnabled(true);
    for (int n = 1; n <= 12; ++n) {
        r.Chkcat[n]->setEnabled(true);
        r.Chkcat[n]->setText(platform::typed_caption(category_name(n)));
    }
    hide_unnamed_categories();
    platform::place(r.Comsave, 720, frmAddressRecord::kButtonTop);
    platform::place(r.Comcancel, 2880, frmAddressRecord::kButtonTop);
    platform::set_left(r.Cmdmain, 5040);
    r.Comsave->show();
    r.Comsave->setText(QStringLiteral("EDIT"));
    auto& children = form<Frmchildren>().ui();
    for (int i = 1; i <= 6; ++i) children.Txtchild[i]->setEnabled(true);
    auto& d = form<Frmaddress2>().ui();
    for (QLineEdit* b :
         {d.txtaddress1, d.txtaddress2, d.txtCity, d.txtState, d.txtZip, d.txtPhone, d.TxtFax})
        b->setEnabled(true);
    d.Cmdtoggleaddress->setEnabled(true);
    d.Cmdtoggleaddress->show();
    d.chkForeign->show();
    r.Cmdchildren->setText(children_row_flag == QLatin1String("Y")
                               ? QStringLiteral("EDIT CHILDREN")
                               : QStringLiteral("ADD CHILDREN"));
    children_row_flag = "N";
    initialize_color();
}

void FrmGetAddress::delete_record() {
    auto& record = form<frmAddressRecord>();
    auto& r = record.ui();
    record.set_caption(QStringLiteral("Delete Existing Record"));
    proclock();
    platform::place(r.Comsave, 720, frmAddressRecord::kButtonTop);
    platform::place(r.Comcancel, 2880, frmAddressRecord::kButtonTop);
    platform::set_left(r.Cmdmain, 5040);
    r.Comsave->show();
    r.Comsave->setText(QStringLiteral("DELETE"));
    r.Cmdchildren->setText(QStringLiteral("VIEW CHILDREN"));
    initialize_color();
}

void FrmGetAddress::browse_record() {
    auto& record = form<frmAddressRecord>();
    auto& r = record.ui();
    record.set_caption(QStringLiteral("Browse Existing Record"));
    proclock();
    platform::place(r.Comcancel, 1800, frmAddressRecord::kButtonTop);
    platform::set_left(r.Cmdmain, 4080);
    r.Comsave->hide();
    r.Comsave->setText(QString());
    r.Cmdchildren->setText(QStringLiteral("VIEW CHILDREN"));
    const std::pair<QLineEdit*, QPushButton*> mail[] = {{r.TxtHomeEmail1, r.cmdHEmail1},
                                                        {r.TxtHomeEmail2, r.cmdHEmail2},
                                                        {r.TxtWorkEmail1, r.cmdWEmail1},
                                                        {r.TxtWorkEmail2, r.cmdWEmail2}};
    for (auto [box, button] : mail)
        if (!common::is_blank(box->text())) button->show();
    initialize_color();
}

void FrmGetAddress::proclock() {
    auto& r = form<frmAddressRecord>().ui();
    r.ChkFamilyLabel->setEnabled(false);
    for (QLineEdit* b : {r.TxtFirstName1, r.txtLastName1, r.TxtHomeEmail1, r.TxtWorkEmail1,
                         r.TxtWorkPhone1, r.TxtCellPhone1})
        platform::set_locked(b, true);
    r.ChkHyphen->setEnabled(false);
    r.Chkreverse->setEnabled(false);
    for (QLineEdit* b :
         {r.TxtFirstName2, r.txtlastname2, r.TxtHomeEmail2, r.TxtWorkEmail2, r.TxtWorkPhone2,
          r.TxtCellPhone2, r.txtaddress1, r.txtaddress2, r.txtCity, r.txtState})
        platform::set_locked(b, true);
    r.chkForeign->setEnabled(false);
    for (QLineEdit* b : {r.txtZip, r.TxtHomePhone, r.TxtFaxPhone}) platform::set_locked(b, true);
    for (QWidget* b : {static_cast<QWidget*>(r.Opt1a), static_cast<QWidget*>(r.Opt1b),
                       static_cast<QWidget*>(r.opt1c), static_cast<QWidget*>(r.Opt1d),
                       static_cast<QWidget*>(r.Opt1e), static_cast<QWidget*>(r.Opt1f),
                       static_cast<QWidget*>(r.sal1), static_cast<QWidget*>(r.Opt2a),
                       static_cast<QWidget*>(r.Opt2b), static_cast<QWidget*>(r.Opt2c),
                       static_cast<QWidget*>(r.Opt2d), static_cast<QWidget*>(r.Opt2e),
                       static_cast<QWidget*>(r.sal2)})
        b->setEnabled(false);
    for (int n = 1; n <= 12; ++n) {
        r.Chkcat[n]->setEnabled(false);
        r.Chkcat[n]->setText(platform::typed_caption(category_name(n)));
    }
    auto& children = form<Frmchildren>().ui();
    for (int i = 1; i <= 6; ++i) platform::set_locked(children.Txtchild[i], true);
    auto& d = form<Frmaddress2>().ui();
    for (QLineEdit* b :
         {d.txtaddress1, d.txtaddress2, d.txtCity, d.txtState, d.txtZip, d.txtPhone, d.TxtFax})
        platform::set_locked(b, true);
    d.chkForeign->hide();
    d.Cmdtoggleaddress->hide();
    hide_unnamed_categories();
}
