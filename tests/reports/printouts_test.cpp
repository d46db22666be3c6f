#include "reports/printouts.h"

#include <QListWidget>
#include <cmath>
#include <map>
#include <optional>

#include "common/tracking_file.h"
#include "fixture.h"
#include "pdf_words.h"
#include "platform/printer.h"
#include "reports/frmTrackGrid.h"
#include "reports/frmTrackSetup.h"
#include "reports/tracking_dates.h"

using common::tracking::InviteeRecord;
using platform::form;

namespace {

class Printouts : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        start_program();
    }

    // The printed lines of one page, each line's texts joined by "|", top to bottom.
    QStringList page_lines(int page) const {
        std::map<double, QStringList> lines;
        for (const auto& t : rec().texts)
            if (t.page == page) lines[t.y] << t.text;
        QStringList out;
        for (const auto& [y, texts] : lines) out << texts.join('|');
        return out;
    }
    static platform::PrintRecorder& rec() { return form<platform::PrintRecorder>(); }

    // Opens the grid on these invitees and presses PRINT with the answers given ticked.
    void print_from_grid(std::vector<InviteeRecord> invitees, bool yes, bool no, bool unanswered) {
        auto& grid = form<frmTrackGrid>();
        grid.unload();
        grid.invitees = std::move(invitees);
        grid.ui().lblFileName->setText("SPRING PARTY");
        grid.ui().lblResponse->setText("R-DATE");
        grid.ui().lblParty->setText("P-DATE");
        modals.on("frmTrackSetup", [=](platform::Window&) {
            auto& c = form<frmTrackSetup>().ui();
            c.chkYes->setChecked(yes);
            c.ChkNo->setChecked(no);
            c.chkUnrespond->setChecked(unanswered);
            click(c.cmdPrint);
        });
        click(grid.ui().cmdPrint);
        EXPECT_FALSE(form<frmTrackSetup>().is_loaded());
    }

    static std::vector<InviteeRecord> invitees(int n, const QString& response = "?") {
        std::vector<InviteeRecord> out;
        for (int i = 1; i <= n; ++i)
            out.push_back({QString("GUEST %1").arg(i), "2", response,
                           QString("555-000-%1").arg(i, 4, 10, QChar('0'))});
        return out;
    }
};

TEST_F(Printouts, SixtyOneInviteesMakeTwoPagesWithTheirHeadings) {
    platform::use_print_recorder();
    print_from_grid(invitees(61), true, true, true);
    ASSERT_EQ(rec().jobs.size(), 1u);
    EXPECT_TRUE(rec().jobs[0].ended);
    EXPECT_EQ(rec().jobs[0].pages, 2);
    const QString today = "TODAY'S DATE = " + reports::short_date(QDate::currentDate());
    const QStringList heading1 = {"SPRING PARTY|Page 1 Of 2",
                                  " ",
                                  today + "|RESPONSE DATE = R-DATE|PARTY DATE = P-DATE",
                                  " ",
                                  "#|INVITEE|NUMBER|ATTENDING|PHONE",
                                  "INVITED"};
    const QStringList one = page_lines(1);
    ASSERT_EQ(one.size(), 66);
    EXPECT_EQ(one.mid(0, 6), heading1);
    EXPECT_EQ(one[6], "1)|GUEST 1|2|?|555-000-0001");
    EXPECT_EQ(one[65], "60)|GUEST 60|2|?|555-000-0060");
    const QStringList two = page_lines(2);
    ASSERT_EQ(two.size(), 7);
    EXPECT_EQ(two[0], "SPRING PARTY|Page 2 Of 2");
    EXPECT_EQ(two[6], "61)|GUEST 61|2|?|555-000-0061");
    for (const auto& t : rec().texts) EXPECT_EQ(t.font, "Arial");

    // Each item stands at its tab column, counted in the original Arial's width, 904/2048 em
    // at the line's size. Invitee lines (size 0 here) print at 10 pt, or just small enough for
    // sixty of them to fit the page.
    const std::map<QString, std::pair<int, double>> columns = {{"SPRING PARTY", {5, 14}},
                                                               {"Page 1 Of 2", {80, 14}},
                                                               {today, {5, 12}},
                                                               {"RESPONSE DATE = R-DATE", {39, 12}},
                                                               {"PARTY DATE = P-DATE", {76, 12}},
                                                               {"#", {5, 10}},
                                                               {"INVITEE", {10, 10}},
                                                               {"NUMBER", {75, 10}},
                                                               {"ATTENDING", {90, 10}},
                                                               {"PHONE", {110, 10}},
                                                               {"INVITED", {75, 10}},
                                                               {"1)", {5, 0}},
                                                               {"GUEST 1", {10, 0}},
                                                               {"2", {79, 0}},
                                                               {"?", {96, 0}},
                                                               {"555-000-0001", {110, 0}}};
    int placed = 0;
    for (const auto& t : rec().texts) {
        const auto at = columns.find(t.text);
        if (t.page != 1 || at == columns.end()) continue;
        const auto [tab, size] = at->second;
        if (size > 0)
            EXPECT_EQ(t.size, size) << t.text.toStdString();
        else
            EXPECT_TRUE(t.size >= 9 && t.size <= 10) << t.size;
        EXPECT_NEAR(t.x, (tab - 1) * t.size * 904 / 2048 / 72, 1e-9) << t.text.toStdString();
        ++placed;
    }
    EXPECT_EQ(placed, 14 + 2 * 60);
}

