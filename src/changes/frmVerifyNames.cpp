#include "frmVerifyNames.h"

#include "common/keyname.h"
#include "common/records.h"
#include "common/vbstring.h"
#include "editor/frmAddressRecord.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "shell/frmdatabase.h"

using common::is_blank;
using common::vb_trim;
using platform::form;
using platform::set_back_color;
namespace color = platform::color;

namespace {
// A key is "LAST, FIRST": a comma inside a name would split it in the wrong place.
const QString kNoComma = QStringLiteral("NO COMMA IN A NAME");
}  // namespace

frmVerifyNames::frmVerifyNames() : Form(QStringLiteral("frmVerifyNames")) {}

void frmVerifyNames::build(QWidget* w, frmVerifyNames_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Verify Names"));
    platform::set_client_size(w, kWidth, 5610);
    const QFont heading(QStringLiteral("Arial"), 9.75, QFont::Bold);
    auto row_label = [w](const char* name, const QString& caption, int top) {
        QLabel* l = platform::make_label(w, name, caption, 240, top, 2160, 315);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    auto row_box = [w](const char* name, int top, int width = 3600) {
        QLineEdit* b = platform::make_text(w, name, 0, 2520, top, width, 315);
        set_back_color(b, color::kWindow);
        return b;
    };

    c.lblHeading = platform::make_label(w, "lblHeading", QStringLiteral("VERIFY INFORMATION"), 240,
                                        120, 6000, 315);
    c.lblHeading->setFont(heading);
    c.lblHeading->setAlignment(Qt::AlignCenter);
    c.lblfirstname2 = row_label("lblfirstname2", QString(), 600);
    c.txtlastname2 = row_box("txtlastname2", 600);
    c.lblWarning = platform::make_label(w, "lblWarning", QString(), 240, 1080, 6000, 375);
    c.lblWarning->setAlignment(Qt::AlignCenter);
    c.lblWarning->setFont(heading);
    platform::set_fore_color(c.lblWarning, color::kLightRed);
    // Its messages are captions: "&&" shows as one ampersand.
    c.lblWarning->setBuddy(c.txtlastname2);

    c.lbladdress1 = row_label("lbladdress1", QStringLiteral("Address 1:"), 1560);
    c.txtaddress1 = row_box("txtaddress1", 1560);
    c.lblAddress2 = row_label("lblAddress2", QStringLiteral("Address 2:"), 1980);
    c.txtaddress2 = row_box("txtaddress2", 1980);
    c.lblCity = row_label("lblCity", QStringLiteral("City: "), 2400);
    c.txtCity = row_box("txtCity", 2400);
    c.lblState = row_label("lblState", QStringLiteral("State:"), 2820);
    c.txtState = row_box("txtState", 2820, 600);
    c.lblZip = platform::make_label(w, "lblZip", QStringLiteral("Zip:"), 3240, 2820, 600, 315);
    c.lblZip->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.txtZip = platform::make_text(w, "txtZip", 0, 3960, 2820, 1500, 315);
    set_back_color(c.txtZip, color::kWindow);
    c.chkForeign = platform::make_check(w, "chkForeign", QString(), 2520, 3240, 255, 315);
    c.lblForeign =
        platform::make_label(w, "lblForeign", QStringLiteral("Foreign"), 2820, 3240, 1200, 315);

    c.lblSpouseHeading = platform::make_label(
        w, "lblSpouseHeading", QStringLiteral("VERIFY SPOUSE INFORMATION"), 240, 3720, 6000, 315);
    c.lblSpouseHeading->setFont(heading);
    c.lblSpouseHeading->setAlignment(Qt::AlignCenter);
    c.lblfirstname1 = row_label("lblfirstname1", QString(), 4200);
    c.txtLastName1 = row_box("txtLastName1", 4200);
    for (QWidget* x :
         {static_cast<QWidget*>(c.lblSpouseHeading), static_cast<QWidget*>(c.lblfirstname1),
          static_cast<QWidget*>(c.txtLastName1)})
        x->hide();

    c.cmdContinue =
        platform::make_button(w, "cmdContinue", QStringLiteral("CONTINUE"), 2520, 4800, 1455, 495);
    c.cmdContinue->setDefault(true);
    platform::on_click(c.cmdContinue, [this] { cmdContinue_Click(); });
}

void frmVerifyNames::close_box() {
    if (!is_loaded()) return;
    cancelled = true;
    hide();
}

void frmVerifyNames::refuse(QWidget* box, const QString& message) {
    error_flag_ = true;
    message_ = message;
    set_back_color(box, color::kLightRed);
}

QString frmVerifyNames::taken_key(const QStringList& keys) {
    for (int i = 0; i < keys.size(); ++i) {
        const QString& key = keys[i];
        for (int j = 0; j < i; ++j)
            if (keys[j].compare(key, Qt::CaseInsensitive) == 0) return key;
        bool free = false;
        for (const QString& f : free_keys) free = free || f.compare(key, Qt::CaseInsensitive) == 0;
        if (free) continue;
        // A lookup that cannot read the table counts as not found.
        bool found = false;
        platform::resume_next([&] {
            open_table(QStringLiteral("OVRAData"));
            found = seek_key(key);
        });
        if (found) return key;
    }
    return {};
}

void frmVerifyNames::cmdContinue_Click() {
    auto& c = ui();
    const bool switching = call_from_form == QLatin1String("GetAddress");
    error_flag_ = false;
    message_.clear();
    c.lblWarning->setText(QString());

    auto trim_upper = [](QLineEdit* b) { b->setText(vb_trim(b->text().toUpper())); };
    auto valid = [](QLineEdit* b) { set_back_color(b, color::kWindow); };

    if (!c.txtLastName1->isHidden()) {
        const QString spouse = c.txtLastName1->text();
        if (is_blank(spouse)) {
            refuse(c.txtLastName1, QStringLiteral("ENTER LAST NAME"));
        } else if (spouse.contains(QLatin1Char(','))) {
            refuse(c.txtLastName1, kNoComma);
        } else {
            if (switching) {
                if (spouse.mid(1, spouse.size() - 2).contains(QLatin1Char('-'))) {
                    refuse(c.txtLastName1, QStringLiteral("HYPHENATED NAME INVALID"));
                } else {
                    form<frmAddressRecord>().ui().txtlastname2->setText(vb_trim(spouse).toUpper());
                }
            }
            // Stored names are upper case, the spouse's included.
            if (!error_flag_) {
                valid(c.txtLastName1);
                trim_upper(c.txtLastName1);
            }
        }
    }
    if (!c.txtZip->isHidden() && is_blank(c.txtZip->text())) {
        if (platform::value(c.chkForeign) == 0) {
            refuse(c.txtZip, QStringLiteral("ENTER ZIP CODE"));
        } else {
            valid(c.txtZip);
            c.txtZip->setText(vb_trim(c.txtZip->text()));
        }
    }
    const std::pair<QLineEdit*, const char*> required[] = {{c.txtState, "ENTER STATE ABBREV"},
                                                           {c.txtCity, "ENTER CITY"}};
    for (auto [box, message] : required) {
        if (box->isHidden()) continue;
        if (is_blank(box->text())) {
            refuse(box, QString::fromLatin1(message));
        } else {
            valid(box);
            trim_upper(box);
        }
    }
    if (!c.txtaddress2->isHidden() && !is_blank(c.txtaddress2->text())) trim_upper(c.txtaddress2);
    if (!c.txtaddress1->isHidden()) {
        if (is_blank(c.txtaddress1->text())) {
            refuse(c.txtaddress1, QStringLiteral("ENTER ADDRESS 1"));
        } else {
            valid(c.txtaddress1);
            trim_upper(c.txtaddress1);
        }
    }

    const QString main_box = c.txtlastname2->text();
    if (is_blank(main_box)) {
        refuse(c.txtlastname2,
               switching ? QStringLiteral("ENTER NAME") : QStringLiteral("ENTER LAST NAME"));
    } else if (main_box.contains(QLatin1Char(','))) {
        refuse(c.txtlastname2, kNoComma);
    } else {
        QStringList keys;
        if (switching) {
            // The last blank inside the name parts first names from the last name.
            int blank = -1;
            for (int i = 1; i < main_box.size() - 1; ++i)
                if (main_box[i] == QLatin1Char(' ')) blank = i;
            if (blank < 0) {
                refuse(c.txtlastname2, QStringLiteral("ENTER FIRST && LAST NAME"));
            } else {
                auto& r = form<frmAddressRecord>().ui();
                r.TxtFirstName1->setText(vb_trim(main_box.left(blank)).toUpper());
                r.txtLastName1->setText(vb_trim(main_box.mid(blank + 1)).toUpper());
                keys << common::build_keyname(r.txtLastName1->text(), r.TxtFirstName1->text());
            }
        }
        if (!error_flag_) {
            // A removal's keys are built from the boxes as they will be taken.
            if (!switching && keys_to_write) {
                trim_upper(c.txtlastname2);
                keys = keys_to_write();
            }
            if (!taken_key(keys).isEmpty())
                refuse(c.txtlastname2, QStringLiteral("NAME ALREADY ON DATABASE"));
        }
    }

    if (!error_flag_) {
        valid(c.txtlastname2);
        trim_upper(c.txtlastname2);
        hide();
    } else {
        c.lblWarning->setText(message_);
    }
}
