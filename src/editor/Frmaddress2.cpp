#include "Frmaddress2.h"

#include "common/vbstring.h"
#include "frmAddressRecord.h"
#include "lookup/FrmGetAddress.h"
#include "platform/application.h"
#include "platform/controls.h"

using common::is_blank;
using common::vb_trim;
using platform::form;
using platform::set_back_color;
namespace color = platform::color;

Frmaddress2::Frmaddress2() : Form(QStringLiteral("Frmaddress2")) {}

void Frmaddress2::build(QWidget* w, Frmaddress2_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Secondary Address"));
    platform::set_client_size(w, 7665, 2730);
    set_back_color(w, 0xE0E0E0);
    c.lblHeading = platform::make_label(w, "lblHeading", QStringLiteral("Secondary Address"), 240,
                                        240, 3000, 375);
    c.lblHeading->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));

    // The left column's captions need more room than the design's system font took.
    platform::make_caption(w, QStringLiteral("Address 1"), 60, 720, 1260);
    c.txtaddress1 = platform::make_text(w, "txtaddress1", 30, 1380, 720, 2700, 315);
    platform::make_caption(w, QStringLiteral("Address 2"), 4140, 720, 960);
    c.txtaddress2 = platform::make_text(w, "txtaddress2", 30, 5160, 720, 2400, 315);
    platform::make_caption(w, QStringLiteral("City"), 60, 1140, 1260);
    c.txtCity = platform::make_text(w, "txtCity", 20, 1380, 1140, 1860, 315);
    platform::make_caption(w, QStringLiteral("State"), 3300, 1140, 600);
    c.txtState = platform::make_text(w, "txtState", 2, 3960, 1140, 480, 315);
    platform::make_caption(w, QStringLiteral("Zip"), 4500, 1140, 540);
    c.txtZip = platform::make_text(w, "txtZip", 10, 5100, 1140, 1380, 315);
    c.chkForeign =
        platform::make_check(w, "chkForeign", QStringLiteral("Foreign"), 6600, 1140, 1000, 315);
    platform::make_caption(w, QStringLiteral("Home Phone"), 60, 1560, 1260);
    c.txtPhone = platform::make_text(w, "txtPhone", 12, 1380, 1560, 1440, 315);
    platform::make_caption(w, QStringLiteral("Fax"), 2880, 1560, 540);
    c.TxtFax = platform::make_text(w, "TxtFax", 12, 3480, 1560, 1680, 315);
    c.lblWarning = platform::make_label(w, "lblWarning", QString(), 5280, 1560, 2340, 315);
    c.lblWarning->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    platform::set_fore_color(c.lblWarning, color::kLightRed);
    for (QLineEdit* b :
         {c.txtaddress1, c.txtaddress2, c.txtCity, c.txtState, c.txtZip, c.txtPhone, c.TxtFax})
        set_back_color(b, color::kWindow);

    c.Cmdsave = platform::make_button(w, "Cmdsave", QStringLiteral("SAVE"), 1680, 2040, 1215, 495);
    c.Cmddelete =
        platform::make_button(w, "Cmddelete", QStringLiteral("DELETE"), 3360, 2040, 1215, 495);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 5040, 2040, 1215, 495);
    c.Cmdbypass =
        platform::make_button(w, "Cmdbypass", QStringLiteral("CANCEL"), 240, 2040, 1215, 495);
    c.Cmdtoggleaddress = platform::make_button(
        w, "Cmdtoggleaddress", QStringLiteral("Toggle Address"), 5820, 240, 1740, 495);

    QWidget* order[] = {c.txtaddress1, c.txtaddress2, c.txtCity,   c.txtState,
                        c.txtZip,      c.chkForeign,  c.txtPhone,  c.TxtFax,
                        c.Cmdsave,     c.Cmddelete,   c.cmdCancel, c.Cmdbypass};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

    platform::on_click(c.Cmdsave, [this] { Cmdsave_Click(); });
    platform::on_click(c.Cmddelete, [this] { Cmddelete_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
    platform::on_click(c.Cmdbypass, [this] { Cmdbypass_Click(); });
    platform::on_click(c.Cmdtoggleaddress, [this] { Cmdtoggleaddress_Click(); });
}

QAbstractButton* Frmaddress2::cancel_button() {
    auto& c = ui();
    return c.Cmdbypass->isHidden() ? c.cmdCancel : c.Cmdbypass;
}

void Frmaddress2::exchange_addresses() {
    auto& d = ui();
    auto& r = form<frmAddressRecord>().ui();
    const std::pair<QLineEdit*, QLineEdit*> pairs[] = {
        {d.txtaddress1, r.txtaddress1}, {d.txtaddress2, r.txtaddress2},
        {d.txtCity, r.txtCity},         {d.txtState, r.txtState},
        {d.txtZip, r.txtZip},           {d.txtPhone, r.TxtHomePhone},
        {d.TxtFax, r.TxtFaxPhone}};
    for (auto [mine, theirs] : pairs) {
        const QString held = mine->text();
        mine->setText(theirs->text());
        theirs->setText(held);
    }
    const int held = platform::value(d.chkForeign);
    platform::set_value(d.chkForeign, platform::value(r.chkForeign));
    platform::set_value(r.chkForeign, held);
}

void Frmaddress2::Cmdtoggleaddress_Click() {
    toggle_switch = toggle_switch == QLatin1String("Y") ? QStringLiteral("N") : QStringLiteral("Y");
    exchange_addresses();
}

void Frmaddress2::cancel(bool bypass) {
    auto& d = ui();
    auto& record = form<frmAddressRecord>();
    auto& r = record.ui();
    if (toggle_switch == QLatin1String("Y")) {
        toggle_switch = "N";
        exchange_addresses();
    } else {
        d.txtaddress1->setText(original_address1);
        d.txtaddress2->setText(original_address2);
        d.txtCity->setText(original_city);
        d.txtState->setText(original_state);
        d.txtZip->setText(original_zip);
        platform::set_value(d.chkForeign, original_foreign.toInt());
        d.txtPhone->setText(original_phone);
        d.TxtFax->setText(original_fax);
    }
    // An address already saved in this dialog stays saved: cancel only undoes this visit.
    if (original_save_request || !d.Cmddelete->isHidden()) {
        r.Lblsecondaddress->setText(QStringLiteral("Y"));
        record.save_address2_flag = "Y";
        address2_data = "Y";
    } else {
        // Looking at a household's second address must not unmark it: its delete relies on it.
        const bool view_only = d.Cmdsave->isHidden();
        if (!view_only) {
            record.save_address2_flag = "N";
            r.Lblsecondaddress->setText(QStringLiteral("N"));
        }
        if (bypass || !form<FrmGetAddress>().browsing()) {
            address2_data = "N";
            for (QLineEdit* b : {d.txtaddress1, d.txtaddress2, d.txtCity, d.txtState, d.txtZip,
                                 d.txtPhone, d.TxtFax})
                b->setText(QString());
            platform::set_value(d.chkForeign, 0);
        }
    }
    record.save_second_Address = original_save_request;
    if (bypass && !original_save_request) {
        unload();
    } else {
        hide();
    }
}

void Frmaddress2::Cmdbypass_Click() {
    cancel(true);
}

void Frmaddress2::cmdCancel_Click() {
    cancel(false);
}

void Frmaddress2::Cmddelete_Click() {
    auto& record = form<frmAddressRecord>();
    // Only marked: the record form's SAVE deletes the row and writes the flag together, so a run
    // that ends before SAVE leaves both as they were.
    record.delete_second_Address = true;
    record.second_address_saved = "N";
    record.ui().Comcancel->setEnabled(false);
    record.ui().Cmdmain->setEnabled(false);
    record.ui().Lblsecondaddress->setText(QStringLiteral("N"));
    record.save_address2_flag = "N";
    unload();
}

void Frmaddress2::Cmdsave_Click() {
    auto& d = ui();
    auto& record = form<frmAddressRecord>();
    for (QLineEdit* b : {d.txtaddress1, d.txtCity, d.txtState, d.txtZip})
        set_back_color(b, color::kWindow);
    bool failed = false;
    auto mark = [&failed](QLineEdit* b) {
        set_back_color(b, color::kLightRed);
        failed = true;
    };
    // Blank is tested before trimming: two blanks pass and are stored empty.
    for (QLineEdit* b : {d.txtaddress1, d.txtCity}) {
        if (is_blank(b->text())) {
            mark(b);
        } else {
            b->setText(vb_trim(b->text().toUpper()));
        }
    }
    const bool foreign = platform::value(d.chkForeign) == 1;
    if (is_blank(d.txtState->text())) {
        if (!foreign) mark(d.txtState);
    } else {
        d.txtState->setText(vb_trim(d.txtState->text().toUpper()));
    }
    if (!foreign) {
        const QString zip = d.txtZip->text();
        if (is_blank(zip) || !common::is_zip(zip)) {
            mark(d.txtZip);
        } else {
            d.txtZip->setText(vb_trim(zip));
        }
    }
    if (failed) {
        d.lblWarning->setText(QStringLiteral("RED FIELDS REQUIRED"));
        record.save_address2_flag = "N";
        return;
    }
    d.txtaddress2->setText(vb_trim(d.txtaddress2->text().toUpper()));
    d.txtPhone->setText(vb_trim(d.txtPhone->text()));
    d.TxtFax->setText(vb_trim(d.TxtFax->text()));
    record.ui().Lblsecondaddress->setText(QStringLiteral("Y"));
    record.save_address2_flag = "Y";
    record.save_second_Address = true;
    address2_data = "Y";
    hide();
}
