#include <gtest/gtest.h>

#include "common/settings.h"
#include "fixture.h"
#include "pdf_words.h"
#include "platform/cursor.h"
#include "platform/printer.h"
#include "printing/print_request.h"
#include "shell/frmdatabase.h"

using namespace printing;

namespace {

// Households printed through the recorder: the phone list and the address book.
class HouseholdRuns : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        common::StorefileRecord settings;
        settings.heading[1] = "FRIENDS";
        settings.heading[2] = "WORK";
        settings.heading[4] = "CLUB";
        common::write_storefile(path("storefile.ovr"), settings);
        start_program();
        if (recorded_) rec = &platform::use_print_recorder();
    }
    // Adds a household to the database and the dialog's list, in list order.
    void add(const common::AddressRecord& r, bool selected = false) {
        store_household(r);
        request.lines.push_back({r.keyname, r.keyname, selected});
    }
    void add_many(int n) {
        platform::DataControl data;
        data.set_database_name(path("ovra.mdb"));
        data.set_record_source("OVRAData");
        data.refresh();
        platform::Transaction t(data);
        for (int i = 1; i <= n; ++i) {
            auto r = household(QStringLiteral("H%1").arg(i, 3, 10, QLatin1Char('0')), "ANN");
            r.home_phone = "555-0100";
            r.work_phone_1 = "555-0101";
            r.cell_phone_1 = "555-0102";
            data.add_new();
            r.write_to(data);
            data.update();
            request.lines.push_back({r.keyname, r.keyname, false});
        }
        t.commit();
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
        return r;
    }
    PrintResult phone_list() {
        open_database_file();
        request.output = OutputType::PhoneList;
        return print_phone_list(request);
    }
    PrintResult address_book() {
        open_database_file();
        request.output = OutputType::AddressBook;
        return print_address_book(request);
    }
    std::vector<platform::RecordedText> find(const QString& text) const {
        std::vector<platform::RecordedText> hits;
        for (const auto& t : rec->texts)
            if (t.text == text) hits.push_back(t);
        return hits;
    }
    double tab_width(const char* font, double size) {
        auto& p = platform::printer();
        p.set_ScaleMode(platform::kScaleInches);
        p.set_FontName(font);
        p.set_FontSize(size);
        return p.TabWidth();
    }

    PrintRequest request;
    platform::PrintRecorder* rec = nullptr;
    bool recorded_ = true;
};

// The same runs on the real PDF device.
class HouseholdRunsOnPaper : public HouseholdRuns {
protected:
    HouseholdRunsOnPaper() { recorded_ = false; }
};

TEST_F(HouseholdRuns, PhoneListPrintsEntriesInTheirColumnsAsOneJob) {
    add(smiths());
    auto lee = household("LEE", "ANN");
    lee.cell_phone_1 = "555-0200";
    add(lee);
    add(household("NONUMBER", "NED"));
    request.choice = RecordChoice::All;

    const PrintResult r = phone_list();
    EXPECT_EQ(r.message, "PRINTED 3 OF 3 RECORDS");
    EXPECT_FALSE(r.failed);
    EXPECT_TRUE(r.clear_categories);
    ASSERT_EQ(rec->jobs.size(), 1u);
    EXPECT_TRUE(rec->jobs[0].ended);

    const double tab = tab_width("News Gothic MT", 8.28);
    QStringList drawn;
    for (const auto& t : rec->texts) {
        drawn << t.text;
        EXPECT_EQ(t.font, "News Gothic MT");
        EXPECT_DOUBLE_EQ(t.size, 8.28);
        EXPECT_FALSE(t.bold);
    }
    EXPECT_EQ(drawn, (QStringList{"SMITH, JOHN & JANE DOE-SMITH", "HOME: 555-0100",
                                  "JOHN'S WORK: 555-0111", "JOHN'S CELL: 555-0112",
                                  "JANE'S WORK: 555-0121", "JANE'S CELL: 555-0122", "LEE, ANN",
                                  "CELL: 555-0200", "NONUMBER, NED"}));
    const auto& t = rec->texts;
    EXPECT_NEAR(t[0].x, 4 * tab, 1e-9);
    EXPECT_NEAR(t[1].x, 59 * tab, 1e-9);
    EXPECT_NEAR(t[2].x, 94 * tab, 1e-9);
    EXPECT_NEAR(t[3].x, 59 * tab, 1e-9);
    // Each entry opens with an empty line; the numbers run row by row.
    const double line = t[3].y - t[1].y;
    EXPECT_GT(line, 0);
    EXPECT_NEAR(t[0].y, line, 1e-9);
    EXPECT_NEAR(t[5].y - t[3].y, line, 1e-9);
    EXPECT_NEAR(t[6].y - t[5].y, 2 * line, 1e-9);
    EXPECT_NEAR(t[7].y, t[6].y, 1e-9);
    // The widest possible entry stays on the printable area.
    for (const auto& word : t) EXPECT_LT(word.x, 8.0) << word.text.toStdString();
}

