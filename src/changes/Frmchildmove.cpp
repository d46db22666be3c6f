#include "Frmchildmove.h"

#include "common/vbstring.h"
#include "frmchildnamemove.h"
#include "lookup/FrmGetAddress.h"
#include "platform/application.h"

using platform::form;

Frmchildmove::Frmchildmove() : Form(QStringLiteral("Frmchildmove")) {}

void Frmchildmove::build(QWidget* w, Frmchildmove_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Move Child"));
    platform::set_client_size(w, 5640, 4560);
    c.Lbltitle = platform::make_label(
        w, "Lbltitle", QStringLiteral("Which Child Do You Want To Move?"), 240, 240, 5160, 375);
    c.Lbltitle->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    c.Lbltitle->setAlignment(Qt::AlignCenter);
    // Names the window's use; not shown.
    c.lblHeading = platform::make_label(w, "lblHeading", QStringLiteral("ChildMove"));
    c.lblHeading->hide();
    c.Label7 = platform::make_label(w, "Label7", QStringLiteral("COLLEGE"), 4200, 780, 1080, 285);
    c.Label7->setFont(QFont(QStringLiteral("Arial"), 8, QFont::Bold));
    for (int i = 1; i <= 6; ++i) {
        const int top = 1140 + (i - 1) * 420;
        const QByteArray n = QByteArray::number(i);
        c.Option[i] =
            platform::make_option(w, ("Option" + n).constData(), QString(), 480, top, 255, 315);
        c.Label[i] =
            platform::make_label(w, ("Label" + n).constData(), QString(), 840, top, 3240, 315);
        c.Check[i] =
            platform::make_check(w, ("Check" + n).constData(), QString(), 4560, top, 255, 315);
    }
    platform::make_option_group(
        {c.Option[1], c.Option[2], c.Option[3], c.Option[4], c.Option[5], c.Option[6]});
    c.Option[1]->setChecked(true);
    c.cmdPrint = platform::make_button(w, "cmdPrint", QStringLiteral("MOVE"), 480, 3780, 1335, 495);
    c.cmdPrint->setDefault(true);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 2152, 3780, 1335, 495);
    c.Command1 =
        platform::make_button(w, "Command1", QStringLiteral("MAIN MENU"), 3825, 3780, 1335, 495);
    platform::on_click(c.cmdPrint, [this] { cmdPrint_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
    platform::on_click(c.Command1, [this] { Command1_Click(); });
}

void Frmchildmove::cmdPrint_Click() {
    auto& c = ui();
    college_hold = QStringLiteral("N");
    hold_slot = 0;
    for (int i = 1; i <= 6 && hold_slot == 0; ++i)
        if (c.Option[i]->isChecked() && !c.Option[i]->isHidden()) hold_slot = i;
    if (hold_slot == 0) return;
    auto& next = form<frmchildnamemove>();
    QLabel* name = next.ui().Label2;
    name->setText(c.Label[hold_slot]->text());
    if (platform::value(c.Check[hold_slot]) == 1) college_hold = QStringLiteral("Y");
    hold_name = common::vb_trim(name->text());
    name->setText(name->text() + QStringLiteral(" TO?"));
    next.show_modal();
}

void Frmchildmove::cmdCancel_Click() {
    unload();
}

void Frmchildmove::Command1_Click() {
    hide();
    unload();
    auto& picker = form<FrmGetAddress>();
    picker.hide();
    picker.unload();
}
