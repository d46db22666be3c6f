// Return labels: their lines set up in their own window, printed from the print dialog on one
// full Avery 5167 sheet.
#include <QRectF>

#include "common/settings.h"
#include "pdf_words.h"
#include "print_dialog_fixture.h"
#include "printing/frmSetUpReturn.h"

using platform::form;
namespace color = platform::color;

namespace {

const QString kLoad5167 = QStringLiteral("LOAD AVERY 5167 LABELS INTO PRINTER");
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
    frmSetUpReturn_ui::Controls& setup() { return form<frmSetUpReturn>().ui(); }
    void enter_lines(const QString& l1, const QString& l2, const QString& l3) {
        type(setup().txtReturnLabel[1], l1);
        type(setup().txtReturnLabel[2], l2);
        type(setup().txtReturnLabel[3], l3);
        click(setup().cmdEnter);
    }
    // Chooses the printer and return labels, then presses PRINT, answering the load prompt
    // (none when the lines' window is cancelled).
    void print_on(const QString& printer, int answer = platform::vbOK,
                  const std::function<void()>& set_up = {}) {
        in_dialog([&](Dialog& d) {
            d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(printer));
            click(d.Optprint4);
            if (set_up) set_up();
            if (answer) expect_load_prompt("5167", answer);
            click(d.comprint);
            message_ = d.lblselwarning->text();
        });
    }
    QString message_;
};

TEST_F(ReturnLabelsTest, TheWindowRefusesBlankLinesAndStoresThemUpperCase) {
    return_lines_ = {};
    start_with(1);
    modals.on("frmSetUpReturn", [this](platform::Window&) {
        auto& s = setup();
        EXPECT_EQ(s.Label1->text(), "SETUP RETURN LABELS");
        type(s.txtReturnLabel[1], "WWWWWWWWWWWWWWWWWWWWWWWWWX");
        EXPECT_EQ(s.txtReturnLabel[1]->text(), QString(25, 'W')) << "25 characters at most";
        enter_lines("Jo Public", "", " ");
        EXPECT_EQ(s.lblWarning->text(), "LINE 3 NOT ENTERED") << "the last failing line is named";
        EXPECT_TRUE(s.lblWarning->isVisible());
        EXPECT_EQ(platform::back_color(s.txtReturnLabel[2]), color::kLightRed);
        EXPECT_EQ(platform::back_color(s.txtReturnLabel[3]), color::kLightRed);
        EXPECT_EQ(platform::back_color(s.txtReturnLabel[1]), color::kWindow);
        EXPECT_EQ(s.txtReturnLabel[1]->text(), "JO PUBLIC");
        EXPECT_EQ(main().ReturnLabel[1], "")
            << "nothing is stored before all three lines are given";

        enter_lines("Jo Public", "  ", "Springfield, IL 62701");
        EXPECT_FALSE(form<frmSetUpReturn>().is_loaded());
    });
    main().ui().mnuEditReturnLabels->trigger();
    EXPECT_EQ(main().ReturnLabel[1], "JO PUBLIC");
    EXPECT_EQ(main().ReturnLabel[2], "  ");
    EXPECT_EQ(main().ReturnLabel[3], "SPRINGFIELD, IL 62701");
    common::StorefileRecord stored;
    common::read_storefile(path("storefile.ovr"), stored);
    EXPECT_EQ(stored.ReturnLabel[3], "SPRINGFIELD, IL 62701");
    EXPECT_EQ(stored.heading[1], "FRIENDS") << "the rest of the settings is kept";

    modals.on("frmSetUpReturn", [this](platform::Window&) {
        EXPECT_EQ(setup().Label1->text(), "EDIT RETURN LABELS");
        EXPECT_EQ(setup().txtReturnLabel[3]->text(), "SPRINGFIELD, IL 62701");
        click(setup().cmdCancel);
    });
    main().ui().mnuEditReturnLabels->trigger();
}

// Every label carries the three lines in order, row by row, the rows following the printer's
// calibration.
TEST_F(ReturnLabelsTest, EightyLabelsRowByRowFollowingThePrintersCalibration) {
    common::PrinterTable table;
    for (auto& slot : table) slot.name = " ";
    table[0] = {"PDF", 0};
    table[1] = {"Office", 9};
    common::write_printer_table(path("printers.ovr"), table);
    start_with(2);
    auto& rec = platform::use_print_recorder();
    print_on("PDF");
    EXPECT_EQ(message_, "PRINTED 80 RETURN LABELS");
    print_on("Office");
    ASSERT_EQ(rec.jobs.size(), 2u);
    for (const auto& job : rec.jobs) EXPECT_TRUE(job.ended && job.pages == 1);
    ASSERT_EQ(rec.texts.size(), 480u);
    for (int row = 0; row < 20; ++row)
        for (int line = 0; line < 3; ++line)
            for (int column = 0; column < 4; ++column)
                EXPECT_EQ(rec.texts[(row * 3 + line) * 4 + column].text, return_lines_[line + 1]);
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

// The first print asks for the lines: CANCEL or Esc there prints and stores nothing; entered,
// they land on a real 5167 sheet.
TEST_F(ReturnLabelsTest, FirstPrintSetsUpTheLinesAndFillsARealSheet) {
    return_lines_ = {};
    start_with(0);
    auto cancel_set_up = [this](const std::function<void(platform::Window&)>& cancel) {
        return [this, cancel] {
            modals.on("frmSetUpReturn", [this, cancel](platform::Window& w) {
                EXPECT_EQ(setup().Label1->text(), "SETUP RETURN LABELS");
                EXPECT_EQ(setup().txtReturnLabel[1]->text(), "");
                EXPECT_FALSE(setup().lblWarning->isVisible());
                type(setup().txtReturnLabel[1], "HALF DONE");
                cancel(w);
            });
        };
    };
    print_on("PDF", 0, cancel_set_up([this](platform::Window&) { click(setup().cmdCancel); }));
    EXPECT_EQ(message_, "PRINT CANCELLED");
    print_on("PDF", 0, cancel_set_up([](platform::Window& w) { w.escape_key(); }));
    EXPECT_EQ(message_, "PRINT CANCELLED");
    EXPECT_EQ(main().ReturnLabel[1], "");
    EXPECT_FALSE(exists("storefile.ovr") && read("storefile.ovr").contains("HALF DONE"));
    EXPECT_TRUE(files.calls().empty());

    const QString pdf = path("Return labels.pdf");
    files.expect(pdf);
    print_on("PDF", platform::vbOK, [this] {
        modals.on("frmSetUpReturn", [this](platform::Window&) {
            enter_lines("Maximilian W Worthington", "WWWWWWWWWWWWWWWWWWWWWWWWW",
                        "Springfield, IL 62701");
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
