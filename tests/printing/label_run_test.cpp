// The label run through a fake sheet printer: positions, pages, refusals, windows, tracking.
#include "printing/label_run.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "platform/cursor.h"
#include "platform/errors.h"
#include "shell/frmdatabase.h"

using namespace printing;

namespace {

class LabelRunTest : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        // Each sheet as "position:line 1" of its labels.
        out.print_sheet = [this](Sheet sheet, const LabelPage& page) {
            if (fail_at_sheet == int(sheets.size()) + 1)
                throw platform::VbError(platform::kErrPathFileAccess, "cannot write file");
            QStringList labels;
            for (int k = 1; k <= labels_per_sheet(sheet); ++k)
                if (!page[k][1].isEmpty()) labels << QStringLiteral("%1:%2").arg(k).arg(page[k][1]);
            sheets << labels.join(' ');
            return int(labels.size());
        };
        out.too_long = &too_long;
        out.write_report = [this](const TrackingRun& run) { reports.push_back(run); };
    }

    // Households "ANN H001".. in list order, in one transaction; category 2 for every third.
    void store(int n, RecordChoice choice = RecordChoice::All) {
        platform::DataControl data;
        data.set_database_name(path("ovra.mdb"));
        data.refresh();
        platform::Transaction t(data);
        for (int i = 1; i <= n; ++i) {
            auto r = household(QStringLiteral("H%1").arg(i, 3, 10, QLatin1Char('0')), "ANN");
            if (i % 3 == 0) r.category[2] = "Y";
            data.add_new();
            r.write_to(data);
            data.update();
            request.lines.push_back({r.keyname, r.keyname, false});
        }
        t.commit();
        open_database_file();
        request.choice = choice;
    }
    void add_first(const common::AddressRecord& r, bool selected) {
        store_household(r);
        request.lines.insert(request.lines.begin(), {r.keyname, r.keyname, selected});
    }

    PrintResult run() {
        sheets.clear();
        return run_mailing_labels(request, out);
    }

    PrintRequest request;
    LabelRunOutputs out;
    QStringList sheets;
    QStringList too_long;
    std::vector<TrackingRun> reports;
    int fail_at_sheet = 0;
};

TEST_F(LabelRunTest, PositionsFillSheetsInTurn) {
    store(30);
    const auto all = request.lines;
    auto first = [&](int n) { request.lines.assign(all.begin(), all.begin() + n); };
    first(5);
    request.start_standard = 28;
    EXPECT_EQ(run().message, "PRINTED 5 OF 5 LABELS");
    EXPECT_EQ(sheets,
              QStringList({"28:ANN H001 29:ANN H002 30:ANN H003", "1:ANN H004 2:ANN H005"}));

    // Thirty from position 1: one sheet, printed with the 30th label, no empty one after.
    first(30);
    request.start_standard = 0;
    run();
    EXPECT_EQ(sheets.size(), 1);

    request.sheet = Sheet::Shipping;
    first(12);
    EXPECT_EQ(run().message, "PRINTED 12 OF 12 LABELS");
    ASSERT_EQ(sheets.size(), 2);
    EXPECT_EQ(sheets[1], "1:ANN H011 2:ANN H012");

    request.sheet = Sheet::Invite;
    request.start_invite = 5;
    first(1);
    run();
    EXPECT_EQ(sheets, QStringList({"5:Ann H001"}));
}

TEST_F(LabelRunTest, ATooLongLabelGivesItsPositionToTheNext) {
    store(3);
    add_first(household("WORTHINGTONSMYTHEBARTHOLOMEW", "ALEXANDERJONATHAN"), false);
    // A line whose household is gone is skipped, never printed from another row.
    request.lines.push_back({"GONE, NOBODY", "GONE, NOBODY", false});
    request.start_standard = 4;
    too_long << "LEFT FROM AN EARLIER USE";
    const PrintResult r = run();
    EXPECT_EQ(r.message, "PRINTED 3 OF 5 LABELS");
    EXPECT_TRUE(r.clear_categories && r.clear_single_child);
    EXPECT_EQ(sheets, QStringList({"4:ANN H001 5:ANN H002 6:ANN H003"}));
    EXPECT_EQ(too_long, QStringList({"", "       ALEXANDERJONATHAN WORTHINGTONSMYTHEBARTHOLOMEW",
                                     "1 MAIN ST", "SPRINGFIELD, IL 62701", ""}));
}

TEST_F(LabelRunTest, SelectedPrintsTheSelectedLinesOrRefuses) {
    store(40, RecordChoice::Selected);
    for (int i = 2; i < 37; ++i) request.lines[i].selected = true;
    EXPECT_EQ(run().message, "PRINTED 35 OF 40 LABELS");
    ASSERT_EQ(sheets.size(), 2);
    EXPECT_TRUE(sheets[0].startsWith("1:ANN H003 "));
    EXPECT_EQ(sheets[1].count(':'), 5);

    request.single_print = request.child_print = true;
    EXPECT_EQ(run().message, "YOU CANNOT SELECT BOTH SINGLEPRINT AND CHILDPRINT");
    request.child_print = false;
    const PrintResult r = run();
    EXPECT_EQ(r.message, "YOU CAN ONLY SELECT ONE RECORD FOR SINGLEPRINT");
    EXPECT_TRUE(r.deselect_lines);
    for (auto& l : request.lines) l.selected = false;
    EXPECT_EQ(run().message, "YOU MUST SELECT ONE RECORD FOR SINGLEPRINT");
    request.single_print = false;
    EXPECT_EQ(run().message, "CHOOSE AT LEAST 1 NAME");
    request.child_print = true;
    request.lines[2].selected = true;
    EXPECT_EQ(run().message, "NO CHILDREN TO PRINT");
    EXPECT_TRUE(sheets.empty());
}

