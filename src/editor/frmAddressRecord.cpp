#include "frmAddressRecord.h"

#include "Frmaddress2.h"
#include "Frmchildren.h"
#include "common/keyname.h"
#include "common/vbstring.h"
#include "lookup/FrmGetAddress.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "shell/frmEmail.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"

using common::is_blank;
using common::vb_trim;
using platform::form;
using platform::OptionButton;
using platform::set_back_color;
namespace color = platform::color;

frmAddressRecord::frmAddressRecord() : Form(QStringLiteral("frmAddressRecord")) {}

namespace {

QLabel* label_for(QWidget* parent, const QString& text, int left, int top, int width = 1140) {
    return platform::make_caption(parent, text, left, top, width);
}

QLineEdit* box(QWidget* parent, const char* name, int max, int left, int top, int width) {
    auto* b = platform::make_text(parent, name, max, left, top, width, 315);
    set_back_color(b, color::kWhite);
    return b;
}

}  // namespace

void frmAddressRecord::build(QWidget* w, frmAddressRecord_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Add New Record"));
    platform::set_client_size(w, 11880, kButtonTop + 660);

    // Person 1 and person 2 names.
    label_for(w, QStringLiteral("First Name 1"), 120, 240);
    c.TxtFirstName1 = box(w, "TxtFirstName1", 10, 1380, 240, 1800);
    label_for(w, QStringLiteral("Last Name 1"), 3240, 240);
    c.txtLastName1 = box(w, "txtLastName1", 15, 4500, 240, 2520);
    label_for(w, QStringLiteral("First Name 2"), 120, 780);
    c.TxtFirstName2 = box(w, "TxtFirstName2", 10, 1380, 780, 1800);
    label_for(w, QStringLiteral("Last Name 2"), 3240, 780);
    c.txtlastname2 = box(w, "txtlastname2", 15, 4500, 780, 2520);
    c.ChkHyphen = platform::make_check(w, "ChkHyphen", QString(), 7260, 780, 255, 315);
    auto* hyphen = label_for(w, QStringLiteral("Hyphen"), 7560, 780, 900);
    hyphen->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    c.Chkreverse = platform::make_check(w, "Chkreverse", QString(), 8580, 780, 255, 315);
    auto* reverse = label_for(w, QStringLiteral("Reverse"), 8880, 780, 1000);
    reverse->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Titles.
    c.Frame3 = new QGroupBox(QStringLiteral("Title of Person 1"), w);
    c.Frame3->setObjectName(QStringLiteral("Frame3"));
    platform::place(c.Frame3, 120, 1320, 5640, 780);
    c.Opt1a = platform::make_option(c.Frame3, "Opt1a", QStringLiteral("None"), 120, 330, 840, 315);
    c.Opt1b = platform::make_option(c.Frame3, "Opt1b", QStringLiteral("Mr."), 1020, 330, 660, 315);
    c.opt1c = platform::make_option(c.Frame3, "opt1c", QStringLiteral("Dr."), 1740, 330, 660, 315);
    c.Opt1d = platform::make_option(c.Frame3, "Opt1d", QStringLiteral("Mrs."), 2460, 330, 780, 315);
    c.Opt1e = platform::make_option(c.Frame3, "Opt1e", QStringLiteral("Ms."), 3300, 330, 660, 315);
    c.Opt1f = platform::make_option(c.Frame3, "Opt1f", QString(), 4020, 330, 255, 315);
    c.sal1 = platform::make_text(c.Frame3, "sal1", 8, 4320, 330, 1200, 315);
    c.Frame1 = new QGroupBox(QStringLiteral("Title of Person 2"), w);
    c.Frame1->setObjectName(QStringLiteral("Frame1"));
    platform::place(c.Frame1, 6000, 1320, 5760, 780);
    c.Opt2a = platform::make_option(c.Frame1, "Opt2a", QStringLiteral("Mr."), 120, 330, 660, 315);
    c.Opt2b = platform::make_option(c.Frame1, "Opt2b", QStringLiteral("Dr."), 840, 330, 660, 315);
    c.Opt2c = platform::make_option(c.Frame1, "Opt2c", QStringLiteral("Mrs."), 1560, 330, 780, 315);
    c.Opt2d = platform::make_option(c.Frame1, "Opt2d", QStringLiteral("Ms."), 2400, 330, 660, 315);
    c.Opt2e = platform::make_option(c.Frame1, "Opt2e", QString(), 3120, 330, 255, 315);
    c.sal2 = platform::make_text(c.Frame1, "sal2", 8, 3420, 330, 1200, 315);
    platform::make_option_group({c.Opt1a, c.Opt1b, c.opt1c, c.Opt1d, c.Opt1e, c.Opt1f});
    platform::make_option_group({c.Opt2a, c.Opt2b, c.Opt2c, c.Opt2d, c.Opt2e});
    for (OptionButton* b : {c.Opt1a, c.Opt1b, c.opt1c, c.Opt1d, c.Opt1e, c.Opt1f, c.Opt2a, c.Opt2b,
                            c.Opt2c, c.Opt2d, c.Opt2e})
        set_back_color(b, color::kButtonFace);
    set_back_color(c.sal1, color::kButtonFace);
    set_back_color(c.sal2, color::kButtonFace);
    c.sal1->setEnabled(false);
    c.sal2->setEnabled(false);
    for (OptionButton* b : {c.Opt2a, c.Opt2b, c.Opt2c, c.Opt2d, c.Opt2e}) b->setEnabled(false);

    // Address and household phones.
    label_for(w, QStringLiteral("Address 1"), 120, 2340);
    c.txtaddress1 = box(w, "txtaddress1", 30, 1380, 2340, 4380);
    label_for(w, QStringLiteral("Address 2"), 120, 2880);
    c.txtaddress2 = box(w, "txtaddress2", 30, 1380, 2880, 4380);
    label_for(w, QStringLiteral("City"), 120, 3420);
    c.txtCity = box(w, "txtCity", 20, 1380, 3420, 3000);
    label_for(w, QStringLiteral("State"), 4440, 3420, 600);
    c.txtState = box(w, "txtState", 2, 5160, 3420, 600);
    label_for(w, QStringLiteral("Zip"), 5880, 3420, 480);
    c.txtZip = box(w, "txtZip", 10, 6480, 3420, 1500);
    label_for(w, QStringLiteral("Home Phone"), 120, 3960);
    c.TxtHomePhone = box(w, "TxtHomePhone", 12, 1380, 3960, 1800);
    label_for(w, QStringLiteral("Fax"), 3240, 3960);
    c.TxtFaxPhone = box(w, "TxtFaxPhone", 12, 4500, 3960, 1800);

    // Each person's phones and e-mail, in two columns.
    auto* head1 = label_for(w, QStringLiteral("PERSON 1"), 1380, 4560, 2000);
    auto* head2 = label_for(w, QStringLiteral("PERSON 2"), 7320, 4560, 2000);
    for (QLabel* h : {head1, head2}) {
        h->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QFont f = h->font();
        f.setBold(true);
        h->setFont(f);
    }
    const int rows[] = {4920, 5400, 5880, 6360};
    const QString labels[] = {QStringLiteral("Work Phone"), QStringLiteral("Cell Phone"),
                              QStringLiteral("Home E-Mail"), QStringLiteral("Work E-Mail")};
    for (int i = 0; i < 4; ++i) {
        label_for(w, labels[i], 120, rows[i]);
        label_for(w, labels[i], 6060, rows[i]);
    }
    c.TxtWorkPhone1 = box(w, "TxtWorkPhone1", 12, 1380, rows[0], 1800);
    c.TxtCellPhone1 = box(w, "TxtCellPhone1", 12, 1380, rows[1], 1800);
    c.TxtHomeEmail1 = box(w, "TxtHomeEmail1", 40, 1380, rows[2], 4200);
    c.TxtWorkEmail1 = box(w, "TxtWorkEmail1", 40, 1380, rows[3], 4200);
    c.TxtWorkPhone2 = box(w, "TxtWorkPhone2", 12, 7320, rows[0], 1800);
    c.TxtCellPhone2 = box(w, "TxtCellPhone2", 12, 7320, rows[1], 1800);
    c.TxtHomeEmail2 = box(w, "TxtHomeEmail2", 40, 7320, rows[2], 3960);
    c.TxtWorkEmail2 = box(w, "TxtWorkEmail2", 40, 7320, rows[3], 3960);
    // The design has no second person.
    for (QLineEdit* b :
         {c.txtlastname2, c.TxtHomeEmail2, c.TxtWorkEmail2, c.TxtWorkPhone2, c.TxtCellPhone2}) {
        b->setEnabled(false);
        set_back_color(b, color::kMenu);
    }
    c.ChkHyphen->setEnabled(false);
    c.Chkreverse->setEnabled(false);
    const QString tip = QStringLiteral("Send a message to this email address");
    c.cmdHEmail1 =
        platform::make_button(w, "cmdHEmail1", QStringLiteral("@"), 5640, rows[2], 375, 315);
    c.cmdWEmail1 =
        platform::make_button(w, "cmdWEmail1", QStringLiteral("@"), 5640, rows[3], 375, 315);
    c.cmdHEmail2 =
        platform::make_button(w, "cmdHEmail2", QStringLiteral("@"), 11340, rows[2], 375, 315);
    c.cmdWEmail2 =
        platform::make_button(w, "cmdWEmail2", QStringLiteral("@"), 11340, rows[3], 375, 315);
    for (QPushButton* b : {c.cmdHEmail1, c.cmdWEmail1, c.cmdHEmail2, c.cmdWEmail2}) {
        b->setToolTip(tip);
        b->hide();
    }

    // Family row and the foreign box.
    label_for(w, QStringLiteral("Family Label"), 2460, 6960, 1500);
    c.ChkFamilyLabel = platform::make_check(w, "ChkFamilyLabel", QString(), 4080, 6960, 255, 315);
    QFont family_font(QStringLiteral("Arial"), 10, QFont::Bold);
    c.Label8 = platform::make_label(w, "Label8", QStringLiteral("THE"), 4440, 6960);
    c.LblLastName = platform::make_label(w, "LblLastName", QStringLiteral("LAST NAME"));
    c.Label9 = platform::make_label(w, "Label9", QStringLiteral("FAMILY"));
    for (QLabel* l : {c.Label8, c.LblLastName, c.Label9}) {
        l->setFont(family_font);
        l->adjustSize();
    }
    platform::set_top(c.LblLastName, 6960);
    platform::set_top(c.Label9, 6960);
    // "LAST NAME" ends 50 twips before FAMILY's designed place.
    platform::set_left(c.LblLastName, 6360 - 50 - platform::width(c.LblLastName));
    platform::set_left(c.Label9, 6360);
    c.chkForeign =
        platform::make_check(w, "chkForeign", QStringLiteral("Foreign"), 8880, 6960, 1500, 315);

    // Categories.
    auto* cats = label_for(w, QStringLiteral("CATEGORIES"), 60, 7560, 1200);
    cats->setFont(QFont(QStringLiteral("Arial"), 8, QFont::Bold));
    for (int n = 1; n <= 12; ++n) {
        const int row = (n - 1) / 4;
        const int column = (n - 1) % 4;
        const QByteArray name = "Chkcat" + QByteArray::number(n);
        c.Chkcat[n] = platform::make_check(w, name.constData(), QString(), 1380 + column * 2640,
                                           7560 + row * 420, 2520, 315);
        c.lblinvisible[n] = platform::make_label(
            w, ("lblinvisible" + QByteArray::number(n)).constData(), QString());
        c.lblinvisible[n]->hide();
    }
    c.Lblsecondaddress = platform::make_label(w, "Lblsecondaddress", QString());
    c.Lblsecondaddress->hide();

    c.lblWarning = platform::make_label(w, "lblWarning", QStringLiteral(" "), 120, kButtonTop - 720,
                                        11640, 480);
    c.lblWarning->setAlignment(Qt::AlignCenter);
    QFont warning(QStringLiteral("Arial"), 12, QFont::Bold);
    c.lblWarning->setFont(warning);
    platform::set_fore_color(c.lblWarning, 0x0000C0);

    c.Comsave =
        platform::make_button(w, "Comsave", QStringLiteral("EDIT"), 1800, kButtonTop, 1935, 495);
    c.Comsave->setDefault(true);
    c.Comcancel = platform::make_button(w, "Comcancel", QStringLiteral("CANCEL"), 4080, kButtonTop,
                                        1935, 495);
    c.Cmdmain = platform::make_button(w, "Cmdmain", QStringLiteral("MAIN MENU"), 5040, kButtonTop,
                                      1935, 495);
    c.Cmdchildren = platform::make_button(w, "Cmdchildren", QStringLiteral("ADD CHILDREN"), 7320,
                                          kButtonTop, 2040, 495);
    c.Cmdaddress2 = platform::make_button(w, "Cmdaddress2", QStringLiteral("SECONDARY ADDRESS"),
                                          9540, kButtonTop, 2220, 495);

    // Reading order for the keyboard.
    QWidget* order[] = {
        c.TxtFirstName1, c.txtLastName1,  c.TxtFirstName2, c.txtlastname2,   c.ChkHyphen,
        c.Chkreverse,    c.Opt1a,         c.Opt1b,         c.opt1c,          c.Opt1d,
        c.Opt1e,         c.Opt1f,         c.sal1,          c.Opt2a,          c.Opt2b,
        c.Opt2c,         c.Opt2d,         c.Opt2e,         c.sal2,           c.txtaddress1,
        c.txtaddress2,   c.txtCity,       c.txtState,      c.txtZip,         c.TxtHomePhone,
        c.TxtFaxPhone,   c.TxtWorkPhone1, c.TxtCellPhone1, c.TxtHomeEmail1,  c.cmdHEmail1,
        c.TxtWorkEmail1, c.cmdWEmail1,    c.TxtWorkPhone2, c.TxtCellPhone2,  c.TxtHomeEmail2,
        c.cmdHEmail2,    c.TxtWorkEmail2, c.cmdWEmail2,    c.ChkFamilyLabel, c.chkForeign};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    QWidget* last = c.chkForeign;
    for (int n = 1; n <= 12; ++n) {
        QWidget::setTabOrder(last, c.Chkcat[n]);
        last = c.Chkcat[n];
    }
    for (QWidget* b : {static_cast<QWidget*>(c.Comsave), static_cast<QWidget*>(c.Comcancel),
                       static_cast<QWidget*>(c.Cmdmain), static_cast<QWidget*>(c.Cmdchildren),
                       static_cast<QWidget*>(c.Cmdaddress2)}) {
        QWidget::setTabOrder(last, b);
        last = b;
    }

    // Rules.
    platform::on_change(c.txtLastName1, [this] { txtLastName1_Change(); });
    platform::on_change(c.TxtFirstName2, [this] { TxtFirstName2_Change(); });
    QObject::connect(c.TxtFirstName2, &QLineEdit::editingFinished, c.TxtFirstName2, [this] {
        platform::guarded(QStringLiteral("TxtFirstName2_LostFocus"),
                          [this] { clear_absent_person2(); });
    });
    platform::on_toggle(c.ChkFamilyLabel, [this] { ChkFamilyLabel_Click(); });
    platform::on_toggle(c.ChkHyphen, [this] { ChkHyphen_Click(); });
    for (OptionButton* b : {c.Opt1a, c.Opt1b, c.opt1c, c.Opt1d, c.Opt1e, c.Opt1f})
        platform::on_chosen(b, [this, b] { person1_title_chosen(b); });
    for (OptionButton* b : {c.Opt2a, c.Opt2b, c.Opt2c, c.Opt2d, c.Opt2e})
        platform::on_chosen(b, [this, b] { person2_title_chosen(b); });
    platform::on_click(c.Comsave, [this] { Comsave_Click(); });
    platform::on_click(c.Comcancel, [this] { Comcancel_Click(); });
    platform::on_click(c.Cmdchildren, [this] { Cmdchildren_Click(); });
    platform::on_click(c.Cmdaddress2, [this] { Cmdaddress2_Click(); });
    platform::on_click(c.Cmdmain, [this] { Cmdmain_Click(); });
    const std::pair<QPushButton*, QLineEdit*> mail[] = {{c.cmdHEmail1, c.TxtHomeEmail1},
                                                        {c.cmdHEmail2, c.TxtHomeEmail2},
                                                        {c.cmdWEmail1, c.TxtWorkEmail1},
                                                        {c.cmdWEmail2, c.TxtWorkEmail2}};
    for (auto [button, box] : mail)
        platform::on_click(button, [this, box] { email_button_click(box); });
}