TEST_F(HouseholdRuns, PhoneListByCategoryAndNumbersOnlyCountWhatPrinted) {
    add(smiths());
    auto bare = household("BARE", "BEN");
    bare.category[1] = "Y";
    add(bare);
    auto other = household("OTHER", "OLA");
    other.home_phone = "555-0300";
    other.category[2] = "Y";
    add(other);

    request.choice = RecordChoice::ByCategory;
    EXPECT_EQ(phone_list().message, "CHOOSE AT LEAST 1 CATEGORY");
    EXPECT_TRUE(rec->jobs.empty());

    request.category[2] = 2;  // greyed: chosen for the refusal test, matches nothing
    EXPECT_EQ(phone_list().message, "PRINTED 0 OF 3 RECORDS");
    EXPECT_TRUE(rec->jobs.empty());

    request.category[1] = 1;
    request.numbers_only = true;
    const PrintResult r = phone_list();
    EXPECT_EQ(r.message, "PRINTED 1 OF 3 RECORDS");
    EXPECT_FALSE(r.clear_categories);
    EXPECT_EQ(rec->texts.front().text, "SMITH, JOHN & JANE DOE-SMITH");
    EXPECT_TRUE(find("BARE, BEN").empty());
    EXPECT_TRUE(find("OTHER, OLA").empty());
}

TEST_F(HouseholdRuns, PhoneListSelectedSkipsAVanishedHouseholdAndRunsOntoNewPages) {
    add_many(150);
    request.lines[3].selected = true;
    request.lines.push_back({"GONE, GUS", "GONE, GUS", true});  // deleted since the list was made
    request.choice = RecordChoice::Selected;
    EXPECT_EQ(phone_list().message, "PRINTED 1 OF 151 RECORDS");
    EXPECT_EQ(find("H004, ANN").size(), 1u);

    rec->clear();
    request.choice = RecordChoice::All;
    EXPECT_EQ(phone_list().message, "PRINTED 150 OF 151 RECORDS");
    ASSERT_EQ(rec->jobs.size(), 1u);
    EXPECT_GE(rec->jobs[0].pages, 5);
    const double bottom = rec->page.printable.height();
    for (const auto& t : rec->texts) EXPECT_LT(t.y, bottom);
    // An entry that does not fit starts the next page at its top.
    const auto last = find("H150, ANN");
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last[0].page, rec->jobs[0].pages);
}

TEST_F(HouseholdRuns, APrinterFailureEndsTheRunWithoutPrintedMessage) {
    add(smiths(), true);
    request.choice = RecordChoice::Selected;
    rec->fail_next_begin = true;
    const PrintResult phones = phone_list();
    EXPECT_TRUE(phones.failed);
    EXPECT_EQ(phones.message, "PRINTING FAILED: THE PRINTER PDF COULD NOT PRINT.");

    rec->fail_next_begin = true;
    const PrintResult book = address_book();
    EXPECT_TRUE(book.failed);
    EXPECT_FALSE(book.message.startsWith("PRINTED"));
}

