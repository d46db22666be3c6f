#include "frmCheckEdit.h"

#include "FrmGetAddress.h"
#include "changes/frmRemoveName.h"
#include "editor/Frmaddress2.h"
#include "editor/frmAddressRecord.h"
#include "platform/application.h"
#include "platform/controls.h"

using platform::form;

namespace {
const QString kEdit = QStringLiteral("        EDIT         ");
}

frmCheckEdit::frmCheckEdit() : Form(QStringLiteral("frmCheckEdit")) {}

void frmCheckEdit::build(QWidget* w, frmCheckEdit_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Edit Records"));
    platform::set_client_size(w, 6540, 3180);
    platform::set_back_color(w, platform::color::kGrey);
    c.Label1 = platform::make_label(w, "Label1", QStringLiteral("EDIT RECORDS"), 1920, 120, 2775, 375);
    c.Label1->setFont(QFont(QStringLiteral("Arial"), 15.75, QFont::Bold));
    platform::set_back_color(c.Label1, platform::color::kGrey);
    c.cmdEdit1 = platform::make_wrap_button(w, "cmdEdit1", QString(), 1943, 720, 1215, 1215);
    c.cmdEdit2 = platform::make_wrap_button(w, "cmdEdit2", QString(), 3383, 683, 1215, 1215);
    c.cmdCancel = platform::make_button(w, "cmdCancel", QStringLiteral("MAIN MENU"), 2663, 2123, 1215, 375);
    c.cmdCancel->setDefault(true);
    platform::on_click(c.cmdEdit1, [this] { cmdEdit1_Click(); });
    platform::on_click(c.cmdEdit2, [this] { cmdEdit2_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmCheckEdit::Form_Load() {
    const auto& change = form<frmRemoveName>();
    auto& c = ui();
    c.cmdEdit1->setText(platform::typed_caption(kEdit + change.original_firstname1 + " " +
                                                change.original_lastname1));
    if (change.new_keyname != QLatin1String(" ") && !change.new_keyname.isEmpty()) {
        c.cmdEdit2->show();
        platform::set_left(c.cmdEdit1, 1943);
        c.cmdEdit2->setText(
            platform::typed_caption(kEdit + change.new_firstname1 + " " + change.new_lastname1));
    } else {
        c.cmdEdit2->hide();
        platform::set_left(c.cmdEdit1, 2663);
    }
}

void frmCheckEdit::cmdEdit1_Click() { edit_household(form<frmRemoveName>().original_keyname); }

void frmCheckEdit::cmdEdit2_Click() { edit_household(form<frmRemoveName>().new_keyname); }

void frmCheckEdit::edit_household(const QString& key) {
    auto& picker = form<FrmGetAddress>();
    picker.keyname = key;
    // The picker is put into edit mode first, so the household loads as one to edit.
    picker.ui().ComGetAddress->setText(QStringLiteral("Retrieve Record To Edit"));
    auto& record = form<frmAddressRecord>();
    record.set_help_context_id(2200);
    if (!picker.get_record()) return;
    picker.edit_record();
    form<Frmaddress2>().toggle_switch = "N";
    form<Frmaddress2>().address2_data = "N";
    auto& r = record.ui();
    platform::set_left(r.Comsave, 1920);
    platform::set_left(r.Comcancel, 3960);
    r.Cmdmain->hide();
    r.Cmdaddress2->show();
    r.Cmdchildren->show();
    record.show_modal();
}

void frmCheckEdit::cmdCancel_Click() { unload(); }