void frmAddressRecord::Form_Load() {
    form<frmOVRA>().email_service = true;
}

void frmAddressRecord::place_family_label() {
    auto& c = ui();
    c.LblLastName->adjustSize();
    platform::set_left(c.Label9,
                       platform::left(c.LblLastName) + platform::width(c.LblLastName) + 50);
}

void frmAddressRecord::txtLastName1_Change() {
    platform::set_autosize_caption(ui().LblLastName, ui().txtLastName1->text().toUpper());
    place_family_label();
}

void frmAddressRecord::ChkFamilyLabel_Click() {
    auto& c = ui();
    const QString last1 = c.txtLastName1->text();
    const QString last2 = c.txtlastname2->text();
    if (last1 == QLatin1String(" ")) return;
    // A household without a second last name shows its one name, not "-SMITH".
    if (last2 == last1 || last2.isEmpty()) {
        platform::set_autosize_caption(c.LblLastName, last1.toUpper());
    } else {
        platform::set_autosize_caption(c.LblLastName, (last2 + "-" + last1).toUpper());
    }
    place_family_label();
}

void frmAddressRecord::ChkHyphen_Click() {
    auto& c = ui();
    if (platform::value(c.ChkHyphen) == 1) {
        c.Chkreverse->setEnabled(true);
    } else {
        c.Chkreverse->setEnabled(false);
        platform::set_value(c.Chkreverse, 0);
    }
}

