#include "frmSetUpReturn.h"

#include "common/vbstring.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "shell/frmOVRA.h"

using platform::form;
namespace color = platform::color;

namespace {
constexpr int kLineLength = 25;
}

frmSetUpReturn::frmSetUpReturn() : Form(QStringLiteral("frmSetUpReturn")) {}

void frmSetUpReturn::build(QWidget* w, frmSetUpReturn_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Return Labels"));
    platform::set_client_size(w, 6480, 4110);
    c.Label1 = platform::make_label(w, "Label1", QStringLiteral("RETURN LABELS SETUP"), 120, 180,
                                    6240, 480);
    c.Label1->setFont(QFont(QStringLiteral("Arial"), 18, QFont::Bold));
    c.Label1->setAlignment(Qt::AlignCenter);
    const char* names[] = {nullptr, "txtReturnLabel1", "txtReturnLabel2", "txtReturnLabel3"};
    c.Label2 = platform::make_label(w, "Label2", QStringLiteral("Name:"), 240, 900, 1800, 315);
    c.Label5 = platform::make_label(w, "Label5", QStringLiteral("Address:"), 240, 1320, 1800, 315);
    c.Label4 = platform::make_label(w, "Label4", QStringLiteral("City, State, Zip:"), 240, 1740,
                                    1800, 315);
    for (QLabel* l : {c.Label2, c.Label5, c.Label4})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 1; i <= 3; ++i) {
        c.txtReturnLabel[i] =
            platform::make_text(w, names[i], kLineLength, 2160, 900 + (i - 1) * 420, 3600, 315);
        platform::set_back_color(c.txtReturnLabel[i], color::kWindow);
    }
    c.Label3 = platform::make_label(w, "Label3", QStringLiteral("(Maximum 25 characters per line)"),
                                    2160, 2160, 3600, 255);
    c.lblWarning = platform::make_label(w, "lblWarning", QString(), 240, 2520, 6000, 420);
    c.lblWarning->setFont(QFont(QStringLiteral("Arial"), 15.75, QFont::Bold));
    c.lblWarning->setAlignment(Qt::AlignCenter);
    platform::set_fore_color(c.lblWarning, color::kLightRed);
    platform::set_back_color(c.lblWarning, 0xE0E0E0);
    c.cmdEnter =
        platform::make_button(w, "cmdEnter", QStringLiteral("ENTER"), 1560, 3240, 1455, 495);
    c.cmdEnter->setDefault(true);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 3465, 3240, 1455, 495);
    platform::on_click(c.cmdEnter, [this] { cmdEnter_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmSetUpReturn::Form_Load() {
    ui().lblWarning->hide();
}

void frmSetUpReturn::cmdEnter_Click() {
    auto& c = ui();
    QString message;
    for (int i = 1; i <= 3; ++i) {
        QLineEdit* box = c.txtReturnLabel[i];
        box->setText(common::ucase(box->text()));
        if (common::is_blank(box->text())) {
            platform::set_back_color(box, color::kLightRed);
            message = QStringLiteral("LINE %1 NOT ENTERED").arg(i);
        } else {
            platform::set_back_color(box, color::kWindow);
        }
    }
    if (!message.isEmpty()) {
        c.lblWarning->setText(message);
        c.lblWarning->show();
        return;
    }
    auto& main = form<frmOVRA>();
    common::StorefileRecord rec = main.storefile_record();
    for (int i = 1; i <= 3; ++i) rec.ReturnLabel[i] = c.txtReturnLabel[i]->text();
    // A settings file that cannot be written keeps the old lines and the window open.
    if (!main.write_storefile(rec)) return;
    for (int i = 1; i <= 3; ++i) main.ReturnLabel[i] = rec.ReturnLabel[i];
    main.cancel_flag = false;
    unload();
}

void frmSetUpReturn::cmdCancel_Click() {
    form<frmOVRA>().cancel_flag = true;
    unload();
}
