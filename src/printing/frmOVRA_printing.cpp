// The main window's part of printing: opening the print dialog and the return-label set-up.
#include <QComboBox>
#include <QStyle>

#include "platform/application.h"
#include "platform/printer.h"
#include "printing/frmSetUpReturn.h"
#include "printing/frmprint.h"
#include "shell/FrmHeadingCreate.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"

using platform::form;

namespace {

// A long name of wide letters is drawn a little smaller rather than cut off.
void fit_caption(QCheckBox* box) {
    QFont font = box->font();
    const int room = box->width() -
                     box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) -
                     box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) - 2;
    // Measured as shown: "&&" shows as one "&".
    const QString shown = QString(box->text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(shown) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    box->setFont(font);
}

}  // namespace

void frmOVRA::Comprintrec_Click() {
    if (!address_book_available()) return;
    if (record_count_shown() > 0) {
        initialize_print();
        return;
    }
    // An empty address book can only print return labels.
    print_flag = "Y";
    print_check();
    auto& dialog = form<frmprint>();
    auto& c = dialog.ui();
    c.Frame2->setVisible(true);
    c.Frame5->setVisible(false);
    c.lblselwarning->setText(QString());
    // In this order; their values stay as they are.
    for (QWidget* w :
         std::initializer_list<QWidget*>{c.optprint1, c.Optprint2, c.Optprint3, c.chkallrecs,
                                         c.Option1, c.Option2, c.Chkchildsel, c.chkTrack})
        w->setEnabled(false);
    for (int i = 1; i <= 12; ++i) c.Check[i]->setEnabled(false);
    for (QWidget* w : {c.Option3, c.Option4, c.Option5, c.Option6, c.Option7}) w->setEnabled(false);
    c.Optprint4->setChecked(true);
    dialog.set_help_context_id(6000);
    dialog.show_modal();
    print_flag = "N";
}

void frmOVRA::initialize_print() {
    print_flag = "Y";
    print_check();
    auto& dialog = form<frmprint>();
    auto& c = dialog.ui();
    c.Frame2->setVisible(true);
    c.Frame5->setVisible(false);
    c.lblselwarning->setText(QString());
    dialog.set_help_context_id(6000);
    dialog.show_modal();
    print_flag = "N";
}

void frmOVRA::print_check() {
    auto& c = form<frmprint>().ui();
    for (int i = 1; i <= 12; ++i) c.Check[i]->setEnabled(true);
    for (int i = 1; i <= 12; ++i) platform::set_value(c.Check[i], 0);
    for (int i = 1; i <= 12; ++i) {
        c.Check[i]->setText(platform::typed_caption(form<FrmHeadingCreate>().ui().Text[i]->text()));
        fit_caption(c.Check[i]);
    }
    // A category not in use leaves its box's place empty.
    for (int i = 1; i <= 12; ++i) c.Check[i]->setVisible(!c.Check[i]->text().isEmpty());
    try {
        const QStringList printers = platform::printer().Printers();
        for (const QString& name : printers) c.cmbPrinter->addItem(name);
        const int current =
            c.cmbPrinter->findText(platform::printer().DeviceName(), Qt::MatchExactly);
        if (current >= 0) c.cmbPrinter->setCurrentIndex(current);
    } catch (const std::exception&) {
        // Printers that cannot be listed leave the box as far as it got.
    }
    if (record_count_shown() > 0) load_record_list();
}

void frmOVRA::mnuEditReturnLabels_Click() {
    auto& setup = form<frmSetUpReturn>();
    auto& c = setup.ui();
    c.Label1->setText(ReturnLabel[1].isEmpty() ? QStringLiteral("SETUP RETURN LABELS")
                                               : QStringLiteral("EDIT RETURN LABELS"));
    for (int i = 1; i <= 3; ++i) c.txtReturnLabel[i]->setText(ReturnLabel[i]);
    setup.set_help_context_id(8090);
    setup.show_modal();
}
