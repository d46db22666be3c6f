#include "FrmInvalid.h"

#include <QFont>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "common/vbstring.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

namespace {

const QString kTooLongHeading =
    QStringLiteral("THESE ADDRESSES DID NOT PRINT BECAUSE THEY ARE TOO LONG TO FIT ON A LABEL");

// " LABELS NOT PRINTED" -> "Labels Not Printed".
QString title_for(const QString& heading) {
    QStringList words =
        common::vb_trim(heading).toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& w : words) w[0] = w[0].toUpper();
    return words.join(QLatin1Char(' '));
}

}  // namespace

FrmInvalid::FrmInvalid() : Form(QStringLiteral("FrmInvalid")) {}

void FrmInvalid::build(QWidget* w, FrmInvalid_ui::Controls& c) {
    w->setWindowTitle(title_for(kLabelsHeading));
    platform::set_client_size(w, 7200, 5400);
    c.lblHeading = platform::make_label(w, "lblHeading", kLabelsHeading);
    QFont heading(QStringLiteral("Liberation Sans"));
    heading.setPointSizeF(12);
    heading.setBold(true);
    c.lblHeading->setFont(heading);
    c.lblHeading->setAlignment(Qt::AlignCenter);
    c.LstInvalid = new QListWidget(w);
    c.LstInvalid->setObjectName(QStringLiteral("LstInvalid"));
    c.LstInvalid->setSortingEnabled(false);
    c.Command1 = platform::make_button(w, "Command1", QStringLiteral("PRINT"));
    c.Command2 = platform::make_button(w, "Command2", QStringLiteral("CLOSE WINDOW"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(c.Command1);
    buttons->addSpacing(platform::tw(360));
    buttons->addWidget(c.Command2);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(c.lblHeading);
    layout->addWidget(c.LstInvalid, 1);
    layout->addLayout(buttons);

    platform::on_click(c.Command1, [this] { Command1_Click(); });
    platform::on_click(c.Command2, [this] { Command2_Click(); });
}

void FrmInvalid::clear_list() {
    ui().LstInvalid->clear();
    set_heading(kLabelsHeading);
}

void FrmInvalid::add_entry(const QString& entry) {
    ui().LstInvalid->addItem(entry);
}

void FrmInvalid::set_heading(const QString& heading) {
    ui().lblHeading->setText(heading);
    set_caption(title_for(heading));
}

QStringList FrmInvalid::entries() {
    QStringList out;
    QListWidget* list = ui().LstInvalid;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QString FrmInvalid::printed_heading() {
    const QString heading = ui().lblHeading->text();
    return heading == kLabelsHeading ? kTooLongHeading : common::vb_trim(heading);
}

void FrmInvalid::print_list() {
    platform::Printer& p = platform::printer();
    p.set_ScaleMode(platform::kScaleInches);
    p.set_FontName(QStringLiteral("Arial"));
    p.set_FontSize(10);
    p.Print({printed_heading()});
    p.Print({QStringLiteral(" ")});
    // Every entry to the end: an empty entry inside the list is a separator, not its end.
    for (const QString& entry : entries()) p.Print({entry});
    p.EndDoc();
}

void FrmInvalid::Command1_Click() {
    try {
        platform::PrintCommand command(title_for(ui().lblHeading->text()) + QStringLiteral(".pdf"));
        if (command.cancelled()) return;
        print_list();
        command.finish();
    } catch (const platform::VbError& e) {
        platform::msgbox(e.description(), platform::vbExclamation, QStringLiteral("PRINT FAILED"));
        return;
    }
    unload();
}

void FrmInvalid::Command2_Click() {
    unload();
}
