#include <gtest/gtest.h>

#include <map>

#include "common/settings.h"
#include "fixture.h"
#include "platform/errors.h"
#include "platform/printer.h"
#include "printing/print_request.h"
#include "shell/frmdatabase.h"

using namespace printing;

namespace {

// The phone list and the address book, printed through the recorder.
class HouseholdRuns : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        common::StorefileRecord settings;
        settings.heading[1] = "FRIENDS";
        settings.heading[4] = "CLUB";
        common::write_storefile(path("storefile.ovr"), settings);
        start_program();
        rec = &platform::use_print_recorder();
    }
    // Stores a household and adds its line to the dialog's list.
    void add(const common::AddressRecord& r, bool selected = false) {
        store_household(r);
        request.lines.push_back({r.keyname, r.keyname, selected});
    }
    static common::AddressRecord smiths() {
        auto r = household("SMITH", "JOHN");
        r.first_name_2 = "JANE";
        r.last_name_2 = "DOE";
        r.last_name_hyphen = "Y";
        r.home_phone = "555-0100";
        r.work_phone_1 = "555-0111";
        r.cell_phone_1 = "555-0112";
        r.work_phone_2 = "555-0121";
        r.cell_phone_2 = "555-0122";
        r.home_email_1 = "john@smith.example";
        r.category[1] = "Y";
        r.category[3] = "Y";  // a category not in use
        r.category[4] = "Y";
        return r;
    }
    PrintResult phone_list() {
        open_database_file();
        return print_phone_list(request);
    }
    PrintResult address_book() {
        open_database_file();
        return print_address_book(request);
    }
    QStringList texts(int job) const {
        QStringList out;
        for (const auto& t : rec->job_texts(job)) out << t.text;
        return out;
    }

    PrintRequest request;
    platform::PrintRecorder* rec = nullptr;
};

// One job: each household's name, then its numbers closing up in slot order, named by person
// when there are two; person 2's numbers left in a one-person row are not printed.
TEST_F(HouseholdRuns, PhoneListPrintsEveryEntryAsOneJob) {
    add(smiths());
    auto lee = household("LEE", "ANN");
    lee.cell_phone_1 = "555-0200";
    lee.work_phone_2 = "555-0299";
    add(lee);
    auto gapp = household("GAPP", "GUS");
    gapp.first_name_2 = "GIA";
    gapp.last_name_2 = "GAPP";
    gapp.work_phone_1 = "555-0301";
    gapp.cell_phone_2 = "555-0302";
    add(gapp);
    add(household("NONUMBER", "NED"));
    request.choice = RecordChoice::All;

    const PrintResult r = phone_list();
    EXPECT_EQ(r.message, "PRINTED 4 OF 4 RECORDS");
    EXPECT_TRUE(r.clear_categories);
    ASSERT_EQ(rec->jobs.size(), 1u);
    EXPECT_TRUE(rec->jobs[0].ended);
    EXPECT_EQ(rec->jobs[0].pages, 1);
    EXPECT_EQ(texts(0).join("|"),
              "SMITH, JOHN & JANE DOE-SMITH|HOME: 555-0100|JOHN'S WORK: 555-0111|"
              "JOHN'S CELL: 555-0112|JANE'S WORK: 555-0121|JANE'S CELL: 555-0122|"
              "LEE, ANN|CELL: 555-0200|GAPP, GUS & GIA|GUS'S WORK: 555-0301|GIA'S CELL: 555-0302|"
              "NONUMBER, NED");
}

TEST_F(HouseholdRuns, PhoneListByCategoryAndNumbersOnlyCountWhatPrinted) {
    add(smiths());
    auto bare = household("BARE", "BEN");
    bare.category[1] = "Y";
    add(bare);
    request.choice = RecordChoice::ByCategory;
    EXPECT_EQ(phone_list().message, "CHOOSE AT LEAST 1 CATEGORY");
    request.category[2] = 2;  // greyed: passes the refusal test, matches nothing
    EXPECT_EQ(phone_list().message, "PRINTED 0 OF 2 RECORDS");
    EXPECT_TRUE(rec->jobs.empty());

    request.category[1] = 1;
    request.numbers_only = true;
    const PrintResult r = phone_list();
    EXPECT_EQ(r.message, "PRINTED 1 OF 2 RECORDS");
    EXPECT_FALSE(r.clear_categories);
    EXPECT_FALSE(texts(0).contains("BARE, BEN"));
}

TEST_F(HouseholdRuns, APrinterFailureEndsTheRunAndReachesTheCaller) {
    add(smiths(), true);
    request.choice = RecordChoice::Selected;
    rec->fail_next_begin = true;
    EXPECT_THROW(phone_list(), platform::VbError);
    rec->fail_next_begin = true;
    EXPECT_THROW(address_book(), platform::VbError);
    EXPECT_TRUE(rec->texts.empty());
}