void frmAddressRecord::TxtFirstName2_Change() {
    auto& c = ui();
    const bool no_person2 = c.TxtFirstName2->text().isEmpty();
    // Person 2's titles are offered only to a second person, and only when person 1 has one.
    const bool titles2 = !no_person2 && !c.Opt1a->isChecked();
    for (OptionButton* b : {c.Opt2a, c.Opt2b, c.Opt2c, c.Opt2d, c.Opt2e}) b->setEnabled(titles2);
    if (!titles2) {
        c.sal2->setEnabled(false);
        set_back_color(c.sal2, color::kButtonFace);
        if (!no_person2) c.sal2->setText(QString());
    } else if (c.Opt2e->isChecked()) {
        c.sal2->setEnabled(true);
        set_back_color(c.sal2, color::kWhite);
    }
    // An empty first name may be a correction in progress: person 2's details are only set
    // aside here, and emptied once the box is left empty (clear_absent_person2).
    QLineEdit* person2[] = {c.txtlastname2, c.TxtHomeEmail2, c.TxtWorkEmail2, c.TxtWorkPhone2,
                            c.TxtCellPhone2};
    for (QLineEdit* b : person2) {
        b->setEnabled(!no_person2);
        set_back_color(b, no_person2 ? color::kMenu : color::kWhite);
    }
    c.ChkHyphen->setEnabled(!no_person2);
    if (!no_person2)
        c.Chkreverse->setEnabled(platform::value(c.ChkHyphen) == 1);
    else
        c.Chkreverse->setEnabled(false);
}

