// PRINT: the printer, the choices handed to the printouts, refusals and return labels.
#include <QProcess>
#include <QRegularExpression>

#include "platform/errors.h"
#include "print_dialog_fixture.h"
#include "printing/frmSetUpReturn.h"
#include "printing/sheets.h"
#include "shell/frmdatabase.h"

using platform::form;
namespace color = platform::color;

namespace {

constexpr int kLoadStyle = platform::vbOKCancel + platform::vbExclamation;

class PrintCommandTest : public PrintDialogTest {
protected:
    platform::PrintRecorder& recorder() { return platform::use_print_recorder(); }
    frmSetUpReturn& setup() { return form<frmSetUpReturn>(); }
    void choose_printer(Dialog& d, const QString& name) {
        d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(name));
    }
    void enter_lines(const QString& l1, const QString& l2, const QString& l3) {
        auto& s = setup().ui();
        type(s.txtReturnLabel[1], l1);
        type(s.txtReturnLabel[2], l2);
        type(s.txtReturnLabel[3], l3);
        click(s.cmdEnter);
    }
};

TEST_F(PrintCommandTest, ByCategoryWithoutACategoryIsRefusedOnThePrinterChosen) {
    start_with(3);
    in_dialog([this](Dialog& d) {
        for (platform::OptionButton* type : {d.optprint1, d.Optprint2, d.Optprint3}) {
            click(type);
            choose_printer(d, type == d.Optprint2 ? "Office" : "Lab");
            click(d.comprint);
            EXPECT_EQ(d.lblselwarning->text(), "CHOOSE AT LEAST 1 CATEGORY")
                << type->objectName().toStdString();
            EXPECT_EQ(platform::printer().DeviceName(), d.cmbPrinter->currentText());
            EXPECT_TRUE(d.comprint->isEnabled() && d.Comcancel->isEnabled());
        }
    });
}

// Every printout checks its choices, then asks for the sheets, and only then for the file.
TEST_F(PrintCommandTest, ChoicesThenTheLoadPromptThenTheFile) {
    start_with(3);
    recorder();
    std::vector<size_t> boxes_before_file;
    form<platform::FileDialogSeam>().answer = [&](const platform::FileDialogCall& call) {
        boxes_before_file.push_back(msgs.shown().size());
        return call.path();
    };
    in_dialog([&](Dialog& d) {
        click(d.Optprint3);
        click(d.Option3);
        click(d.Chksingle);
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "YOU MUST SELECT ONE RECORD FOR SINGLEPRINT");
        click(d.Chksingle);
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "CHOOSE AT LEAST 1 NAME");
        click(d.Optprint2);
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "CHOOSE AT LEAST 1 NAME");
        EXPECT_TRUE(boxes_before_file.empty() && msgs.shown().empty());

        click(d.Optprint3);
        select_lines(d.lstselection, {0});
        msgs.expect("LOAD AVERY 5160 LABELS INTO PRINTER", platform::vbCancel, kLoadStyle);
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELLED");
        EXPECT_TRUE(boxes_before_file.empty());
        msgs.expect("LOAD AVERY 5160 LABELS INTO PRINTER", platform::vbOK, kLoadStyle);
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 3 LABELS");
    });
    EXPECT_EQ(boxes_before_file, std::vector<size_t>{2});
}

TEST_F(PrintCommandTest, QuickPrintAsksForItsSheetAndCancelsOnAnythingButOk) {
    start_with(2);
    in_dialog([this](Dialog& d) {
        click(d.Option6);
        click(d.Option4);
        msgs.expect("LOAD AVERY 5662 LABELS INTO PRINTER", platform::vbCancel, kLoadStyle,
                    "LOAD LABELS");
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELLED");
        click(d.Option7);
        msgs.expect("LOAD AVERY 5163 LABELS INTO PRINTER", platform::vbCancel, kLoadStyle,
                    "LOAD LABELS");
        click(d.comprint);
    });
}

