// A quick label printed on the PDF device: its words lie inside the real Avery 5662 label.
#include <QDir>

#include "../printing/print_dialog_fixture.h"
#include "../printing/printing_fixture.h"
#include "pdf_words.h"
#include "reports/frmQuickprint.h"

namespace {

class QuickLabelPdf : public PrintDialogTest {
protected:
    // Types one quick label at an Invite start button and prints it; the PDF save dialog is
    // answered with `file` ("" cancels).
    void quick_print(Dialog& d, int opt, const QString& file) {
        click(d.Optprint3);
        click(d.Option6);
        click(d.Option4);
        click(d.Opt[opt]);
        d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(platform::kPdfDevice));
        msgs.expect("LOAD AVERY 5662 LABELS INTO PRINTER", platform::vbOK);
        files.expect(file);
        modals.on("frmQuickprint", [](platform::Window& w) {
            auto& q = static_cast<frmQuickprint&>(w).ui();
            type(q.txtName, "MARGARET VAN-DYKE");
            type(q.txtaddress1, "2210 WILLOWBROOK LANE");
            type(q.txtCity, "SALT LAKE CITY");
            type(q.txtState, "UT");
            type(q.txtZip, "84101");
            click(q.cmdPrint);
        });
        click(d.comprint);
    }
    QString print_at(Dialog& d, int opt, const QString& name) {
        const QString pdf = path(name);
        quick_print(d, opt, pdf);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 1 RECORDS");
        if (!qEnvironmentVariableIsEmpty("OVRA_SNAPSHOTS"))
            testing_support::pdf_page_png(
                pdf, 1, QDir(qEnvironmentVariable("OVRA_SNAPSHOTS")).filePath(name + ".png"));
        return pdf;
    }

    static void expect_on_label(const QString& pdf, int position) {
        ASSERT_EQ(testing_support::pdf_page_count(pdf), 1);
        QStringList words;
        for (const auto& w : testing_support::pdf_words(pdf)) {
            words << w.text;
            EXPECT_EQ(kAvery5662.label_holding(w.box), position)
                << w.text.toStdString() << " at " << w.box.left() << ", " << w.box.top();
        }
        EXPECT_EQ(words, QStringList({"Margaret", "Van-Dyke", "2210", "Willowbrook", "Lane", "Salt",
                                      "Lake", "City,", "UT", "84101"}));
    }
};

TEST_F(QuickLabelPdf, FirstAndLastLabelOfTheSheet) {
    start_with(1);
    in_dialog([this](Dialog& d) {
        expect_on_label(print_at(d, 31, "Quick label 1.pdf"), 1);
        expect_on_label(print_at(d, 44, "Quick label 14.pdf"), 14);
        // The file is asked for by the window's PRINT, after the label was typed; cancelling
        // it cancels the label.
        EXPECT_EQ(files.calls().back().file_name, "Quick label 5662.pdf");
        quick_print(d, 44, "");
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELED");
    });
}

}  // namespace