void frmAddressRecord::clear_absent_person2() {
    auto& c = ui();
    if (!c.TxtFirstName2->text().isEmpty()) return;
    for (QLineEdit* b : {c.txtlastname2, c.TxtHomeEmail2, c.TxtWorkEmail2, c.TxtWorkPhone2,
                         c.TxtCellPhone2, c.sal2})
        b->setText(QString());
    platform::set_value(c.ChkHyphen, 0);
}

void frmAddressRecord::person1_title_chosen(OptionButton* button) {
    auto& c = ui();
    OptionButton* group2[] = {c.Opt2a, c.Opt2b, c.Opt2c, c.Opt2d, c.Opt2e};
    const bool person2 = !c.TxtFirstName2->text().isEmpty();
    if (button == c.Opt1f) {
        c.sal1->setEnabled(true);
        set_back_color(c.sal1, color::kWhite);
        if (person2) {
            for (OptionButton* b : group2) {
                b->setEnabled(true);
                set_back_color(b, color::kButtonFace);
            }
            c.sal2->setEnabled(true);
        }
        return;
    }
    c.sal1->setEnabled(false);
    set_back_color(c.sal1, color::kButtonFace);
    c.sal1->setText(QString());
    if (button == c.Opt1a) {
        for (OptionButton* b : group2) {
            b->setChecked(false);
            b->setEnabled(false);
            set_back_color(b, color::kButtonFace);
        }
        c.sal2->setEnabled(false);
        set_back_color(c.sal2, color::kButtonFace);
        c.sal2->setText(QString());
    } else if (person2) {
        for (OptionButton* b : group2) {
            b->setEnabled(true);
            set_back_color(b, color::kButtonFace);
        }
    } else {
        for (OptionButton* b : group2) {
            b->setEnabled(false);
            set_back_color(b, color::kMenu);
        }
        set_back_color(c.sal2, color::kMenu);
    }
}

void frmAddressRecord::person2_title_chosen(OptionButton* button) {
    auto& c = ui();
    if (button == c.Opt2e) {
        c.sal2->setEnabled(true);
        set_back_color(c.sal2, color::kWhite);
    } else {
        c.sal2->setEnabled(false);
        set_back_color(c.sal2, color::kButtonFace);
        c.sal2->setText(QString());
    }
    for (OptionButton* b : {c.Opt2a, c.Opt2b, c.Opt2c, c.Opt2d, c.Opt2e})
        set_back_color(b, color::kButtonFace);
}

void frmAddressRecord::mark(QWidget* control) {
    set_back_color(control, color::kLightRed);
    error_flag = "yes";
}

