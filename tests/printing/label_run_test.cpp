// The label run through a fake sheet printer: positions, pages, refusals, windows, tracking.
#include "printing/label_run.h"

#include <gtest/gtest.h>

#include <map>

#include "fixture.h"
#include "platform/cursor.h"
#include "platform/errors.h"
#include "shell/frmdatabase.h"

using namespace printing;

namespace {

// One printed sheet: position -> line 1.
struct Sheet_ {
    Sheet sheet;
    std::map<int, QString> line1;
};

class LabelRunTest : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        out.print_sheet = [this](Sheet sheet, const LabelPage& page) {
            if (fail_at_sheet == int(sheets.size()) + 1)
                throw platform::VbError(platform::kErrPathFileAccess, "cannot write file");
            Sheet_ s{sheet, {}};
            for (int k = 1; k <= labels_per_sheet(sheet); ++k)
                if (!page[k][1].isEmpty()) s.line1[k] = page[k][1];
            sheets.push_back(s);
            return int(s.line1.size());
        };
        out.too_long = &too_long;
        out.write_report = [this](const TrackingRun& run) { reports.push_back(run); };
    }

    // Households H001.. in list order, in one transaction; category 2 for every third one.
    void store(int n) {
        platform::DataControl data;
        data.set_database_name(path("ovra.mdb"));
        data.set_record_source("OVRAData");
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
    }

    PrintResult run() { return run_mailing_labels(request, out); }

    PrintRequest request;
    LabelRunOutputs out;
    std::vector<Sheet_> sheets;
    QStringList too_long;
    std::vector<TrackingRun> reports;
    int fail_at_sheet = 0;
};

TEST_F(LabelRunTest, AllFromAStartPositionFillsPagesInTurn) {
    store(5);
    request.choice = RecordChoice::All;
    request.start_standard = 28;
    PrintResult r = run();
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].line1,
              (std::map<int, QString>{{28, "ANN H001"}, {29, "ANN H002"}, {30, "ANN H003"}}));
    EXPECT_EQ(sheets[1].line1, (std::map<int, QString>{{1, "ANN H004"}, {2, "ANN H005"}}));
    EXPECT_EQ(r.message, "PRINTED 5 OF 5 LABELS");
    EXPECT_TRUE(r.clear_categories);
    EXPECT_TRUE(r.clear_single_child);
}

TEST_F(LabelRunTest, PagesEndExactlyAtTheSheetsLabelCount) {
    store(30);
    request.choice = RecordChoice::All;
    run();
    ASSERT_EQ(sheets.size(), 1u);  // printed with the 30th label, no empty page after
    EXPECT_EQ(sheets[0].line1.size(), 30u);

    sheets.clear();
    request.sheet = Sheet::Shipping;
    request.lines.resize(12);
    EXPECT_EQ(run().message, "PRINTED 12 OF 12 LABELS");
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].line1.size(), 10u);
    EXPECT_EQ(sheets[1].line1, (std::map<int, QString>{{1, "ANN H011"}, {2, "ANN H012"}}));

    sheets.clear();
    request.sheet = Sheet::Invite;
    request.start_invite = 5;
    request.lines.resize(1);
    run();
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].line1, (std::map<int, QString>{{5, "Ann H001"}}));
}

TEST_F(LabelRunTest, ATooLongLabelGivesItsPositionToTheNext) {
    store(3);
    auto r = household("WORTHINGTONSMYTHEBARTHOLOMEW", "ALEXANDERJONATHAN");
    store_household(r);
    request.lines.insert(request.lines.begin() + 1, {r.keyname, r.keyname, false});
    // A line whose household is gone is skipped, never printed from another row.
    request.lines.push_back({"GONE, NOBODY", "GONE, NOBODY", false});
    request.choice = RecordChoice::All;
    request.start_standard = 4;
    too_long << "LEFT FROM AN EARLIER USE";
    EXPECT_EQ(run().message, "PRINTED 3 OF 5 LABELS");
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].line1,
              (std::map<int, QString>{{4, "ANN H001"}, {5, "ANN H002"}, {6, "ANN H003"}}));
    EXPECT_EQ(too_long, QStringList({"", "       ALEXANDERJONATHAN WORTHINGTONSMYTHEBARTHOLOMEW",
                                     "1 MAIN ST", "SPRINGFIELD, IL 62701", ""}));
}

TEST_F(LabelRunTest, SelectedPrintsOnlyTheSelectedLines) {
    store(40);
    request.choice = RecordChoice::Selected;
    for (int i = 0; i < 35; ++i) request.lines[i + 2].selected = true;
    PrintResult r = run();
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].line1[1], "ANN H003");
    EXPECT_EQ(sheets[1].line1.size(), 5u);
    EXPECT_EQ(r.message, "PRINTED 35 OF 40 LABELS");
    EXPECT_TRUE(r.clear_categories);

    for (auto& l : request.lines) l.selected = false;
    sheets.clear();
    EXPECT_EQ(run().message, "CHOOSE AT LEAST 1 NAME");
    EXPECT_TRUE(sheets.empty());
}

