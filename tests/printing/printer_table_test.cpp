#include <QDir>
#include <QFile>

#include "pdf_words.h"
#include "platform/errors.h"
#include "printing/frmSetUpPrinters.h"
#include "printing/modSetUpPrinters.h"
#include "printing_fixture.h"
#include "shell/frmOVRA.h"

using platform::form;
using platform::vbCancel;
using platform::vbExclamation;
using platform::vbOK;
using platform::vbOKCancel;

namespace {

QByteArray table_file(const std::vector<std::pair<QString, int>>& used, const QString& free = " ") {
    QByteArray out;
    for (const auto& [name, line] : used)
        out += "\"" + name.toUtf8() + "\"," + QByteArray::number(line) + "\r\n";
    for (size_t i = used.size(); i < 15; ++i) out += "\"" + free.toUtf8() + "\",0\r\n";
    return out;
}

class PrinterTableTest : public testing_support::OvraTest {
protected:
    modSetUpPrinters& module() { return form<modSetUpPrinters>(); }
    frmSetUpPrinters& window() { return form<frmSetUpPrinters>(); }
    void choose(const QString& printer, const QString& line) {
        auto& c = window().ui();
        c.cmbPrinter->setCurrentIndex(c.cmbPrinter->findText(printer));
        c.cmbLineNumber->setCurrentText(line);
    }
};

TEST_F(PrinterTableTest, TheSlotWalkGivesEachPrinterItsOffset) {
    platform::printer().set_installed_queues(QStringList{"A", "B", "Office", "office"});
    // The walk ends at a slot named exactly " ", so B's offset is never reached.
    write("printers.ovr", "\"A\",3\r\n\" \",0\r\n\"B\",7\r\n\"office\",9\r\n");
    EXPECT_EQ(module().select_printer("A"), 3);
    EXPECT_EQ(platform::printer().DeviceName(), "A");
    EXPECT_EQ(module().select_printer("B"), 5);
    // A name that is not installed leaves the current printer, and case tells printers apart.
    EXPECT_EQ(module().select_printer("NOT THERE"), 5);
    EXPECT_EQ(platform::printer().DeviceName(), "B");
    EXPECT_EQ(module().select_printer("Office"), 5);

    // Free slots written with empty names do not end the walk.
    write("printers.ovr", table_file({{"", 0}, {"office", 9}}, ""));
    module().printer_table_loaded = 0;
    EXPECT_EQ(module().select_printer("office"), 9);
    EXPECT_EQ(module().select_printer(platform::kPdfDevice), 5);
}

const QString kDamagedTable =
    "The printer table printers.ovr could not be read whole. Every printer that could be read "
    "keeps its line number; a printer whose line was damaged must be set up again (Setup/Edit "
    "Printers).\n";

TEST_F(PrinterTableTest, ShortOrDamagedFilesKeepEveryReadableSlotAndAreWrittenWhole) {
    // Missing: fifteen free slots.
    module().load_printer_table();
    for (const auto& slot : module().printer_table) EXPECT_TRUE(modSetUpPrinters::is_free(slot));

    // Short: the slots it holds, without a word.
    write("printers.ovr", "\"Office, Laser \"\"2\"\"\",4\r\n\"Den\",2\r\n");
    module().load_printer_table();
    EXPECT_EQ(module().printer_table[0].name, "Office, Laser \"2\"");
    EXPECT_EQ(module().printer_table[0].line, 4);
    EXPECT_EQ(module().printer_table[1].name, "Den");
    EXPECT_TRUE(modSetUpPrinters::is_free(module().printer_table[2]));
    module().save_printer_table();
    EXPECT_EQ(read("printers.ovr"), "\"Office, Laser \"\"2\"\"\",4\r\n\"Den\",2\r\n" +
                                        QByteArray("\" \",0\r\n").repeated(13));

    // Damaged lines (no number, junk, bytes never written as text, an item too many) are left
    // out and reported once; the printers after them keep their line numbers.
    platform::printer().set_installed_queues(QStringList{"A", "C", "F"});
    const QByteArray damaged =
        "\"A\",3\r\n\"B\",x\r\ngarbage\r\n\"C\",4\r\n\"D\x01\",2\r\n\"E\",5,9\r\n\"F\",6\r\n";
    write("printers.ovr", damaged);
    module().printer_table_loaded = 0;
    msgs.expect(kDamagedTable + "The damaged file was kept as printers.ovr.bad.", vbOK,
                vbExclamation, "Printer Table Damaged");
    auto& c = window().ui();
    for (int i : {0, 1, 2}) EXPECT_TRUE(c.lstPrinters->item(i)->text().startsWith("Y - "));
    EXPECT_EQ(module().select_printer("C"), 4);
    EXPECT_EQ(module().select_printer("F"), 6);
    EXPECT_EQ(read("printers.ovr.bad"), damaged);
    EXPECT_EQ(read("printers.ovr"), table_file({{"A", 3}, {"C", 4}, {"F", 6}}));
    module().load_printer_table();  // whole again: not a word
}

TEST_F(PrinterTableTest, UpdateAddsResetsOrRefusesAndExitSavesOnlyChanges) {
    platform::printer().set_installed_queues(QStringList{"A", "Den"});
    write("printers.ovr", table_file({{"Den", 2}}));
    auto& c = window().ui();
    ASSERT_EQ(c.lstPrinters->count(), 3);
    EXPECT_EQ(c.lstPrinters->item(0)->text(), "N - A");
    EXPECT_EQ(c.lstPrinters->item(1)->text(), "Y - Den");
    EXPECT_EQ(c.lstPrinters->item(2)->text(), "N - PDF");
    EXPECT_EQ(c.cmbPrinter->currentText(), "PDF");
    EXPECT_EQ(c.cmbLineNumber->currentText(), "1");
    snapshot(window().widget(), "frmSetUpPrinters");

    // EXIT without a change leaves the file alone; so does a cancelled reset.
    const QByteArray before = read("printers.ovr");
    choose("Den", "6");
    msgs.expect("THIS OUTPUT DEVICE ALREADY SET. PRESS OK TO RESET", vbCancel,
                vbOKCancel + vbExclamation, "DEVICE SET");
    click(c.cmdComplete);
    click(c.cmdCancel);
    EXPECT_FALSE(window().is_loaded());
    EXPECT_EQ(read("printers.ovr"), before);

    // The bounds 1 and 10 are taken.
    auto& c2 = window().ui();
    choose("A", "1");
    msgs.expect("A SUCCESSFULLY ADDED", vbOK, vbOKCancel + vbExclamation, "DEVICE SET");
    click(c2.cmdComplete);
    choose("Den", "10");
    msgs.expect("THIS OUTPUT DEVICE ALREADY SET. PRESS OK TO RESET", vbOK,
                vbOKCancel + vbExclamation, "DEVICE SET");
    click(c2.cmdComplete);
    // Typed text that is not a line number is refused.
    for (const char* bad : {"x", "0", "11", "2.5"}) {
        choose("Den", bad);
        msgs.expect("THE LINE NUMBER MUST BE A WHOLE NUMBER FROM 1 TO 10", vbOK, vbExclamation);
        click(c2.cmdComplete);
    }
    click(c2.cmdCancel);
    EXPECT_EQ(read("printers.ovr"), table_file({{"Den", 10}, {"A", 1}}));

    // A full table says so and keeps every slot.
    std::vector<std::pair<QString, int>> fifteen;
    for (int i = 1; i <= 15; ++i) fifteen.emplace_back(QStringLiteral("P%1").arg(i), i % 10 + 1);
    write("printers.ovr", table_file(fifteen));
    module().printer_table_loaded = 0;
    choose("A", "4");
    msgs.expect("PRINTER TABLE FULL", vbOK, vbExclamation, "DEVICE SET");
    click(window().ui().cmdComplete);
    click(window().ui().cmdCancel);
    EXPECT_EQ(read("printers.ovr"), table_file(fifteen));
}

TEST_F(PrinterTableTest, ATableThatCannotBeSavedIsReported) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("printers.ovr"));
    msgs.expect(kDamagedTable + "The damaged file could not be kept.", vbOK, vbExclamation,
                "Printer Table Damaged");
    choose("PDF", "4");
    msgs.expect("PDF SUCCESSFULLY ADDED", vbOK);
    click(window().ui().cmdComplete);
    msgs.expect(
        "The printer table could not be saved in printers.ovr. The line numbers apply until the "
        "program ends.",
        vbOK, vbExclamation);
    click(window().ui().cmdCancel);
    EXPECT_EQ(module().top_position_for("PDF"), 4);
}