void frmAddressRecord::check_required_fields() {
    auto& c = ui();
    for (QLineEdit* b : {c.txtLastName1, c.TxtFirstName1, c.TxtFirstName2, c.txtaddress1, c.txtCity,
                         c.txtState, c.txtZip})
        set_back_color(b, color::kWhite);
    OptionButton* group2[] = {c.Opt2a, c.Opt2b, c.Opt2c, c.Opt2d, c.Opt2e};
    for (OptionButton* b : group2) set_back_color(b, color::kButtonFace);

    for (QLineEdit* b : {c.TxtFirstName1, c.txtLastName1, c.TxtFirstName2, c.txtlastname2,
                         c.txtaddress1, c.txtCity, c.txtState, c.txtZip})
        b->setText(vb_trim(b->text()));

    auto last1 = [&] { return c.txtLastName1->text(); };
    auto first1 = [&] { return c.TxtFirstName1->text(); };
    auto first2 = [&] { return c.TxtFirstName2->text(); };
    auto last2 = [&] { return c.txtlastname2->text(); };
    const bool hyphen = platform::value(c.ChkHyphen) == 1;

    if (is_blank(last1())) mark(c.txtLastName1);
    if (is_blank(first1())) mark(c.TxtFirstName1);
    // The key is "LAST, FIRST": a comma in either name would split it wrongly.
    bool comma = false;
    for (QLineEdit* b : {c.txtLastName1, c.TxtFirstName1})
        if (b->text().contains(QLatin1Char(','))) {
            mark(b);
            comma = true;
        }
    if (is_blank(last2()) && !is_blank(first2())) {
        if (is_blank(last1())) {
            mark(c.txtLastName1);
        } else {
            c.txtlastname2->setText(last1());
        }
    }
    if (is_blank(first2()) && !is_blank(last2())) mark(c.TxtFirstName2);
    if (hyphen && first2().isEmpty()) mark(c.TxtFirstName2);
    if (hyphen && last2().isEmpty()) mark(c.txtlastname2);
    if (hyphen && !last2().isEmpty() && last2() == last1()) {
        c.txtlastname2->setText(QString());
        mark(c.txtlastname2);
    }

    // The family row follows the names (display only).
    if (!hyphen) {
        platform::set_autosize_caption(c.LblLastName, last1().toUpper());
        place_family_label();
    }
    if (last1() != last2() && !last2().isEmpty()) {
        platform::set_autosize_caption(c.LblLastName, (last1() + "-" + last2()).toUpper());
        place_family_label();
    }

    if (is_blank(c.txtaddress1->text())) mark(c.txtaddress1);
    if (is_blank(c.txtCity->text())) mark(c.txtCity);
    const bool foreign = platform::value(c.chkForeign) == 1;
    if (is_blank(c.txtState->text()) && !foreign) mark(c.txtState);
    if (!foreign) {
        const QString zip = c.txtZip->text();
        if (is_blank(zip) || !common::is_zip(zip)) mark(c.txtZip);
    }

    const bool person1_titled = c.Opt1b->isChecked() || c.opt1c->isChecked() ||
                                c.Opt1d->isChecked() || c.Opt1e->isChecked() ||
                                c.Opt1f->isChecked();
    bool person2_titled = false;
    for (OptionButton* b : group2) person2_titled = person2_titled || b->isChecked();
    if (person1_titled && !person2_titled && (!first2().isEmpty() || !last2().isEmpty())) {
        for (OptionButton* b : group2) set_back_color(b, color::kLightRed);
        error_flag = "yes";
    }
    if (c.Opt1f->isChecked() && is_blank(c.sal1->text())) mark(c.sal1);
    if (c.Opt2e->isChecked() && is_blank(c.sal2->text()) && last2() == last1()) mark(c.sal2);

    c.lblWarning->setText(error_flag != "yes" ? QStringLiteral(" ")
                          : comma ? QStringLiteral("NO COMMA IN NAMES: RED FIELDS REQUIRED")
                                  : QStringLiteral("RED FIELDS REQUIRED"));
}

void frmAddressRecord::Comsave_Click() {
    auto& c = ui();
    QFont f = c.lblWarning->font();
    f.setPointSize(12);
    c.lblWarning->setFont(f);
    error_flag = "no";
    const bool deleting = c.Comsave->text() == QLatin1String("DELETE");
    const bool adding = !deleting && caption() == QLatin1String("Add New Record");
    if (!deleting) check_required_fields();
    keyname = form<FrmGetAddress>().hold_keyname;
    if (error_flag != "no") return;
    if (!address_book_available()) return;
    use_household_table();
    if (!adding && !seek_key(keyname)) {
        platform::msgbox(QStringLiteral("This household is no longer in the address book."),
                         platform::vbExclamation, QStringLiteral("Record Not Found"));
        return;
    }
    set_back_color(c.txtLastName1, color::kWhite);
    form<frmOVRA>().set_enabled(true);

    if (deleting) {
        try {
            platform::Transaction t(Data1());
            Data1().delete_row();
            // Every row under the key goes with the household.
            for (const char* table : {"Children", "Address"}) {
                open_table(QString::fromLatin1(table));
                if (seek_key(keyname)) Data1().delete_row();
            }
            open_table(QStringLiteral("OVRAData"));
            t.commit();
        } catch (const platform::VbError& e) {
            platform::msgbox(
                QStringLiteral("The household could not be deleted.\n%1").arg(e.description()),
                platform::vbExclamation, QStringLiteral("Delete Failed"));
            return;
        }
        second_address_saved = "N";
        subtract_category_counts();
        unlock_fields();
    } else if (adding) {
        Data1().add_new();
        update_type = "ADD";
        if (add_record() != Outcome::Stored) return;
        add_category_counts();
    } else {
        Data1().edit();
        const QString children = c.Cmdchildren->text();
        update_type = children == QLatin1String("ADD CHILDREN") ? QStringLiteral("ADD")
                      : chkchildren == 0                        ? QStringLiteral("DELETE")
                                                                : QStringLiteral("EDIT");
        if (add_record() != Outcome::Stored) return;
        update_category_counts();
    }

    form<frmOVRA>().write_storefile();
    refresh_main_window();
    unload();
    if (deleting) form<FrmGetAddress>().unload();
}

void frmAddressRecord::refresh_main_window() {
    auto& main = form<frmOVRA>();
    auto& m = main.ui();
    const int count = household_count();
    main.show_record_count(count);
    main.set_record_items(count != 0);
    for (int n = 1; n <= 12; ++n)
        if (!m.Label[n]->text().isEmpty())
            m.lblcatcount[n]->setText(QString::number(main.catcount[n]));
}

void frmAddressRecord::Comcancel_Click() {
    if (may_close && !may_close()) return;
    if (addnew_pending == QLatin1String("yes"))
        platform::resume_next([] { Data1().cancel_update(); });
    addnew_pending = "no";
    unlock_fields();
    unload();
    auto& main = form<frmOVRA>();
    main.set_enabled(true);
    main.show_record_count(household_count());
    form<Frmaddress2>().unload();
}

void frmAddressRecord::Cmdmain_Click() {
    auto& c = ui();
    for (QPushButton* b : {c.cmdHEmail1, c.cmdHEmail2, c.cmdWEmail1, c.cmdWEmail2}) b->hide();
    unlock_fields();
    hide();
    form<FrmGetAddress>().hide();
    form<Frmaddress2>().unload();
    unload();
    form<FrmGetAddress>().unload();
}

void frmAddressRecord::email_button_click(QLineEdit* address) {
    auto& main = form<frmOVRA>();
    main.email_path = "mail";
    if (main.email_service) {
        // The mail form reports its own failures; one it gave up on is passed over here.
        platform::resume_next([&] {
            form<frmEmail>().ui().txtSendTo->setText(address->text());
            show_email_form();
        });
    }
    main.email_service = true;
}

