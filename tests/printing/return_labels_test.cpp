// Return labels from the print dialog: one full Avery 5167 sheet.
#include <QRectF>

#include "common/settings.h"
#include "pdf_words.h"
#include "print_dialog_fixture.h"
#include "printing/frmSetUpReturn.h"

using platform::form;

namespace {

const QString kLoad5167 = QStringLiteral("LOAD AVERY 5167 LABELS INTO PRINTER");
constexpr int kLoadStyle = platform::vbOKCancel + platform::vbExclamation;

// The real sheet: 4 x 20 labels of 1.75 x 0.5 in, top margin 0.5 in, left margin 0.28125 in,
// columns 2.0625 in apart; in inches from the page's top-left corner.
QRectF label_5167(int row, int column) {
    return {0.28125 + column * 2.0625, 0.5 + row * 0.5, 1.75, 0.5};
}

class ReturnLabelsTest : public PrintDialogTest {
protected:
    void SetUp() override {
        PrintDialogTest::SetUp();
        return_lines_ = {QString(), "JO PUBLIC", "1234 ELM STREET APT 56", "SPRINGFIELD, IL 62701"};
    }
    // Chooses the printer and return labels, then presses PRINT, answering the load prompt.
    void print_on(const QString& printer, int answer = platform::vbOK,
                  const std::function<void()>& set_up = {}) {
        in_dialog([&](Dialog& d) {
            d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(printer));
            click(d.Optprint4);
            if (set_up) set_up();
            msgs.expect(kLoad5167, answer, kLoadStyle, "LOAD LABELS");
            click(d.comprint);
            message_ = d.lblselwarning->text();
        });
    }
    QString message_;
};

TEST_F(ReturnLabelsTest, EightyLabelsInFourColumnsAndTwentyRows) {
    start_with(2);
    auto& rec = platform::use_print_recorder();
    print_on("PDF");
    EXPECT_EQ(message_, "PRINTED 80 RETURN LABELS");
    ASSERT_EQ(rec.jobs.size(), 1u);
    EXPECT_TRUE(rec.jobs[0].ended);
    EXPECT_EQ(rec.jobs[0].pages, 1);
    ASSERT_EQ(rec.texts.size(), 240u);
    // Where they land on the real sheet is checked on paper below; here, every label carries
    // the three lines in order, row by row.
    for (int row = 0; row < 20; ++row)
        for (int line = 0; line < 3; ++line)
            for (int column = 0; column < 4; ++column)
                EXPECT_EQ(rec.texts[(row * 3 + line) * 4 + column].text, return_lines_[line + 1]);
}

TEST_F(ReturnLabelsTest, RowsFollowThePrintersCalibration) {
    common::PrinterTable table;
    for (auto& slot : table) slot.name = " ";
    table[0] = {"PDF", 0};
    table[1] = {"Office", 9};
    common::write_printer_table(path("printers.ovr"), table);
    start_with(1);
    auto& rec = platform::use_print_recorder();
    print_on("PDF");
    print_on("Office");
    ASSERT_EQ(rec.texts.size(), 480u);
    EXPECT_NEAR(rec.texts[0].y, 1 / 16.0, 1e-9);
    EXPECT_NEAR(rec.texts[19 * 12].y, 153 / 16.0, 1e-9);
    EXPECT_EQ(rec.texts[240].device, "Office");
    EXPECT_NEAR(rec.texts[240].y, 10 / 16.0, 1e-9);
}

TEST_F(ReturnLabelsTest, CancelledOrFailedPrintsAreNotReportedAsPrinted) {
    start_with(2);
    auto& rec = platform::use_print_recorder();
    print_on("PDF", platform::vbCancel);
    EXPECT_EQ(message_, "PRINT CANCELLED");

    // The PDF device's file dialog cancelled.
    form<platform::FileDialogSeam>().answer = [](const platform::FileDialogCall&) {
        return QString();
    };
    print_on("PDF");
    EXPECT_EQ(message_, "PRINT CANCELLED");
    EXPECT_TRUE(rec.texts.empty());

    rec.fail_next_begin = true;
    print_on("Office");
    EXPECT_TRUE(message_.startsWith("PRINTING FAILED")) << message_.toStdString();
}

// Set up in their window on the first print, the labels land on a real 5167 sheet.
TEST_F(ReturnLabelsTest, FirstPrintSetsUpTheLinesAndFillsARealSheet) {
    return_lines_ = {};
    start_with(0);
    const QString pdf = path("Return labels.pdf");
    files.expect(pdf);
    print_on("PDF", platform::vbOK, [this] {
        modals.on("frmSetUpReturn", [this](platform::Window&) {
            auto& s = form<frmSetUpReturn>().ui();
            type(s.txtReturnLabel[1], "Maximilian W Worthington");
            type(s.txtReturnLabel[2], "WWWWWWWWWWWWWWWWWWWWWWWWW");
            type(s.txtReturnLabel[3], "Springfield, IL 62701");
            click(s.cmdEnter);
        });
    });
    EXPECT_EQ(message_, "PRINTED 80 RETURN LABELS");
    EXPECT_EQ(main().ReturnLabel[1], "MAXIMILIAN W WORTHINGTON");
    ASSERT_EQ(files.calls().size(), 1u);
    EXPECT_EQ(files.calls()[0].file_name, "Return labels 5167.pdf");

    const auto words = testing_support::pdf_words(pdf);
    EXPECT_EQ(testing_support::pdf_page_count(pdf), 1);
    // Each label carries the 3 + 1 + 3 words of its lines, all inside it.
    int on_label[20][4] = {};
    for (const auto& w : words) {
        bool inside = false;
        for (int row = 0; row < 20 && !inside; ++row)
            for (int column = 0; column < 4 && !inside; ++column)
                if (label_5167(row, column).contains(w.box)) {
                    ++on_label[row][column];
                    inside = true;
                }
        EXPECT_TRUE(inside) << w.text.toStdString() << " at " << w.box.x() << ", " << w.box.y();
    }
    for (int row = 0; row < 20; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(on_label[row][column], 7) << row << ", " << column;
}

}  // namespace