TEST_F(LabelRunTest, SinglePrintCountsWhatTheWindowPrinted) {
    store(2, RecordChoice::Selected);
    auto two = household("SMITH", "JOHN");
    two.first_name_2 = "JANE";
    two.last_name_2 = "SMITH";
    add_first(two, true);
    request.single_print = true;
    request.start_standard = 7;
    int printed_by_window = 1;
    QString shown;
    int position = 0;
    out.windows.single = [&](const RecordImage& h, int at) {
        shown = h.firstname2;
        position = at;
        return SinglePrintResult{printed_by_window, true};
    };
    PrintResult r = run();
    EXPECT_EQ(r.message, "PRINTED 1 OF 3 LABELS");
    EXPECT_TRUE(r.deselect_lines);
    EXPECT_EQ(shown, "JANE");
    EXPECT_EQ(position, 7);
    EXPECT_TRUE(sheets.empty());  // the window printed its own sheet
    printed_by_window = 0;        // cancelled, or its label set aside
    EXPECT_EQ(run().message, "PRINTED 0 OF 3 LABELS");

    // A one-person household gets no window and prints in the ordinary pass.
    request.lines[0].selected = false;
    request.lines[1].selected = true;
    shown.clear();
    EXPECT_EQ(run().message, "PRINTED 1 OF 3 LABELS");
    EXPECT_EQ(shown, "");
    EXPECT_EQ(sheets, QStringList({"7:ANN H001"}));
}

TEST_F(LabelRunTest, ChildPrintWindowInBothPasses) {
    store(3, RecordChoice::Selected);  // H003 is in category 2
    auto kids = household("SMITH", "JOHN");
    kids.category[2] = "Y";
    add_first(kids, true);
    store_children({kids.keyname, {"", "TOM", "SUE", "", "", "", ""}});
    request.child_print = true;
    ChildPrintResult answer{"P", {}, 1};
    out.windows.child = [&](const RecordImage& h, int) {
        EXPECT_EQ(h.number_of_children, 2);
        return answer;
    };
    EXPECT_EQ(run().message, "PRINTED 1 OF 4 LABELS");
    EXPECT_TRUE(sheets.empty());  // the window printed its own sheet

    // By Category: the window hands back its lines for the household's position.
    request.choice = RecordChoice::ByCategory;
    request.child_print = false;
    request.child_print_by_category = request.track = true;
    request.category[2] = 1;
    TrackingRun tracking;
    out.tracking = &tracking;
    answer.label.lines = {"", "TOM SMITH & SUE SMITH", "", "", "", ""};
    answer.label.number_in_party = 2;
    EXPECT_EQ(run().message, "PRINTED 2 OF 4 LABELS");
    EXPECT_EQ(sheets, QStringList({"1:TOM SMITH & SUE SMITH 2:ANN H003"}));
    ASSERT_EQ(tracking.invitee_count(), 2);
    EXPECT_EQ(tracking.invitees[0].name, "TOM SMITH & SUE SMITH");
    EXPECT_EQ(tracking.invitees[0].number, "2");

    // Cancelled: no label, and the position goes to the next household.
    answer = {"C", {}, 0};
    EXPECT_EQ(run().message, "PRINTED 1 OF 4 LABELS");
    EXPECT_EQ(sheets, QStringList({"1:ANN H003"}));
}

TEST_F(LabelRunTest, ByCategoryWithAndWithoutTracking) {
    store(7, RecordChoice::ByCategory);
    auto too_long_one = household("WORTHINGTONSMYTHEBARTHOLOMEW", "ALEXANDERJONATHAN");
    too_long_one.category[2] = "Y";
    add_first(too_long_one, false);
    EXPECT_EQ(run().message, "CHOOSE AT LEAST 1 CATEGORY");
    request.category[2] = 1;
    request.track = true;
    request.start_standard = 29;
    TrackingRun tracking;
    out.tracking = &tracking;
    // The last label fills the sheet, which prints at once: the run still reports it.
    EXPECT_EQ(run().message, "PRINTED 2 OF 8 LABELS");
    EXPECT_EQ(sheets, QStringList({"29:ANN H003 30:ANN H006"}));
    ASSERT_EQ(reports.size(), 1u);
    // A label set aside as too long is an invitee all the same.
    ASSERT_EQ(reports[0].invitee_count(), 3);
    EXPECT_EQ(reports[0].invitees[0].name, "ALEXANDERJONATHAN WORTHINGTONSMYTHEBARTHOLOMEW");
    EXPECT_EQ(reports[0].invitees[2].name, "ANN H006");

    // No household in the ticked categories: nothing printed, an empty report all the same.
    request.category = {};
    request.category[5] = 1;
    tracking = {};
    EXPECT_EQ(run().message, "NO RECORDS TO PRINT");
    EXPECT_TRUE(sheets.empty());
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].invitee_count(), 0);

    out.tracking = nullptr;  // Track off
    request.category[2] = 1;
    run();
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(LabelRunTest, APrinterFailureIsNotReportedAsPrinted) {
    store(45);
    fail_at_sheet = 2;
    const PrintResult r = run();
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.message, "PRINTING FAILED: CANNOT WRITE FILE");
    EXPECT_EQ(sheets.size(), 1);
}

}  // namespace