void frmAddressRecord::show_email_form() {
    auto& mail = form<frmEmail>();
    mail.set_help_context_id(3210);
    mail.show_modal();
}

void frmAddressRecord::unlock_fields() {
    auto& c = ui();
    if (!platform::locked(c.TxtFirstName1)) return;
    for (QLineEdit* b :
         {c.TxtFirstName1, c.txtLastName1, c.TxtHomeEmail1, c.TxtWorkEmail1, c.TxtWorkPhone1,
          c.TxtCellPhone1, c.TxtFirstName2, c.txtlastname2, c.TxtHomeEmail2, c.TxtWorkEmail2,
          c.TxtWorkPhone2, c.TxtCellPhone2, c.txtaddress1, c.txtaddress2, c.txtCity, c.txtState,
          c.txtZip, c.TxtHomePhone, c.TxtFaxPhone})
        platform::set_locked(b, false);
    auto& children = form<Frmchildren>().ui();
    for (int i = 1; i <= 6; ++i) platform::set_locked(children.Txtchild[i], false);
    auto& d = form<Frmaddress2>().ui();
    for (QLineEdit* b :
         {d.txtaddress1, d.txtaddress2, d.txtCity, d.txtState, d.txtZip, d.txtPhone, d.TxtFax})
        platform::set_locked(b, false);
}

common::AddressRecord frmAddressRecord::household_from_form() {
    auto& c = ui();
    auto flag = [](QCheckBox* b) {
        return platform::value(b) == 1 ? QStringLiteral("Y") : QStringLiteral("N");
    };
    common::AddressRecord r;
    r.keyname = keyname;
    r.home_email_1 = c.TxtHomeEmail1->text();
    r.work_email_1 = c.TxtWorkEmail1->text();
    r.work_phone_1 = c.TxtWorkPhone1->text();
    r.cell_phone_1 = c.TxtCellPhone1->text();
    r.first_name_2 = c.TxtFirstName2->text();
    r.last_name_2 = c.txtlastname2->text();
    r.home_email_2 = c.TxtHomeEmail2->text();
    r.work_email_2 = c.TxtWorkEmail2->text();
    r.work_phone_2 = c.TxtWorkPhone2->text();
    r.cell_phone_2 = c.TxtCellPhone2->text();
    r.address_1 = c.txtaddress1->text();
    r.address_2 = c.txtaddress2->text();
    r.city = c.txtCity->text();
    r.state = c.txtState->text();
    r.zip = c.txtZip->text();
    r.home_phone = c.TxtHomePhone->text();
    r.home_fax = c.TxtFaxPhone->text();
    r.sal1 = c.sal1->text();
    r.sal2 = c.sal2->text();
    r.childflag = chkchildren;
    r.foreign_check = flag(c.chkForeign);
    r.last_name_check = flag(c.ChkFamilyLabel);
    r.last_name_hyphen = flag(c.ChkHyphen);
    r.last_name_reverse = flag(c.Chkreverse);
    const OptionButton* titles1[] = {c.Opt1a, c.Opt1b, c.opt1c, c.Opt1d, c.Opt1e, c.Opt1f};
    for (int i = 0; i < 6 && !r.option1; ++i)
        if (titles1[i]->isChecked()) r.option1 = QString::number(i + 1);
    const OptionButton* titles2[] = {c.Opt2a, c.Opt2b, c.Opt2c, c.Opt2d, c.Opt2e};
    r.option2 = QStringLiteral("0");
    for (int i = 0; i < 5; ++i)
        if (titles2[i]->isChecked()) {
            r.option2 = QString::number(i + 1);
            break;
        }
    for (int n = 1; n <= 12; ++n) r.category[n] = platform::value(c.Chkcat[n]) == 0 ? "N" : "Y";
    r.second_address = save_address2_flag;
    return normalized(std::move(r));
}

common::AddressRecord frmAddressRecord::normalized(common::AddressRecord r) {
    for (QString* text :
         {&r.home_email_1, &r.work_email_1, &r.work_phone_1, &r.cell_phone_1, &r.home_email_2,
          &r.work_email_2, &r.work_phone_2, &r.cell_phone_2, &r.home_phone, &r.home_fax})
        *text = vb_trim(*text);
    for (QString* text :
         {&r.first_name_2, &r.last_name_2, &r.address_1, &r.address_2, &r.city, &r.state, &r.zip})
        *text = vb_trim(*text).toUpper();
    r.sal1 = r.sal1.toUpper();
    r.sal2 = r.sal2.toUpper();
    // A household without a second person keeps nothing of one: no title, name or contacts.
    if (r.first_name_2.isEmpty()) {
        r.option2 = QStringLiteral("0");
        for (QString* text : {&r.sal2, &r.last_name_2, &r.home_email_2, &r.work_email_2,
                              &r.work_phone_2, &r.cell_phone_2})
            text->clear();
        r.last_name_hyphen = QStringLiteral("N");
        r.last_name_reverse = QStringLiteral("N");
    }
    return r;
}

