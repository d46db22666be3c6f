// PRINT: the printer, the choices handed to the printouts, refusals and the load prompts.
#include "print_dialog_fixture.h"
#include "shell/frmdatabase.h"

using platform::form;

namespace {

using PrintCommandTest = PrintDialogTest;

// Every printout checks its choices, then asks for the sheets, and only then for the file.
TEST_F(PrintCommandTest, ChoicesThenTheLoadPromptThenTheFile) {
    start_with(3);
    platform::use_print_recorder();
    std::vector<size_t> boxes_before_file;
    form<platform::FileDialogSeam>().answer = [&](const platform::FileDialogCall& call) {
        boxes_before_file.push_back(msgs.shown().size());
        return call.path();
    };
    in_dialog([&](Dialog& d) {
        // By Category without a category, refused on the printer chosen.
        for (platform::OptionButton* type : {d.optprint1, d.Optprint2, d.Optprint3}) {
            click(type);
            d.cmbPrinter->setCurrentIndex(
                d.cmbPrinter->findText(type == d.Optprint2 ? "Office" : "Lab"));
            click(d.comprint);
            EXPECT_EQ(d.lblselwarning->text(), "CHOOSE AT LEAST 1 CATEGORY")
                << type->objectName().toStdString();
            EXPECT_EQ(platform::printer().DeviceName(), d.cmbPrinter->currentText());
            EXPECT_TRUE(d.comprint->isEnabled() && d.Comcancel->isEnabled());
        }
        d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(platform::kPdfDevice));
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
        expect_load_prompt("5160", platform::vbCancel);
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELLED");
        EXPECT_TRUE(boxes_before_file.empty());
        expect_load_prompt("5160");
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 3 LABELS");

        // QuickPrint asks for its own sheet, and anything but OK cancels.
        click(d.Option6);
        click(d.Option4);
        expect_load_prompt("5662", platform::vbCancel);
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELLED");
        click(d.Option7);
        expect_load_prompt("5163", platform::vbCancel);
        click(d.comprint);
    });
    EXPECT_EQ(boxes_before_file, std::vector<size_t>{2});
}

// A phone list of no selected line says it printed none without asking for a file first;
// one line asks for the file and prints.
TEST_F(PrintCommandTest, APhoneListOfNoLineAsksForNoFile) {
    start_with(3);
    in_dialog([this](Dialog& d) {
        click(d.optprint1);
        click(d.Option3);
        d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(platform::kPdfDevice));
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 0 OF 3 RECORDS");
        EXPECT_TRUE(files.calls().empty());
        select_lines(d.lstselection, {1});
        files.expect(path("one.pdf"));
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 3 RECORDS");
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
    store_children({with_family.keyname, {"", "CY", "DI"}});
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

}  // namespace