TEST_F(HouseholdRuns, AddressBookPrintsOnePageJobPerHouseholdInItsFonts) {
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
    auto imported = household("ZED", "ZOE");
    imported.childflag = 0;  // an import that left the count out
    add(imported);
    store_children({imported.keyname, {"", "", "", "", "", "", "TIM"}});
    request.choice = RecordChoice::All;

    const PrintResult r = address_book();
    EXPECT_EQ(r.message, "PRINTED 3 OF 3 RECORDS");
    ASSERT_EQ(rec->jobs.size(), 3u);
    for (const auto& job : rec->jobs) {
        EXPECT_TRUE(job.ended);
        EXPECT_EQ(job.pages, 1);
    }

    QStringList first;
    for (const auto& t : rec->job_texts(0)) first << t.text;
    EXPECT_EQ(first, (QStringList{"SMITH",
                                  "1 MAIN ST",
                                  "SPRINGFIELD, IL 62701",
                                  "HOME PHONE: 555-0100",
                                  "HOME FAX:   ",
                                  "JOHN SMITH",
                                  "JANE DOE-SMITH",
                                  "Home Email: john@smith.example",
                                  "Home Email:  ",
                                  "Work Email: ",
                                  "Work Email:  ",
                                  "Work Phone: 555-0111",
                                  "Work Phone:  555-0121",
                                  "Cell Phone: 555-0112",
                                  "Cell Phone: 555-0122",
                                  "CHILDREN:",
                                  "ANN SMITH",
                                  "BOB JONES",
                                  "CY SMITH",
                                  "SECONDARY ADDRESS:",
                                  "9 LAKE RD",
                                  "DULUTH, MN 55802",
                                  "555-0900",
                                  "O.V.R.A. CATEGORIES CHECKED:",
                                  "FRIENDS"}));
    const auto page = rec->job_texts(0);
    EXPECT_NEAR(page[0].x, 1.0, 1e-9);
    EXPECT_NEAR(page[0].y, 1.0, 1e-9);
    EXPECT_EQ(page[0].font, "Times New Roman");
    EXPECT_TRUE(page[0].bold);
    EXPECT_EQ(page[0].size, 12);
    EXPECT_FALSE(page[1].bold);
    EXPECT_EQ(page[3].size, 10);
    EXPECT_NEAR(page[6].x, 58 * tab_width("Times New Roman", 12), 1e-9);
    EXPECT_NEAR(page[6].y, page[5].y, 1e-9);
    EXPECT_NEAR(page[8].x, 73 * tab_width("Times New Roman", 10), 1e-9);
    EXPECT_TRUE(page[16].bold);  // children in 12 pt bold
    EXPECT_EQ(page[16].size, 12);
    EXPECT_FALSE(page[19].bold);
    EXPECT_EQ(page[19].size, 10);
    for (size_t i = 0; i < page.size(); ++i) {
        const bool second_column = i == 6 || (i >= 8 && i <= 14 && i % 2 == 0);
        if (!second_column) {
            EXPECT_NEAR(page[i].x, 1.0, 1e-9) << page[i].text.toStdString();
        }
    }

    // Nothing of the Smiths on the next page; a missing row means none.
    QStringList second;
    for (const auto& t : rec->job_texts(1)) second << t.text;
    EXPECT_FALSE(second.contains("CHILDREN:"));
    EXPECT_FALSE(second.contains("SECONDARY ADDRESS:"));
    EXPECT_FALSE(second.contains("ANN SMITH"));
    EXPECT_FALSE(second.contains("O.V.R.A. CATEGORIES CHECKED:"));
    QStringList third;
    for (const auto& t : rec->job_texts(2)) third << t.text;
    EXPECT_TRUE(third.contains("TIM ZED"));
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
    EXPECT_EQ(rec->job_texts(1).front().text, "DAVIS");

    request.choice = RecordChoice::ByCategory;
    request.category[4] = 1;
    const PrintResult none = address_book();
    EXPECT_EQ(none.message, "PRINTED 0 OF 4 RECORDS");
    EXPECT_FALSE(none.clear_categories);
}

TEST_F(HouseholdRunsOnPaper, PhoneListAndAddressBookReadRight) {
    auto smith = smiths();
    smith.childflag = 1;
    add(smith);
    store_children({smith.keyname, {"", "ANN", "", "", "", "", ""}});
    auto lee = household("LEE", "ANN");
    lee.cell_phone_1 = "555-0200";
    add(lee);
    request.choice = RecordChoice::All;

    pdfs.expect(path("phones.pdf"));
    EXPECT_EQ(phone_list().message, "PRINTED 2 OF 2 RECORDS");
    pdfs.expect(path("book.pdf"));
    EXPECT_EQ(address_book().message, "PRINTED 2 OF 2 RECORDS");

    const auto phones = testing_support::pdf_words(path("phones.pdf"));
    ASSERT_FALSE(phones.empty());
    double home_left = 0, cell_left = 0, name_right = 0;
    std::vector<double> john;  // JOHN'S WORK and JOHN'S CELL
    for (const auto& w : phones) {
        EXPECT_LT(w.box.right(), 8.25) << w.text.toStdString();
        if (w.text == "HOME:") home_left = w.box.left();
        if (w.text == "JOHN'S") john.push_back(w.box.left());
        if (w.text == "CELL:") cell_left = w.box.left();
        if (w.text == "DOE-SMITH") name_right = w.box.right();
    }
    // The number columns line up and stand clear of the names and of each other.
    ASSERT_EQ(john.size(), 2u);
    std::sort(john.begin(), john.end());
    EXPECT_GT(home_left, name_right + 0.25);
    EXPECT_NEAR(home_left, cell_left, 0.02);
    EXPECT_NEAR(john[0], home_left, 0.02);
    EXPECT_GT(john[1], home_left + 1.5);
    EXPECT_EQ(testing_support::pdf_page_count(path("book.pdf")), 2);
    const auto book = testing_support::pdf_words(path("book.pdf"));
    double john_right = 0, jane_left = 0;
    for (const auto& w : book) {
        EXPECT_LT(w.box.right(), 8.25) << w.text.toStdString();
        if (w.page == 1 && w.text == "SMITH" && john_right == 0 && w.box.top() > 2)
            john_right = w.box.right();
        if (w.page == 1 && w.text == "JANE") jane_left = w.box.left();
    }
    EXPECT_GT(jane_left, john_right + 1.0);
    if (const QString out = qEnvironmentVariable("OVRA_SNAPSHOTS"); !out.isEmpty()) {
        testing_support::pdf_page_png(path("phones.pdf"), 1, out + "/phone_list.png", 100);
        testing_support::pdf_page_png(path("book.pdf"), 1, out + "/address_book.png", 100);
    }
}

}  // namespace
