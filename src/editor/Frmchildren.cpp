#include "Frmchildren.h"

#include "frmAddressRecord.h"
#include "platform/application.h"
#include "platform/controls.h"

using platform::form;

Frmchildren::Frmchildren() : Form(QStringLiteral("Frmchildren")) {}

void Frmchildren::build(QWidget* w, Frmchildren_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Children "));
    platform::set_client_size(w, kWidth, 4440);
    c.Labelheading = platform::make_label(
        w, "Labelheading", QStringLiteral("Enter The Names Of Children Living At This Address"),
        480, 240, 4680, 285);
    for (int i = 1; i <= 6; ++i) {
        const int top = 600 + (i - 1) * 480;
        c.Label[i] = platform::make_label(w, ("Label" + QByteArray::number(i)).constData(),
                                          QStringLiteral("CHILD %1:").arg(i), 420, top, 1200, 375);
        c.Label[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        c.Txtchild[i] = platform::make_text(w, ("Txtchild" + QByteArray::number(i)).constData(), 0,
                                            1680, top, 3615, 375);
    }
    c.Comsave = platform::make_button(w, "Comsave", QStringLiteral("SAVE"), 1440, 3600, 1215, 495);
    c.Comcancel =
        platform::make_button(w, "Comcancel", QStringLiteral("CANCEL"), 3240, 3600, 1215, 495);
    platform::on_click(c.Comsave, [this] { Comsave_Click(); });
    platform::on_click(c.Comcancel, [this] { Comcancel_Click(); });
}

int Frmchildren::tidy_children() {
    auto& c = ui();
    QStringList names;
    for (int i = 1; i <= 6; ++i) {
        const QString text = c.Txtchild[i]->text();
        if (!text.isEmpty()) names << text.toUpper();
    }
    for (int i = 1; i <= 6; ++i)
        c.Txtchild[i]->setText(i <= names.size() ? names[i - 1] : QString());
    return int(names.size());
}

void Frmchildren::Comsave_Click() {
    form<frmAddressRecord>().chkchildren = tidy_children();
    hide();
}

void Frmchildren::Comcancel_Click() {
    hide();
    for (int i = 1; i <= 6; ++i) ui().Txtchild[i]->setText(holdchild[i]);
}