TEST_F(PrinterTableTest, TheCalibrationPageNumbersEverySixteenthOnTheChosenPrinter) {
    auto& rec = platform::use_print_recorder();
    platform::printer().set_installed_queues(QStringList{"Office"});
    ASSERT_EQ(platform::printer().DeviceName(), "PDF");
    choose("Office", "1");
    click(window().ui().cmdPrintSetUp);
    click(window().ui().cmdPrintSetUp);
    EXPECT_EQ(platform::printer().DeviceName(), "PDF");
    ASSERT_EQ(rec.jobs.size(), 2u);
    for (int job : {0, 1}) {
        EXPECT_EQ(rec.jobs[job].device, "Office");
        EXPECT_EQ(rec.jobs[job].pages, 1);
        const auto texts = rec.job_texts(job);
        ASSERT_EQ(texts.size(), 166u);
        for (int n = 0; n <= 165; ++n) {
            EXPECT_DOUBLE_EQ(texts[n].y, n / 16.0);
            EXPECT_EQ(texts[n].x, 0);
            EXPECT_TRUE(texts[n].text.endsWith(QLatin1Char(' ') + QString::number(n)));
        }
        EXPECT_EQ(texts[4].text, "------------+----------------- 4");
        EXPECT_EQ(texts[5].text, "------------+----------------------------- 5");
        EXPECT_EQ(texts[0].font, "Arial");
        EXPECT_EQ(texts[0].size, 7);
    }

    // A job that fails is reported, and the previous printer is current again.
    rec.fail_next_begin = true;
    msgs.expect("The printer Office could not print.", vbOK, vbExclamation);
    click(window().ui().cmdPrintSetUp);
    EXPECT_EQ(platform::printer().DeviceName(), "PDF");
}

