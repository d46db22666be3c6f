#include <gtest/gtest.h>

#include <map>

#include "common/settings.h"
#include "fixture.h"
#include "pdf_words.h"
#include "platform/cursor.h"
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
        if (recorded_) rec = &platform::use_print_recorder();
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
    bool recorded_ = true;
};

TEST_F(HouseholdRuns, PhoneListPrintsEveryEntryAsOneJob) {
    add(smiths());
    auto lee = household("LEE", "ANN");
    lee.cell_phone_1 = "555-0200";
    add(lee);
    add(household("NONUMBER", "NED"));
    request.choice = RecordChoice::All;

    const PrintResult r = phone_list();
    EXPECT_EQ(r.message, "PRINTED 3 OF 3 RECORDS");
    EXPECT_TRUE(r.clear_categories);
    ASSERT_EQ(rec->jobs.size(), 1u);
    EXPECT_TRUE(rec->jobs[0].ended);
    EXPECT_EQ(texts(0).join("|"),
              "SMITH, JOHN & JANE DOE-SMITH|HOME: 555-0100|JOHN'S WORK: 555-0111|"
              "JOHN'S CELL: 555-0112|JANE'S WORK: 555-0121|JANE'S CELL: 555-0122|"
              "LEE, ANN|CELL: 555-0200|NONUMBER, NED");
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

TEST_F(HouseholdRuns, PhoneListSkipsAVanishedHouseholdAndRunsOntoNewPages) {
    platform::DataControl data;
    data.set_database_name(path("ovra.mdb"));
    data.refresh();
    platform::Transaction batch(data);
    for (int i = 1; i <= 150; ++i) {
        auto r = household(QStringLiteral("H%1").arg(i, 3, 10, QLatin1Char('0')), "ANN");
        r.home_phone = r.work_phone_1 = r.cell_phone_1 = "555-0100";
        data.add_new();
        r.write_to(data);
        data.update();
        request.lines.push_back({r.keyname, r.keyname, i == 4});
    }
    batch.commit();
    request.lines.push_back({"GONE, GUS", "GONE, GUS", true});  // deleted since the list was made
    request.choice = RecordChoice::Selected;
    EXPECT_EQ(phone_list().message, "PRINTED 1 OF 151 RECORDS");
    EXPECT_EQ(texts(0).first(), "H004, ANN");

    rec->clear();
    request.choice = RecordChoice::All;
    EXPECT_EQ(phone_list().message, "PRINTED 150 OF 151 RECORDS");
    ASSERT_EQ(rec->jobs.size(), 1u);
    EXPECT_GE(rec->jobs[0].pages, 5);
    for (const auto& t : rec->texts) EXPECT_LT(t.y, rec->page.printable.height());
    EXPECT_EQ(rec->texts.back().page, rec->jobs[0].pages);
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

TEST_F(HouseholdRuns, AddressBookSelectedAndByCategory) {
    for (const char* last : {"ADAMS", "BAKER", "CLARK", "DAVIS"}) add(household(last, "AL"));
    request.choice = RecordChoice::Selected;
    EXPECT_EQ(address_book().message, "CHOOSE AT LEAST 1 NAME");
    EXPECT_TRUE(rec->jobs.empty());
    request.lines[1].selected = request.lines[3].selected = true;
    EXPECT_EQ(address_book().message, "PRINTED 2 OF 4 RECORDS");
    ASSERT_EQ(rec->jobs.size(), 2u);
    EXPECT_EQ(texts(1).first(), "DAVIS");

    request.choice = RecordChoice::ByCategory;
    request.category[4] = 1;
    EXPECT_EQ(address_book().message, "PRINTED 0 OF 4 RECORDS");
}

// The same runs on the real PDF device.
class HouseholdRunsOnPaper : public HouseholdRuns {
protected:
    HouseholdRunsOnPaper() { recorded_ = false; }
};

TEST_F(HouseholdRunsOnPaper, PhoneListAndAddressBookReadRight) {
    add(smiths());
    auto lee = household("LEE", "ANN");
    lee.cell_phone_1 = "555-0200";
    add(lee);
    request.choice = RecordChoice::All;
    // Each run inside its print command, as PRINT starts it.
    files.expect(path("phones.pdf"));
    {
        platform::PrintCommand command("Phone list.pdf");
        EXPECT_EQ(phone_list().message, "PRINTED 2 OF 2 RECORDS");
    }
    files.expect(path("book.pdf"));
    {
        platform::PrintCommand command("Address book.pdf");
        EXPECT_EQ(address_book().message, "PRINTED 2 OF 2 RECORDS");
    }
    EXPECT_EQ(testing_support::pdf_page_count(path("book.pdf")), 2);

    // Everything on the paper; number columns line up, clear of the names and of each other.
    std::map<QString, std::vector<QRectF>> at;
    for (const QString file : {"phones.pdf", "book.pdf"}) {
        for (const auto& w : testing_support::pdf_words(path(file))) {
            EXPECT_LT(w.box.right(), 8.25) << w.text.toStdString();
            if (w.page == 1) at[file + ":" + w.text].push_back(w.box);
        }
    }
    const double home = at["phones.pdf:HOME:"].at(0).left();
    EXPECT_GT(home, at["phones.pdf:DOE-SMITH"].at(0).right() + 0.25);
    EXPECT_NEAR(at["phones.pdf:CELL:"].back().left(), home, 0.02);  // LEE's
    auto john = at["phones.pdf:JOHN'S"];                            // JOHN'S WORK and JOHN'S CELL
    ASSERT_EQ(john.size(), 2u);
    EXPECT_NEAR(std::min(john[0].left(), john[1].left()), home, 0.02);
    EXPECT_GT(std::max(john[0].left(), john[1].left()), home + 1.5);
    // Person 2 stands clear right of person 1 on the address book page.
    EXPECT_GT(at["book.pdf:JANE"].at(0).left(), at["book.pdf:JOHN"].at(0).right() + 1.0);

    if (const QString out = qEnvironmentVariable("OVRA_SNAPSHOTS"); !out.isEmpty()) {
        testing_support::pdf_page_png(path("phones.pdf"), 1, out + "/phone_list.png", 100);
        testing_support::pdf_page_png(path("book.pdf"), 1, out + "/address_book.png", 100);
    }
}

}  // namespace