TEST_F(Printouts, FiltersNumberPrintedLinesOnlyAndPagesFollowTheReportsRows) {
    platform::use_print_recorder();
    // Only those who said yes, among rows of every kind; a lower-case answer never prints.
    std::vector<InviteeRecord> rows = {{"A", "1", "Y", "555-111-1111"},
                                       {"B", "2", "N", "555-222-2222"},
                                       {"C", "3", "?", "555-333-3333"},
                                       {"D", "4", "y", "555-444-4444"},
                                       {"E", "5", "Y", "555-555-5555"}};
    print_from_grid(rows, true, false, false);
    EXPECT_EQ(page_lines(1).mid(6), QStringList({"1)|A|1|Y| ", "2)|E|5|Y| "}));

    // Nothing ticked prints everyone; the phone only for those who have not answered.
    rec().clear();
    print_from_grid(rows, false, false, false);
    EXPECT_EQ(page_lines(1).mid(6),
              QStringList({"1)|A|1|Y| ", "2)|B|2|N| ", "3)|C|3|?|555-333-3333", "4)|E|5|Y| "}));

    // 120 rows of which the first 10 said yes: two pages, the second with its heading only.
    rec().clear();
    std::vector<InviteeRecord> many = invitees(120);
    for (int i = 0; i < 10; ++i) many[size_t(i)].response = "Y";
    print_from_grid(many, true, false, false);
    EXPECT_EQ(rec().jobs[0].pages, 2);
    EXPECT_EQ(page_lines(1).size(), 16);
    EXPECT_EQ(page_lines(2).size(), 6);
    EXPECT_EQ(page_lines(2)[0], "SPRING PARTY|Page 2 Of 2");

    // No invitee: one page with its heading.
    rec().clear();
    print_from_grid({}, true, true, true);
    EXPECT_EQ(rec().jobs[0].pages, 1);
    EXPECT_EQ(page_lines(1)[0], "SPRING PARTY|Page 1 Of 1");
    EXPECT_EQ(page_lines(1).size(), 6);
}

TEST_F(Printouts, TrackingReportPdfKeepsEveryWordOnItsPage) {
    const QString pdf = path("report.pdf");
    files.expect(pdf);
    std::vector<InviteeRecord> rows = invitees(61);
    rows[0].name = "VANDERBILT-WORTHINGTON, MAXIMILIAN & ALEXANDRA AND FAMILY";
    print_from_grid(rows, true, true, true);
    ASSERT_EQ(files.calls().size(), 1u);
    EXPECT_EQ(files.calls()[0].file_name, "Tracking report.pdf");
    ASSERT_EQ(testing_support::pdf_page_count(pdf), 2);
    const auto words = testing_support::pdf_words(pdf);
    const QRectF printable = platform::pdf_device_geometry().printable;
    std::optional<testing_support::PdfWord> family;
    for (const auto& w : words) {
        // Every word inside the device's printable area of the Letter page.
        EXPECT_TRUE(printable.adjusted(-0.01, -0.01, 0.01, 0.01).contains(w.box))
            << w.text.toStdString();
        if (w.page == 1 && w.text == "FAMILY") family = w;
    }
    // The long name is kept clear of its line's number in party.
    ASSERT_TRUE(family);
    const auto number = std::find_if(words.begin(), words.end(), [&](const auto& w) {
        return w.page == 1 && w.text == "2" && std::abs(w.box.top() - family->box.top()) < 0.05;
    });
    ASSERT_NE(number, words.end());
    EXPECT_LT(family->box.right(), number->box.left());
    QStringList page2;
    for (const auto& w : words)
        if (w.page == 2) page2 << w.text;
    EXPECT_EQ(page2.count("GUEST"), 1);
    EXPECT_TRUE(page2.contains("61)"));
    if (!qEnvironmentVariableIsEmpty("OVRA_SNAPSHOTS"))
        testing_support::pdf_page_png(
            pdf, 1, qEnvironmentVariable("OVRA_SNAPSHOTS") + "/tracking-report-1.png", 100);
}

}  // namespace