// What the runs are handed is what the user sees, and households are found by their keys.
TEST_F(PrintCommandTest, TheRequestCarriesTheChoicesAndEachLinesKey) {
    auto tricky = household("Smith", "John & Mary");
    tricky.city = "TRICKY";
    tricky.category[7] = "Y";
    store_household(tricky);
    auto with_family = household("Smith", "John");
    with_family.childflag = 2;
    with_family.category[3] = "y";
    store_household(with_family);
    store_household(household("Adams", "Zoe"));
    start_with(0, {"A", "B", "C", "D", "E", "F", "G"});
    in_dialog([this](Dialog& d) {
        click(d.Option6);
        click(d.Opt[36]);
        click(d.Chktitle);
        click(d.Option3);
        select_lines(d.lstselection, {1, 2});
        click(d.Chkchild);
        const printing::PrintRequest r = dialog().print_request();
        EXPECT_EQ(r.output, printing::OutputType::MailingLabels);
        EXPECT_EQ(r.choice, printing::RecordChoice::Selected);
        EXPECT_EQ(r.sheet, printing::Sheet::Invite);
        EXPECT_EQ(r.start_position(), 6);
        EXPECT_EQ(r.start_standard, 1);
        EXPECT_TRUE(r.title && r.child_print);
        EXPECT_FALSE(r.single_print || r.track || r.resident || r.the_family);
        ASSERT_EQ(r.line_count(), 3);
        EXPECT_EQ(r.lines[2].text, "SMITH, JOHN AND FAMILY");
        EXPECT_EQ(r.lines[1].keyname, "SMITH, JOHN & MARY");
        EXPECT_EQ(r.selected_keys(), (std::vector<QString>{"SMITH, JOHN & MARY", "SMITH, JOHN"}));
        EXPECT_EQ(r.printer, d.cmbPrinter->currentText());

        // The key is sought as it is, never cut at " &".
        ASSERT_TRUE(printing::find_list_record(r.lines[1]));
        EXPECT_EQ(common::text_field(Data1(), "city"), "TRICKY");

        // A household counts in a category only when its box is ticked (1) and its field is "Y".
        printing::PrintRequest cats = r;
        cats.category[3] = 1;
        cats.category[7] = 1;
        EXPECT_TRUE(printing::check_record_categories(cats));
        ASSERT_TRUE(printing::find_list_record(r.lines[2]));
        EXPECT_FALSE(printing::check_record_categories(cats)) << "\"y\" is not \"Y\"";
        cats.category[7] = 2;
        ASSERT_TRUE(printing::find_list_record(r.lines[1]));
        EXPECT_FALSE(printing::check_record_categories(cats)) << "a greyed box does not count";

        // A household deleted since the list was filled is not found, and no other row stands in.
        Data1().delete_row();
        EXPECT_FALSE(printing::find_list_record(r.lines[1]));
        EXPECT_FALSE(Data1().has_current());
    });
}

TEST_F(PrintCommandTest, FirstReturnLabelsAskForTheLinesAndCancelPrintsNothing) {
    start_with(2);
    auto& rec = recorder();
    in_dialog([this](Dialog& d) {
        click(d.Optprint4);
        modals.on("frmSetUpReturn", [this](platform::Window&) {
            auto& s = setup().ui();
            EXPECT_EQ(s.Label1->text(), "SETUP RETURN LABELS");
            EXPECT_EQ(s.txtReturnLabel[1]->text(), "");
            EXPECT_FALSE(s.lblWarning->isVisible());
            click(s.cmdCancel);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELLED");

        // Esc is CANCEL too.
        modals.on("frmSetUpReturn", [this](platform::Window& w) {
            type(setup().ui().txtReturnLabel[1], "HALF DONE");
            w.escape_key();
        });
        d.lblselwarning->setText("");
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELLED");
    });
    EXPECT_TRUE(rec.jobs.empty());
    EXPECT_EQ(main().ReturnLabel[1], "");
    EXPECT_FALSE(exists("storefile.ovr") && read("storefile.ovr").contains("HALF DONE"));
}

TEST_F(PrintCommandTest, SetUpRefusesBlankLinesAndStoresUpperCase) {
    start_with(1);
    modals.on("frmSetUpReturn", [this](platform::Window&) {
        auto& s = setup().ui();
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
        EXPECT_FALSE(setup().is_loaded());
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
        auto& s = setup().ui();
        EXPECT_EQ(s.Label1->text(), "EDIT RETURN LABELS");
        EXPECT_EQ(s.txtReturnLabel[3]->text(), "SPRINGFIELD, IL 62701");
        click(s.cmdCancel);
    });
    main().ui().mnuEditReturnLabels->trigger();
}

}  // namespace
