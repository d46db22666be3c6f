// The label windows as a user meets them from the print dialog: what they print where, and
// what the dialog then reports.
#include <QListWidget>

#include "../printing/print_dialog_fixture.h"
#include "../printing/printing_fixture.h"
#include "pdf_words.h"
#include "printing/FrmInvalid.h"
#include "printing/frmFileName.h"
#include "printing/label_run.h"
#include "reports/Frmchildprint.h"
#include "reports/frmQuickprint.h"
#include "reports/frmSingle.h"

using platform::form;
namespace color = platform::color;

namespace {

constexpr int kLoadStyle = platform::vbOKCancel + platform::vbExclamation;

class LabelWindows : public PrintDialogTest {
protected:
    void SetUp() override {
        PrintDialogTest::SetUp();
        rec = &platform::use_print_recorder();
    }

    // The printed words of every job, with the real label each lies in (0: none).
    struct Printed {
        QString text;
        int label;
        double top;  // inches from the page's top
    };
    std::vector<Printed> printed(const RealSheet& sheet) const {
        std::vector<Printed> out;
        for (const auto& t : rec->texts) {
            if (t.text.isEmpty()) continue;
            const QRectF box = drawn_box(t, platform::pdf_device_geometry());
            out.push_back({t.text, sheet.label_holding(box), box.top()});
        }
        return out;
    }
    QStringList printed_texts() const {
        QStringList texts;
        for (const auto& t : rec->texts)
            if (!t.text.isEmpty()) texts << t.text;
        return texts;
    }

    static void fill_quick(frmQuickprint_ui::Controls& q, const QString& name) {
        type(q.txtName, name);
        type(q.txtaddress1, "12 elm st");
        type(q.txtCity, "salt lake city");
        type(q.txtState, "ut");
        type(q.txtZip, "84101");
    }

    // QuickPrint on a sheet from a start button (on the printer named, if any); act fills and
    // closes the window.
    void quick_print(Dialog& d, QAbstractButton* sheet, int opt, const QString& avery,
                     std::function<void(frmQuickprint&)> act, const QString& printer = {}) {
        click(d.Optprint3);
        click(sheet);
        click(d.Option4);
        click(d.Opt[opt]);
        if (!printer.isEmpty()) d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(printer));
        expect_load(avery);
        modals.on("frmQuickprint",
                  [act](platform::Window& w) { act(static_cast<frmQuickprint&>(w)); });
        click(d.comprint);
    }

    // Selected Printing on a sheet with SinglePrint or ChildPrint ticked, from start button opt
    // (0: the first), and the household on list line `line` chosen.
    void select_for_window(Dialog& d, QAbstractButton* sheet, QAbstractButton* window, int line,
                           const QString& avery, int opt = 0) {
        click(d.Optprint3);
        click(sheet);
        click(d.Option3);
        click(window);
        if (opt) click(d.Opt[opt]);
        select_lines(d.lstselection, {line});
        expect_load(avery);
    }
    // SMITH, JOHN with a second person ("" for none), children and, when given, address 1.
    void store_smith(const QString& first2, const QString& last2,
                     const std::vector<QString>& children, const QString& address1 = {}) {
        auto h = household("SMITH", "JOHN");
        h.first_name_2 = first2;
        h.last_name_2 = last2;
        if (!address1.isEmpty()) h.address_1 = address1;
        h.category[1] = "Y";
        store_household(h);
        common::ChildrenRecord kids{h.keyname, {}};
        for (size_t k = 0; k < children.size(); ++k) kids.child[k + 1] = children[k];
        store_children(kids);
    }

    // The list of labels too long to print comes next, holding exactly `entries`; it is closed.
    void expect_too_long(const QStringList& entries) {
        modals.on("FrmInvalid", [entries](platform::Window& w) {
            EXPECT_EQ(static_cast<FrmInvalid&>(w).entries(), entries);
            click(static_cast<FrmInvalid&>(w).ui().Command2);
        });
    }

    void expect_load(const QString& avery) {
        msgs.expect("LOAD AVERY " + avery + " LABELS INTO PRINTER", platform::vbOK, kLoadStyle,
                    "LOAD LABELS");
    }
    // The words of the one job, which must all lie in real label `label`.
    std::vector<Printed> printed_on(const RealSheet& sheet, int label, size_t count) const {
        EXPECT_EQ(rec->jobs.size(), 1u);
        std::vector<Printed> words = printed(sheet);
        EXPECT_EQ(words.size(), count);
        for (const auto& w : words) EXPECT_EQ(w.label, label) << w.text.toStdString();
        words.resize(count);
        return words;
    }