TEST_F(HouseholdRuns, AddressBookPrintsOnePageJobPerHousehold) {
    auto smith = smiths();
    smith.childflag = 3;
    smith.second_address = "Y";
    add(smith);
    store_children({smith.keyname, {"", "ANN", "", "BOB JONES", "", "CY", ""}});
    store_second_address(
        {smith.keyname, "9 LAKE RD", "", "DULUTH", "MN", "55802", "N", "555-0900", ""});
    auto solo = household("SOLO", "SAM");
    solo.childflag = 1;         // but no Children row
    solo.second_address = "Y";  // but no Address row
    add(solo);
    auto zed = household("ZED", "ZOE");  // childflag 0, yet a child was imported
    zed.first_name_2 = "AMY";            // without a last name 2, but hyphenated
    zed.last_name_hyphen = "Y";
    add(zed);
    store_children({"ZED, ZOE", {"", "", "", "", "", "", "TIM"}});
    request.choice = RecordChoice::All;

    EXPECT_EQ(address_book().message, "PRINTED 3 OF 3 RECORDS");
    ASSERT_EQ(rec->jobs.size(), 3u);
    for (const auto& job : rec->jobs) EXPECT_TRUE(job.ended && job.pages == 1);
    EXPECT_EQ(texts(0).join("|"),
              "SMITH|1 MAIN ST|SPRINGFIELD, IL 62701|HOME PHONE: 555-0100|HOME FAX:   |"
              "JOHN SMITH|JANE DOE-SMITH|Home Email: john@smith.example|Home Email:  |"
              "Work Email: |Work Email:  |Work Phone: 555-0111|Work Phone:  555-0121|"
              "Cell Phone: 555-0112|Cell Phone: 555-0122|CHILDREN:|ANN SMITH|BOB JONES|CY SMITH|"
              "SECONDARY ADDRESS:|9 LAKE RD|DULUTH, MN 55802|555-0900|"
              "O.V.R.A. CATEGORIES CHECKED:|FRIENDS|CLUB");
    // Person 2 stands at tab 59 of 12 pt, the second column at tab 74 of 10 pt, both counted
    // in the original Times New Roman's tab width, 821/2048 em.
    const double tab_per_point = 821.0 / 2048 / 72;
    std::map<QString, double> x;
    for (const auto& t : rec->job_texts(0)) x[t.text] = t.x;
    EXPECT_DOUBLE_EQ(x["JOHN SMITH"], 1);
    EXPECT_NEAR(x["JANE DOE-SMITH"], 58 * 12 * tab_per_point, 1e-9);
    for (const char* second :
         {"Home Email:  ", "Work Email:  ", "Work Phone:  555-0121", "Cell Phone: 555-0122"})
        EXPECT_NEAR(x.at(second), 73 * 10 * tab_per_point, 1e-9) << second;

    // Nothing of the Smiths on the next page; a missing row means none.
    const QStringList second = texts(1);
    for (const char* absent :
         {"CHILDREN:", "SECONDARY ADDRESS:", "ANN SMITH", "O.V.R.A. CATEGORIES CHECKED:"})
        EXPECT_FALSE(second.contains(absent)) << absent;
    EXPECT_EQ(second.count("Home Email: "), 1);  // one person: no second-column labels
    EXPECT_TRUE(texts(2).contains("TIM ZED"));
    EXPECT_TRUE(texts(2).contains("AMY ZED"));
    EXPECT_EQ(Data1().record_source(), "OVRAData");
}

// A selected line whose household was deleted since the list was made is skipped, never
// printed from another row.
TEST_F(HouseholdRuns, AddressBookSelectedAndByCategory) {
    for (const char* last : {"ADAMS", "BAKER", "CLARK", "DAVIS"}) add(household(last, "AL"));
    request.lines.push_back({"GONE, GUS", "GONE, GUS", false});
    request.choice = RecordChoice::Selected;
    EXPECT_EQ(address_book().message, "CHOOSE AT LEAST 1 NAME");
    EXPECT_TRUE(rec->jobs.empty());
    request.lines[1].selected = request.lines[3].selected = request.lines[4].selected = true;
    EXPECT_EQ(address_book().message, "PRINTED 2 OF 5 RECORDS");
    ASSERT_EQ(rec->jobs.size(), 2u);
    EXPECT_EQ(texts(0).first(), "BAKER");
    EXPECT_EQ(texts(1).first(), "DAVIS");

    request.choice = RecordChoice::ByCategory;
    request.category[4] = 1;
    EXPECT_EQ(address_book().message, "PRINTED 0 OF 5 RECORDS");
}

}  // namespace
