#include "FrmGetAddress.h"

#include "platform/controls.h"

FrmGetAddress::FrmGetAddress() : Form(QStringLiteral("FrmGetAddress")) {}

void FrmGetAddress::build(QWidget* w, FrmGetAddress_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Edit Record"));
    c.Label1 = platform::make_label(w, "Label1", QString());
    c.Label2 = platform::make_label(w, "Label2", QString());
    c.LstGetAddress1 = new QListWidget(w);
    c.LstGetAddress1->setObjectName(QStringLiteral("LstGetAddress1"));
    c.ComGetAddress = platform::make_button(w, "ComGetAddress", QString());
    c.cmdCancel = platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"));
}

bool FrmGetAddress::browsing() { return is_loaded() && caption() == QLatin1String("Browse Record"); }