TEST_F(LabelRunTest, SelectedRefusesSinglePrintAndChildPrintChoices) {
    store(3);
    request.choice = RecordChoice::Selected;
    request.single_print = request.child_print = true;
    EXPECT_EQ(run().message, "YOU CANNOT SELECT BOTH SINGLEPRINT AND CHILDPRINT");

    request.child_print = false;
    request.lines[0].selected = request.lines[1].selected = true;
    PrintResult r = run();
    EXPECT_EQ(r.message, "YOU CAN ONLY SELECT ONE RECORD FOR SINGLEPRINT");
    EXPECT_TRUE(r.deselect_lines);
    for (auto& l : request.lines) l.selected = false;
    EXPECT_EQ(run().message, "YOU MUST SELECT ONE RECORD FOR SINGLEPRINT");

    request.single_print = false;
    request.child_print = true;
    request.lines[2].selected = true;
    EXPECT_EQ(run().message, "NO CHILDREN TO PRINT");  // H003 has none
    EXPECT_TRUE(sheets.empty());
}

TEST_F(LabelRunTest, SinglePrintCountsWhatTheWindowPrinted) {
    auto two = household("SMITH", "JOHN");
    two.first_name_2 = "JANE";
    two.last_name_2 = "SMITH";
    store_household(two);
    store(2);
    request.lines.insert(request.lines.begin(), {two.keyname, two.keyname, true});
    request.choice = RecordChoice::Selected;
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

    printed_by_window = 0;  // cancelled, or its label set aside
    EXPECT_EQ(run().message, "PRINTED 0 OF 3 LABELS");

    // A one-person household gets no window and prints in the ordinary pass.
    request.lines[0].selected = false;
    request.lines[1].selected = true;
    shown.clear();
    EXPECT_EQ(run().message, "PRINTED 1 OF 3 LABELS");
    EXPECT_EQ(shown, "");
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].line1, (std::map<int, QString>{{7, "ANN H001"}}));
}

TEST_F(LabelRunTest, ChildPrintWindowsInBothPasses) {
    auto kids = household("SMITH", "JOHN");
    kids.category[2] = "Y";
    kids.childflag = 2;
    store_household(kids);
    store_children({kids.keyname, {"", "TOM", "SUE", "", "", "", ""}});
    store(3);  // H003 is in category 2
    request.lines.insert(request.lines.begin(), {kids.keyname, kids.keyname, true});

    // Selected: the window prints its own sheet.
    request.choice = RecordChoice::Selected;
    request.child_print = true;
    int windows = 0;
    ChildPrintResult answer;
    answer.print_or_cancel_flag = "P";
    answer.labels_printed = 1;
    out.windows.child = [&](const RecordImage& h, int) {
        ++windows;
        EXPECT_EQ(h.number_of_children, 2);
        return answer;
    };
    EXPECT_EQ(run().message, "PRINTED 1 OF 4 LABELS");
    EXPECT_TRUE(sheets.empty());

    // By Category: the window hands back its lines for the household's position.
    request.choice = RecordChoice::ByCategory;
    request.child_print = false;
    request.child_print_by_category = true;
    request.category[2] = 1;
    request.track = true;
    TrackingRun tracking;
    out.tracking = &tracking;
    answer.label.lines = {"", "TOM SMITH & SUE SMITH", "", "", "", ""};
    answer.label.number_in_party = 2;
    EXPECT_EQ(run().message, "PRINTED 2 OF 4 LABELS");
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].line1,
              (std::map<int, QString>{{1, "TOM SMITH & SUE SMITH"}, {2, "ANN H003"}}));
    ASSERT_EQ(tracking.invitee_count(), 2);
    EXPECT_EQ(tracking.invitees[0].name, "TOM SMITH & SUE SMITH");
    EXPECT_EQ(tracking.invitees[0].number, "2");

    // Cancelled: no label, and the position goes to the next household.
    answer = {};
    answer.print_or_cancel_flag = "C";
    sheets.clear();
    EXPECT_EQ(run().message, "PRINTED 1 OF 4 LABELS");
    EXPECT_EQ(sheets[0].line1, (std::map<int, QString>{{1, "ANN H003"}}));
    EXPECT_EQ(windows, 3);
}

TEST_F(LabelRunTest, ByCategoryWithTracking) {
    store(7);
    request.choice = RecordChoice::ByCategory;
    EXPECT_EQ(run().message, "CHOOSE AT LEAST 1 CATEGORY");
    EXPECT_TRUE(reports.empty());

    request.category[2] = 1;
    request.track = true;
    TrackingRun tracking;
    out.tracking = &tracking;
    EXPECT_EQ(run().message, "PRINTED 2 OF 7 LABELS");
    EXPECT_EQ(sheets[0].line1, (std::map<int, QString>{{1, "ANN H003"}, {2, "ANN H006"}}));
    ASSERT_EQ(reports.size(), 1u);
    ASSERT_EQ(reports[0].invitee_count(), 2);
    EXPECT_EQ(reports[0].invitees[1].name, "ANN H006");
    EXPECT_EQ(reports[0].invitees[1].number, "1");

    // No household in the ticked categories: nothing printed, an empty report all the same.
    request.category[2] = 0;
    request.category[5] = 1;
    tracking = {};
    sheets.clear();
    EXPECT_EQ(run().message, "NO RECORDS TO PRINT");
    EXPECT_TRUE(sheets.empty());
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].invitee_count(), 0);

    // Track off: no invitees, no report.
    request.track = false;
    out.tracking = nullptr;
    request.category[2] = 1;
    run();
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(LabelRunTest, APrinterFailureIsNotReportedAsPrinted) {
    store(45);
    request.choice = RecordChoice::All;
    fail_at_sheet = 2;
    PrintResult r = run();
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.message, "PRINTING FAILED: CANNOT WRITE FILE");
    EXPECT_EQ(sheets.size(), 1u);
}

}  // namespace