TEST_F(PrinterTableTest, BackingUpATableThatCannotBeCopiedLeavesItAlone) {
    start_program();
    write("printers.ovr", table_file({{"Den", 2}}));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("printers.bku"));
    msgs.expect("The printer table could not be backed up.", vbOK, vbExclamation,
                "Backup Incomplete");
    form<frmOVRA>().ui().MnuBUDB->trigger();
    EXPECT_EQ(read("printers.ovr"), table_file({{"Den", 2}}));
}

// As a new user: the menu opens the window, PRINT SETUP writes a page to read against a 5160
// sheet, UPDATE stores the line found, and it holds after a restart.
TEST_F(PrinterTableTest, CalibratingThePdfDeviceAgainstA5160Sheet) {
    start_program();
    modals.on("frmSetUpPrinters", [&](platform::Window& w) {
        auto& s = static_cast<frmSetUpPrinters&>(w);
        EXPECT_EQ(s.ui().lstPrinters->item(0)->text(), "N - PDF");
        files.expect(path("setup.pdf"));
        click(s.ui().cmdPrintSetUp);
        ASSERT_TRUE(QFile::exists(path("setup.pdf")));
        // The line whose top meets the top edge of the first label (0.5 in) is 4.
        int found = -1;
        for (const auto& word : testing_support::pdf_words(path("setup.pdf")))
            if (!word.text.startsWith(QLatin1Char('-')) &&
                std::abs(word.box.top() - kAvery5160.top) <= 1.0 / 32)
                found = word.text.toInt();
        EXPECT_EQ(found, 4);
        choose("PDF", QString::number(found));
        msgs.expect("PDF SUCCESSFULLY ADDED", vbOK);
        click(s.ui().cmdComplete);
        click(s.ui().cmdCancel);
    });
    form<frmOVRA>().ui().mnuSetupPrinters->trigger();
    ASSERT_EQ(files.calls().size(), 1u);
    EXPECT_EQ(files.calls()[0].file_name, "Printer setup page.pdf");
    testing_support::pdf_page_png(
        path("setup.pdf"), 1,
        QDir(qEnvironmentVariable("OVRA_SNAPSHOTS", dir_.path())).filePath("setup-page.png"));

    restart_program();
    EXPECT_EQ(form<modSetUpPrinters>().select_printer("PDF"), 4);
}

}  // namespace
