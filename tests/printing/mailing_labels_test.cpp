// The print dialog's mailing labels, as a user prints them: load prompt, too-long list, count.
#include <QDir>
#include <algorithm>

#include "pdf_words.h"
#include "print_dialog_fixture.h"
#include "printing/FrmInvalid.h"
#include "printing/frmFileName.h"
#include "printing_fixture.h"
#include "reports/frmGetTrackingFile.h"
#include "reports/frmTrackGrid.h"

using platform::form;

namespace {

class MailingLabels : public PrintDialogTest {};

TEST_F(MailingLabels, PrintsTheLabelsListsTheTooLongOneAndCountsWhatPrinted) {
    store_household(household("WORTHINGTONSMYTHEBARTHOLOMEW", "ALEXANDERJONATHAN"));
    start_with(3);
    auto& rec = platform::use_print_recorder();
    form<FrmInvalid>().add_entry("LEFT FROM AN EARLIER USE");
    in_dialog([this](Dialog& d) {
        click(d.Optprint3);
        click(d.Option1);
        click(d.Option5);
        expect_load_prompt("5160");
        modals.on("FrmInvalid", [](platform::Window& w) {
            auto& list = static_cast<FrmInvalid&>(w);
            EXPECT_EQ(list.entries(),
                      QStringList({"", "       ALEXANDERJONATHAN WORTHINGTONSMYTHEBARTHOLOMEW",
                                   "1 MAIN ST", "SPRINGFIELD, IL 62701", ""}));
            click(list.ui().Command2);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 3 OF 4 LABELS");
        EXPECT_TRUE(d.comprint->isEnabled() && d.Comcancel->isEnabled());
    });
    ASSERT_EQ(rec.jobs.size(), 1u);
    QStringList printed;
    for (const auto& t : rec.job_texts(0)) printed << t.text;
    EXPECT_TRUE(printed.contains("ANN1 SMITH") && printed.contains("CARL1 SMITH"));
    EXPECT_FALSE(printed.join(' ').contains("WORTHINGTON"));
}

// A run the printer fails lists no label set aside: only the failure is told.
TEST_F(MailingLabels, AFailedRunShowsNoTooLongList) {
    store_household(household("WORTHINGTONSMYTHEBARTHOLOMEW", "ALEXANDERJONATHAN"));
    start_with(3);
    platform::use_print_recorder().fail_next_begin = true;
    in_dialog([this](Dialog& d) {
        click(d.Optprint3);
        click(d.Option1);
        expect_load_prompt("5160");
        click(d.comprint);
        EXPECT_TRUE(d.lblselwarning->text().startsWith("PRINTING FAILED: "))
            << d.lblselwarning->text().toStdString();
    });
}

// With TITLE ticked every title choice of person 1 and of person 2 prints as a word of its own
// on the real label; person 1 without a title prints no titles at all.
TEST_F(MailingLabels, EveryTitleOfEitherPersonPrintsAsAWordOfItsOwn) {
    const struct {
        const char *first1, *option1, *option2;
        QStringList line;
    } cases[] = {
        {"AL", "2", "4", {"MR.", "AL", "OX", "&", "MS.", "BO", "YU"}},
        {"CY", "3", "3", {"DR.", "CY", "OX", "&", "MRS.", "BO", "YU"}},
        {"DI", "4", "1", {"MRS.", "DI", "OX", "&", "MR.", "BO", "YU"}},
        {"ED", "5", "2", {"MS.", "ED", "OX", "&", "DR.", "BO", "YU"}},
        {"FY", "6", "5", {"REV.", "FY", "OX", "&", "HON.", "BO", "YU"}},
        {"GUS", "2", "0", {"MR.", "GUS", "OX", "&", "BO", "YU"}},
        {"HAL", "1", "3", {"HAL", "OX", "&", "BO", "YU"}},
    };
    for (const auto& t : cases) {
        auto r = household("Ox", t.first1);
        r.first_name_2 = "BO";
        r.last_name_2 = "YU";
        r.option1 = t.option1;
        r.option2 = t.option2;
        r.sal1 = "REV.";
        r.sal2 = "HON.";
        store_household(r);
    }
    start_with(0);
    const QString pdf = path("titles.pdf");
    in_dialog([&](Dialog& d) {
        click(d.Option1);
        click(d.Chktitle);
        d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(platform::kPdfDevice));
        expect_load_prompt("5160");
        files.expect(pdf);
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 7 OF 7 LABELS");
    });
    const auto words = testing_support::pdf_words(pdf);
    for (const auto& t : cases) {
        // The name line: the words beside person 1's first name on its label, left to right.
        const auto first = std::find_if(words.begin(), words.end(),
                                        [&](const auto& w) { return w.text == t.first1; });
        ASSERT_NE(first, words.end()) << t.first1;
        const int label = kAvery5160.label_holding(first->box);
        std::vector<testing_support::PdfWord> line;
        for (const auto& w : words)
            if (w.page == first->page && kAvery5160.label_holding(w.box) == label &&
                std::abs(w.box.center().y() - first->box.center().y()) < 0.05)
                line.push_back(w);
        std::sort(line.begin(), line.end(),
                  [](const auto& a, const auto& b) { return a.box.left() < b.box.left(); });
        QStringList printed;
        for (const auto& w : line) printed << w.text;
        EXPECT_EQ(printed, t.line) << t.first1;
    }
}

// A tracked run as the user makes it: the report's name, the labels, the report on disk and
// counted, and it opens in the grid. EXIT in the name window prints without a report.
TEST_F(MailingLabels, ATrackedRunWritesAReportThatOpensInTheGrid) {
    auto guest = household("GUEST", "GUS");
    guest.category[1] = "Y";
    guest.home_phone = "555-0100";
    store_household(guest);
    start_with(1);
    platform::use_print_recorder();
    const QDate response = QDate::currentDate().addDays(7);
    const QDate party = response.addDays(7);
    in_dialog([&](Dialog& d) {
        click(d.Check[1]);
        click(d.Option6);  // invitations by category are tracked
        expect_load_prompt("5662");
        modals.on("frmFileName", [&](platform::Window& w) {
            auto& c = static_cast<frmFileName&>(w).ui();
            type(c.txtFileName, "Garden party");
            c.dtpResponse->setDate(response);
            c.dtpParty->setDate(party);
            click(c.cmdEnter);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 2 LABELS");
        EXPECT_EQ(v(d.chkTrack), 1);

        expect_load_prompt("5662");
        modals.on("frmFileName",
                  [](platform::Window& w) { click(static_cast<frmFileName&>(w).ui().cmdExit); });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 2 LABELS");
        EXPECT_EQ(v(d.chkTrack), 0);
    });
    EXPECT_EQ(QDir(dir_.path()).entryList({"*.trk"}), QStringList{"Garden party.trk"});
    EXPECT_EQ(read("Garden party.trk"), "1,\"Garden party\",#" +
                                            response.toString("yyyy-MM-dd").toLatin1() + "#,#" +
                                            party.toString("yyyy-MM-dd").toLatin1() +
                                            "#\r\n\"GUS GUEST\",1,\"?\",\"555-0100\"\r\n");
    EXPECT_EQ(main().Trackfile, 1);
    common::StorefileRecord stored;
    common::read_storefile(path("storefile.ovr"), stored);
    EXPECT_EQ(stored.Trackfile, 1);

    modals.on("frmGetTrackingFile", [](platform::Window&) {
        auto& c = form<frmGetTrackingFile>().ui();
        c.filGetTracking->setCurrentItem(
            c.filGetTracking->findItems("Garden party.trk", Qt::MatchExactly).value(0));
        click(c.cmdChoose);
    });
    modals.on("frmTrackGrid", [](platform::Window&) {
        auto& g = form<frmTrackGrid>().ui();
        EXPECT_EQ(g.lblFileName->text(), "GARDEN PARTY");
        ASSERT_EQ(g.grdTrack->rowCount(), 1);
        EXPECT_EQ(g.grdTrack->item(0, 1)->text(), "GUS GUEST");
        click(g.cmdClose);
    });
    ASSERT_TRUE(main().ui().mnuTrackingReports->isEnabled());
    main().ui().mnuViewTrackingReports->trigger();
}

}  // namespace