frmAddressRecord::Outcome frmAddressRecord::add_record() {
    auto& c = ui();
    auto& data = Data1();
    const bool editing = data.edit_mode() == platform::DataControl::EditMode::Edit;
    const QString old_key =
        editing ? common::text_field(data, QStringLiteral("keyname")) : QString();
    keyname = common::build_keyname(c.txtLastName1->text(), c.TxtFirstName1->text());
    // First name 2 left empty: person 2's details go, on the form and in the row.
    clear_absent_person2();
    error_flag = "no";
    addnew_pending = "no";

    const bool with_children = chkchildren > 0;
    std::optional<common::ChildrenRecord> children;
    if (with_children) {
        children.emplace();
        auto& boxes = form<Frmchildren>().ui();
        for (int i = 1; i <= 6; ++i) children->child[i] = boxes.Txtchild[i]->text();
    }
    std::optional<common::SecondAddressRecord> second;
    if (save_second_Address) {
        auto& d = form<Frmaddress2>().ui();
        second.emplace();
        second->address1 = d.txtaddress1->text();
        second->address2 = d.txtaddress2->text();
        second->city = d.txtCity->text();
        second->state = d.txtState->text();
        second->zip = d.txtZip->text();
        second->foreign_check = platform::value(d.chkForeign) == 1 ? "Y" : "N";
        second->phone = d.txtPhone->text();
        second->fax = d.TxtFax->text();
    }

    switch (store_household(household_from_form(), old_key, children, second, delete_second_Address,
                            rows_with_save)) {
        case Outcome::Stored:
            break;
        case Outcome::Duplicate:
            set_back_color(c.TxtFirstName1, color::kLightRed);
            set_back_color(c.txtLastName1, color::kLightRed);
            {
                QFont f = c.lblWarning->font();
                f.setPointSize(10);
                c.lblWarning->setFont(f);
            }
            c.lblWarning->setText(QStringLiteral("RECORD ALREADY EXISTS"));
            error_flag = "yes";
            // Only a new row is left to discard; a refused edit changed nothing.
            addnew_pending = editing ? "no" : "yes";
            return Outcome::Duplicate;
        case Outcome::Failed:
            error_flag = "yes";
            platform::msgbox(
                QStringLiteral("The household could not be saved; nothing was changed.\n%1")
                    .arg(failure_reason),
                platform::vbExclamation, QStringLiteral("Save Failed"));
            return Outcome::Failed;
    }

    // Only now that every row is stored do the form and its dialogs take the outcome.
    if (save_second_Address) {
        save_address2_flag = "Y";
        second_address_saved = "Y";
        c.Lblsecondaddress->setText(QStringLiteral("Y"));
        form<Frmaddress2>().unload();
    } else {
        save_address2_flag = "N";
    }
    college_add = "N";
    if (with_children) form<Frmchildren>().unload();
    return Outcome::Stored;
}

namespace {

// A side row is found by its key: edited when there, added when not, so an orphan row left
// under the key never turns a save into a duplicate.
template <typename Row>
void store_side_row(const QString& table, const QString& key, Row& row) {
    auto& data = Data1();
    open_table(table);
    if (seek_key(key)) {
        data.edit();
    } else {
        data.add_new();
    }
    row.keyname = key;
    row.write_to(data);
    data.update();
}

}  // namespace

frmAddressRecord::Outcome frmAddressRecord::add_household(
    common::AddressRecord household, const std::optional<common::ChildrenRecord>& children,
    const std::optional<common::SecondAddressRecord>& second) {
    auto& data = Data1();
    use_household_table();
    data.add_new();
    return store_household(normalized(std::move(household)), QString(), children, second, false,
                           {});
}

frmAddressRecord::Outcome frmAddressRecord::store_household(
    const common::AddressRecord& household, const QString& old_key,
    std::optional<common::ChildrenRecord> children,
    std::optional<common::SecondAddressRecord> second, bool delete_second,
    const std::function<void()>& more_rows) {
    auto& data = Data1();
    const QString& key = household.keyname;
    household.write_to(data);
    try {
        platform::Transaction t(data);
        try {
            data.update();
        } catch (const platform::VbError& e) {
            if (e.number() != platform::kErrDuplicateKey) throw;
            return Outcome::Duplicate;
        }
        // A renamed household takes its children and second address along.
        if (!old_key.isEmpty() && old_key != key) {
            for (const char* table : {"Children", "Address"}) {
                open_table(QString::fromLatin1(table));
                if (seek_key(old_key)) {
                    data.edit();
                    data.set_field(QStringLiteral("keyname"), key);
                    data.update();
                }
            }
        }
        if (second) {
            store_side_row(QStringLiteral("Address"), key, *second);
        } else if (delete_second) {
            open_table(QStringLiteral("Address"));
            if (seek_key(key)) data.delete_row();
        }
        if (children) {
            store_side_row(QStringLiteral("Children"), key, *children);
        } else if (update_type == QLatin1String("DELETE")) {
            open_table(QStringLiteral("Children"));
            if (seek_key(key)) data.delete_row();
        }
        if (more_rows) more_rows();
        use_household_table();
        seek_key(key);
        t.commit();
    } catch (const platform::VbError& e) {
        failure_reason = e.description();
        platform::resume_next([] { use_household_table(); });
        return Outcome::Failed;
    }
    return Outcome::Stored;
}

void frmAddressRecord::add_category_counts() {
    auto& main = form<frmOVRA>();
    for (int n = 1; n <= 12; ++n)
        if (platform::value(ui().Chkcat[n]) == 1) ++main.catcount[n];
}

void frmAddressRecord::subtract_category_counts() {
    auto& main = form<frmOVRA>();
    for (int n = 1; n <= 12; ++n)
        if (platform::value(ui().Chkcat[n]) == 1) --main.catcount[n];
}

void frmAddressRecord::update_category_counts() {
    auto& main = form<frmOVRA>();
    for (int n = 1; n <= 12; ++n) {
        const int now = platform::value(ui().Chkcat[n]);
        if (ui().lblinvisible[n]->text().toInt() == now) continue;
        if (now == 0) {
            --main.catcount[n];
        } else {
            ++main.catcount[n];
        }
    }
}

void frmAddressRecord::reset_second_address() {
    save_second_Address = false;
    delete_second_Address = false;
    save_address2_flag = "N";
    second_address_saved = "N";
    college_add = "N";
    auto& dialog = form<Frmaddress2>();
    dialog.unload();
    dialog.toggle_switch = "N";
    dialog.address2_data = "N";
}