    platform::PrintRecorder* rec = nullptr;
};

// The same windows printing on the PDF device, read back with pdftotext.
class LabelWindowsOnPaper : public LabelWindows {
protected:
    void SetUp() override { PrintDialogTest::SetUp(); }
};

TEST_F(LabelWindows, QuickPrintChecksItsFieldsAndPrintsAtPositionThirty) {
    start_with(3);
    in_dialog([this](Dialog& d) {
        quick_print(d, d.Option5, 30, "5160", [this](frmQuickprint& w) {
            auto& q = w.ui();
            EXPECT_EQ(platform::max_length(q.txtName), 33);
            EXPECT_EQ(platform::max_length(q.txtCity), 20);
            EXPECT_EQ(platform::max_length(q.txtZip), 10);

            type(q.txtName, " ");  // blanks are text here
            type(q.txtCity, "paris");
            click(q.cmdPrint);
            EXPECT_EQ(q.lblWarning->text(), "RED FIELDS REQUIRED");
            EXPECT_EQ(platform::back_color(q.txtName), color::kWhite);
            EXPECT_EQ(platform::back_color(q.txtCity), color::kWhite);
            EXPECT_EQ(q.txtCity->text(), "PARIS");
            for (QLineEdit* box : {q.txtaddress1, q.txtState, q.txtZip})
                EXPECT_EQ(platform::back_color(box), color::kLightRed)
                    << box->objectName().toStdString();
            EXPECT_TRUE(rec->texts.empty());
            snapshot(w.widget(), "frmQuickprint_required");

            // Foreign: no state or zip needed.
            type(q.txtName, "ann smith");
            type(q.txtaddress1, "1 rue de la paix");
            click(q.chkForeign);
            click(q.cmdPrint);
        });
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 3 RECORDS");
        EXPECT_EQ(dialog().Cancelmessage, "N");
    });
    const auto words = printed_on(kAvery5160, 30, 3);
    EXPECT_EQ(words[0].text, "ANN SMITH");
    EXPECT_EQ(words[2].text, "PARIS,  ");
}

TEST_F(LabelWindows, QuickPrintOnShippingPositionTenCancelFailureAndItsOwnTooLongLabel) {
    start_with(2);
    in_dialog([this](Dialog& d) {
        quick_print(d, d.Option7, 54, "5163", [](frmQuickprint& w) {
            fill_quick(w.ui(), "ann smith");
            type(w.ui().txtaddress2, "apt 4");
            click(w.ui().cmdPrint);
        });
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 2 RECORDS");
        const auto words = printed_on(kAvery5163, 10, 4);
        EXPECT_EQ(words[2].text, "APT 4");
        rec->clear();

        // CANCEL, and the close box, tell the dialog so.
        quick_print(d, d.Option7, 45, "5163", [](frmQuickprint& w) { click(w.ui().cmdCancel); });
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELED");
        EXPECT_EQ(dialog().Cancelmessage, "Y");
        d.lblselwarning->clear();
        quick_print(d, d.Option7, 45, "5163", [](frmQuickprint& w) { w.escape_key(); });
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELED");

        // A printer that fails is reported, never counted.
        rec->fail_next_begin = true;
        quick_print(d, d.Option7, 45, "5163", [](frmQuickprint& w) {
            fill_quick(w.ui(), "bob smith");
            click(w.ui().cmdPrint);
        });
        EXPECT_TRUE(d.lblselwarning->text().startsWith("PRINTING FAILED"))
            << d.lblselwarning->text().toStdString();
        EXPECT_EQ(dialog().Cancelmessage, "Y");

        // A label too long for the sheet: its own list at once, and the window stays open.
        form<FrmInvalid>().add_entry("LEFT FROM AN EARLIER USE");
        quick_print(d, d.Option7, 45, "5163", [this](frmQuickprint& w) {
            auto& q = w.ui();
            fill_quick(q, QString(33, 'n'));
            expect_too_long(
                QStringList({QString(33, 'N'), "12 ELM ST", "SALT LAKE CITY, UT 84101", ""}));
            click(q.cmdPrint);
            EXPECT_EQ(q.lblWarning->text(), "LABEL NOT PRINTED");
            EXPECT_TRUE(w.is_shown());
            type(q.txtName, QString(32, 'n'));
            click(q.cmdPrint);
        });
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 2 RECORDS");
    });
    EXPECT_EQ(rec->jobs.size(), 1u);
}