void frmAddressRecord::Cmdaddress2_Click() {
    auto& c = ui();
    auto& dialog = form<Frmaddress2>();
    auto& d = dialog.ui();
    keyname = c.txtLastName1->text() + QStringLiteral(", ") + c.TxtFirstName1->text();
    if (is_blank(d.txtaddress1->text())) second_address_saved = "N";
    const QString mode = c.Comsave->text();
    const bool has_second = c.Lblsecondaddress->text() == QLatin1String("Y");
    if (mode != QLatin1String("SAVE") && has_second && dialog.address2_data != QLatin1String("Y") &&
        dialog.toggle_switch == QLatin1String("N")) {
        if (college_add != QLatin1String("Y")) {
            open_table(QStringLiteral("Address"));
            // Only the household's own row is shown; without one the dialog stays empty.
            if (seek_key(keyname)) {
                const auto r = common::SecondAddressRecord::read_from(Data1());
                keyname = r.keyname;
                d.txtaddress1->setText(r.address1);
                d.txtaddress2->setText(r.address2);
                d.txtCity->setText(r.city);
                d.txtState->setText(r.state);
                d.txtZip->setText(r.zip);
                d.txtPhone->setText(r.phone);
                d.TxtFax->setText(r.fax);
                platform::set_value(d.chkForeign, r.foreign_check == QLatin1String("Y") ? 1 : 0);
                second_address_saved = "Y";
            } else {
                second_address_saved = "N";
            }
        }
        open_table(QStringLiteral("OVRAData"));
    }
    QWidget* fields[] = {d.txtaddress1, d.txtaddress2, d.txtCity,  d.txtState,
                         d.txtZip,      d.chkForeign,  d.txtPhone, d.TxtFax};
    for (QWidget* f : fields) f->setEnabled(true);

    int help;
    auto show_only = [&d](std::initializer_list<QPushButton*> shown) {
        for (QPushButton* b : {d.Cmdsave, d.Cmddelete, d.cmdCancel, d.Cmdbypass})
            b->setVisible(std::find(shown.begin(), shown.end(), b) != shown.end());
    };
    if (mode == QLatin1String("SAVE") || (mode == QLatin1String("EDIT") && !has_second)) {
        show_only({d.Cmdsave, d.Cmdbypass});
        platform::place(d.Cmdsave, 2280, 2040);
        platform::place(d.Cmdbypass, 4440, 2040);
        d.Cmdtoggleaddress->hide();
        help = 1200;
    } else if (mode == QLatin1String("EDIT") && second_address_saved == QLatin1String("Y")) {
        show_only({d.Cmdsave, d.Cmddelete, d.cmdCancel});
        platform::place(d.Cmdsave, 1680, 2040);
        platform::place(d.Cmddelete, 3360, 2040);
        platform::place(d.cmdCancel, 5040, 2040);
        d.Cmdtoggleaddress->show();
        help = 2220;
    } else if ((mode == QLatin1String("EDIT") && second_address_saved == QLatin1String("N")) ||
               second_address_saved.isEmpty()) {
        show_only({d.Cmdsave, d.cmdCancel});
        platform::place(d.Cmdsave, 2280, 2040);
        platform::place(d.cmdCancel, 4440, 2040);
        d.Cmdtoggleaddress->hide();
        help = 3220;
    } else {
        show_only({d.cmdCancel});
        platform::place(d.cmdCancel, 3360, 2040);
        for (QWidget* f : fields) f->setEnabled(false);
        help = 3220;
    }

    d.lblWarning->setText(QString());
    dialog.original_address1 = d.txtaddress1->text();
    dialog.original_address2 = d.txtaddress2->text();
    dialog.original_city = d.txtCity->text();
    dialog.original_state = d.txtState->text();
    dialog.original_zip = d.txtZip->text();
    dialog.original_foreign = QString::number(platform::value(d.chkForeign));
    dialog.original_phone = d.txtPhone->text();
    dialog.original_fax = d.TxtFax->text();
    for (QLineEdit* b : {d.txtaddress1, d.txtCity, d.txtState, d.txtZip})
        set_back_color(b, color::kWindow);
    dialog.original_save_request = save_second_Address;
    save_second_Address = false;
    dialog.set_help_context_id(help);
    dialog.show_modal();
}

void frmAddressRecord::Cmdchildren_Click() {
    auto& dialog = form<Frmchildren>();
    auto& d = dialog.ui();
    platform::set_client_size(dialog.widget(), Frmchildren::kWidth, 4440);
    for (int i = 1; i <= 6; ++i) {
        d.Label[i]->show();
        d.Txtchild[i]->show();
    }
    const QString mode = ui().Comsave->text();
    if (mode == QLatin1String("EDIT") || mode == QLatin1String("SAVE")) {
        d.Comsave->show();
        platform::place(d.Comsave, 1440, 3600);
        platform::place(d.Comcancel, 3240, 3600);
        d.Labelheading->setText(
            QStringLiteral("Enter The Names Of Children Living At This Address"));
    } else {
        d.Comsave->hide();
        platform::place(d.Comcancel, 2400, 3600);
        d.Labelheading->setText(QString(27, QLatin1Char(' ')) +
                                QStringLiteral("Children Living At This Address"));
        // Only the rows up to the last name are shown, so no child is hidden behind an empty box.
        int rows = 1;
        for (int i = 2; i <= 6; ++i)
            if (!d.Txtchild[i]->text().isEmpty()) rows = i;
        static const int kCancelTop[] = {0, 1200, 1680, 2160, 2640, 3120, 3600};
        static const int kHeight[] = {0, 1980, 2475, 2955, 3450, 3930, 4440};
        for (int i = rows + 1; i <= 6; ++i) {
            d.Label[i]->hide();
            d.Txtchild[i]->hide();
        }
        platform::set_top(d.Comcancel, kCancelTop[rows]);
        platform::set_client_size(dialog.widget(), Frmchildren::kWidth, kHeight[rows]);
    }
    if (chkchildren == 0)
        for (int i = 1; i <= 6; ++i) d.Txtchild[i]->setText(QString());
    for (int i = 1; i <= 6; ++i) dialog.holdchild[i] = d.Txtchild[i]->text();
    const QString children = ui().Cmdchildren->text();
    dialog.set_help_context_id(children == QLatin1String("ADD CHILDREN")    ? 1400
                               : children == QLatin1String("EDIT CHILDREN") ? 2240
                                                                            : 3240);
    dialog.show_modal();
}