TEST_F(LabelWindows, QuickPrintInviteUsesItsOwnRowsWithoutTheTopOffset) {
    start_with(1);
    in_dialog([this](Dialog& d) {
        quick_print(d, d.Option6, 44, "5662", [](frmQuickprint& w) {
            auto& q = w.ui();
            EXPECT_EQ(q.Label3->text(), "Address");
            EXPECT_EQ(q.Label4->text(), "");
            EXPECT_FALSE(q.txtaddress2->isEnabled());
            EXPECT_FALSE(q.txtaddress2->isVisible());
            fill_quick(q, "john van-dyke");
            click(q.cmdPrint);
        });
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 1 RECORDS");
    });
    const auto words = printed_on(kAvery5662, 14, 3);
    EXPECT_EQ(printed_texts(),
              QStringList({"John Van-Dyke", "12 Elm St", "Salt Lake City, UT 84101"}));
    // Row 7 of its own table, from the printable top, whatever the printer's offset.
    EXPECT_NEAR(words[0].top, platform::pdf_device_geometry().printable.top() + 8.8, 1e-6);
}

TEST_F(LabelWindowsOnPaper, QuickLabelsOnTheFirstAndLastInviteLabelLieInsideThem) {
    start_with(1);
    in_dialog([this](Dialog& d) {
        for (int position : {1, 14}) {
            const QString pdf = path(QStringLiteral("Quick label %1.pdf").arg(position));
            files.expect(pdf);
            quick_print(
                d, d.Option6, 30 + position, "5662",
                [](frmQuickprint& w) {
                    fill_quick(w.ui(), "MARGARET VAN-DYKE");
                    type(w.ui().txtaddress1, "2210 WILLOWBROOK LANE");
                    click(w.ui().cmdPrint);
                },
                platform::kPdfDevice);
            EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 1 RECORDS");
            ASSERT_EQ(testing_support::pdf_page_count(pdf), 1);
            QStringList words;
            for (const auto& w : testing_support::pdf_words(pdf)) {
                words << w.text;
                EXPECT_EQ(kAvery5662.label_holding(w.box), position)
                    << w.text.toStdString() << " at " << w.box.left() << ", " << w.box.top();
            }
            EXPECT_EQ(words, QStringList({"Margaret", "Van-Dyke", "2210", "Willowbrook", "Lane",
                                          "Salt", "Lake", "City,", "UT", "84101"}));
            if (!qEnvironmentVariableIsEmpty("OVRA_SNAPSHOTS"))
                testing_support::pdf_page_png(
                    pdf, 1,
                    qEnvironmentVariable("OVRA_SNAPSHOTS") + "/" + pdf.section('/', -1) + ".png");
        }
        // The file is asked for by the window's PRINT, after the label was typed; cancelling
        // it cancels the label.
        EXPECT_EQ(files.calls().back().file_name, "Quick label 5662.pdf");
        files.expect("");
        quick_print(
            d, d.Option6, 44, "5662",
            [](frmQuickprint& w) {
                fill_quick(w.ui(), "ann smith");
                click(w.ui().cmdPrint);
            },
            platform::kPdfDevice);
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELED");
    });
}

// A two-person household chosen for SinglePrint in the Selected run.
TEST_F(LabelWindows, SinglePrintPrintsTheChosenPersonAndTheDialogCountsIt) {
    auto two = household("SMITH", "JOHN");
    two.first_name_2 = "JANE";
    two.last_name_2 = "JONES";
    two.last_name_hyphen = "Y";
    two.sal1 = "MR.";
    two.sal2 = "MRS.";
    two.option1 = "0";
    two.option2 = "1";
    store_household(two);
    start_with(2);
    in_dialog([this](Dialog& d) {
        select_for_window(d, d.Option5, d.Chksingle, 2, "5160", 1);
        ASSERT_EQ(d.lstselection->item(2)->text(), "SMITH, JOHN & JANE JONES-SMITH");
        modals.on("frmSingle", [](platform::Window& w) {
            auto& s = static_cast<frmSingle&>(w).ui();
            EXPECT_EQ(s.lblspouse1->text(), "JOHN SMITH");
            EXPECT_EQ(s.Lblspouse2->text(), "JANE JONES-SMITH");
            // Neither person chosen: the label is person 2's.
            EXPECT_FALSE(s.opt1->isChecked() || s.Opt2->isChecked());
            click(s.cmdPrint);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 3 LABELS");
        EXPECT_EQ(selected_lines(d.lstselection), 0);

        // CANCEL prints nothing and says so.
        select_lines(d.lstselection, {2});
        expect_load("5160");
        modals.on("frmSingle", [](platform::Window& w) { w.escape_key(); });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 0 OF 3 LABELS");
        EXPECT_EQ(selected_lines(d.lstselection), 0);

        // The window's printer fails: the run reports it instead of a count.
        rec->fail_next_begin = true;
        select_lines(d.lstselection, {2});
        expect_load("5160");
        modals.on("frmSingle",
                  [](platform::Window& w) { click(static_cast<frmSingle&>(w).ui().cmdPrint); });
        click(d.comprint);
        EXPECT_TRUE(d.lblselwarning->text().startsWith("PRINTING FAILED"))
            << d.lblselwarning->text().toStdString();
    });
    const auto words = printed_on(kAvery5160, 1, 3);
    EXPECT_EQ(words[0].text, "JANE JONES-SMITH");
}

TEST_F(LabelWindows, SinglePrintRefusesATooLongInviteLabelAndCountsNothing) {
    store_smith("JANE", "SMITH", {}, "1234 SOUTH WILLOWBROOK BOULEVARD");
    start_with(0);
    in_dialog([this](Dialog& d) {
        select_for_window(d, d.Option6, d.Chksingle, 0, "5662");
        modals.on("frmSingle", [](platform::Window& w) {
            click(static_cast<frmSingle&>(w).ui().opt1);
            click(static_cast<frmSingle&>(w).ui().cmdPrint);
        });
        expect_too_long(QStringList(
            {"John Smith", "1234 South Willowbrook Boulevard", "Springfield, IL 62701", ""}));
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 0 OF 1 LABELS");
        EXPECT_EQ(selected_lines(d.lstselection), 1) << "the selection stays for another try";
    });
    EXPECT_TRUE(rec->jobs.empty());
}

// A household with two children, chosen for ChildPrint in the Selected run.
TEST_F(LabelWindows, ChildPrintAsksForANameThenPrintsAtTheChosenPosition) {
    store_smith("MARY", "SMITH", {"TOM", "SUE JONES"});
    start_with(0);
    in_dialog([this](Dialog& d) {
        select_for_window(d, d.Option7, d.Chkchild, 0, "5163", 54);
        modals.on("Frmchildprint", [](platform::Window& w) {
            auto& c = static_cast<Frmchildprint&>(w).ui();
            click(c.cmdPrint);
            EXPECT_EQ(c.Lbltitle->text(), "        PLEASE CHECK 1 OR 2 NAMES");
            snapshot(w.widget(), "Frmchildprint_warning");
            click(c.Check[1]);
            click(c.Check[2]);
            click(c.Check[8]);
            click(c.cmdPrint);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 1 LABELS");

        // Esc is CANCEL: nothing printed, the selection cleared.
        select_lines(d.lstselection, {0});
        expect_load("5163");
        modals.on("Frmchildprint", [](platform::Window& w) { w.escape_key(); });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 0 OF 1 LABELS");
        EXPECT_EQ(selected_lines(d.lstselection), 0);
    });
    printed_on(kAvery5163, 10, 4);
    EXPECT_EQ(printed_texts(), QStringList({"TO THE PARENTS OF ", "     TOM SMITH & SUE JONES",
                                            "1 MAIN ST", "SPRINGFIELD, IL 62701"}));
}

// A children label too long for the Invite sheet is listed (lines 1 to 3) and the window asks
// again, in its own colours.
TEST_F(LabelWindows, ChildPrintRefusesATooLongInviteLabelAndAsksAgain) {
    store_smith("", "", {"TOM", "SUE"}, "1234 SOUTH WILLOWBROOK BOULEVARD");
    start_with(0);
    in_dialog([this](Dialog& d) {
        select_for_window(d, d.Option6, d.Chkchild, 0, "5662");
        modals.on("Frmchildprint", [this](platform::Window& w) {
            auto& c = static_cast<Frmchildprint&>(w).ui();
            EXPECT_EQ(platform::fore_color(c.Lbltitle), color::kButtonText);
            click(c.cmdPrint);
            EXPECT_EQ(platform::fore_color(c.Lbltitle), color::kLightRed);
            click(c.Check[1]);
            expect_too_long(QStringList(
                {"Tom Smith", "1234 South Willowbrook Boulevard", "Springfield, IL 62701", ""}));
            click(c.cmdPrint);
            EXPECT_TRUE(w.is_shown());
            EXPECT_EQ(c.Lbltitle->text(), "Who Do You Want To Print A Label For?");
            EXPECT_EQ(platform::fore_color(c.Lbltitle), color::kButtonText);
            snapshot(w.widget(), "Frmchildprint_asks_again");
            click(c.cmdCancel);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 0 OF 1 LABELS");
    });
    EXPECT_TRUE(rec->jobs.empty());
}

// EXIT in the tracking dialog unticks Track for the whole run: the children window offers the
// parents row again, as in any run without a report.
TEST_F(LabelWindows, ChildPrintAfterTheTrackingDialogsExitOffersTheParents) {
    store_smith("", "", {"TOM"});
    start_with(0);
    in_dialog([this](Dialog& d) {
        click(d.Optprint3);
        click(d.Option5);
        click(d.Option2);
        click(d.Check[1]);
        click(d.Chkchildsel);
        click(d.chkTrack);
        expect_load("5160");
        modals.on("frmFileName",
                  [](platform::Window& w) { click(static_cast<frmFileName&>(w).ui().cmdExit); });
        modals.on("Frmchildprint", [](platform::Window& w) {
            auto& c = static_cast<Frmchildprint&>(w).ui();
            snapshot(w.widget(), "Frmchildprint_after_exit");
            EXPECT_EQ(c.Label[8]->text(), "TO THE PARENT OF ");
            click(c.Check[8]);
            click(c.cmdPrint);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 1 LABELS");
        EXPECT_EQ(v(d.chkTrack), 0);
    });
    printed_on(kAvery5160, 1, 4);
    EXPECT_EQ(printed_texts(), QStringList({"TO THE PARENT OF ", "     TOM SMITH", "1 MAIN ST",
                                            "SPRINGFIELD, IL 62701"}));
}

TEST_F(LabelWindows, ChildLabelHandsBackItsWholeNameLineAndTicksAllChildrenItself) {
    start_with(0);
    printing::RecordImage h;
    h.firstname1 = "JOHN";
    h.lastname1 = "SMITH";
    h.title1 = "None";
    h.child[1] = "ALEXANDRA JONES";
    h.child[2] = "CHRISTOPHERR BROWN";
    h.number_of_children = 2;
    printing::LabelOptions o;
    o.sheet = printing::Sheet::Standard;
    o.child_print_by_category = true;
    modals.on("Frmchildprint", [](platform::Window& w) {
        auto& c = static_cast<Frmchildprint&>(w).ui();
        click(c.Check[1]);
        click(c.Check[2]);
        click(c.cmdPrint);
    });
    const printing::ChildPrintResult r = printing::show_child_print(h, o, false);
    EXPECT_EQ(r.print_or_cancel_flag, "P");
    EXPECT_EQ(r.labels_printed, 0);
    EXPECT_EQ(r.label.lines[1], "ALEXANDRA JONES &");
    EXPECT_EQ(r.label.lines[3], "");
    EXPECT_EQ(r.label.whole_name_line, "ALEXANDRA JONES & CHRISTOPHERR BROWN");
    EXPECT_EQ(r.label.number_in_party, 2);

    // Three ticked on an Invite label refused as too long: the window has ticked all the
    // children itself and stays open for another choice.
    h.child[3] = "BOB";
    h.number_of_children = 3;
    h.address1 = "12345 SOUTH WILLOWBROOK BLVD";  // 28 characters
    o.sheet = printing::Sheet::Invite;
    modals.on("Frmchildprint", [this](platform::Window& w) {
        auto& c = static_cast<Frmchildprint&>(w).ui();
        for (int k : {1, 2, 3}) click(c.Check[k]);
        expect_too_long({"The Smith Children", "12345 South Willowbrook Blvd", ",  ", ""});
        click(c.cmdPrint);
        ASSERT_TRUE(w.is_shown());
        EXPECT_TRUE(c.Check[7]->isChecked());
        click(c.cmdCancel);
    });
    EXPECT_EQ(printing::show_child_print(h, o, true).print_or_cancel_flag, "C");
    EXPECT_TRUE(rec->texts.empty());
}

}  // namespace
