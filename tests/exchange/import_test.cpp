#include <QFile>
#include <QRegularExpression>
#include <span>

#include "common/records.h"
#include "common/schema.h"
#include "exchange_fixture.h"
#include "platform/controls.h"

using common::AddressRecord;
using common::ChildrenRecord;
using common::SecondAddressRecord;
using platform::back_color;
using platform::form;
namespace color = platform::color;

namespace {

class Import : public ExchangeTest {
protected:
    AddressRecord stored(const QString& key) {
        const auto row = stored_row<AddressRecord>("OVRAData", key);
        EXPECT_TRUE(row) << key.toStdString();
        return row.value_or(AddressRecord{});
    }
    // The selection boxes: box number to file column, every other box 0.
    static std::vector<int> mapped(std::span<const std::pair<int, int>> pairs) {
        std::vector<int> boxes(32, 0);
        for (auto [box, column] : pairs) boxes[box - 1] = column;
        return boxes;
    }
    // FIRST, LAST, ADDRESS, CITY, STATE, ZIP, one child, second address.
    static constexpr std::pair<int, int> kFamilyMapping[] = {{1, 1},  {2, 2},  {13, 3}, {15, 4},
                                                             {16, 5}, {17, 6}, {20, 7}, {26, 8}};
    const std::vector<int> kFamily = mapped(kFamilyMapping);
    // FIRST, LAST, ADDRESS, CITY, STATE, ZIP.
    const std::vector<int> kAddress = {1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 4, 5, 6};
};

TEST_F(Import, TheMappingChecksRunInOrderWithTheirTextsAndColours) {
    QByteArray header;
    for (int i = 1; i <= 20; ++i)
        header += (i > 1 ? "," : "") + QByteArray("c") + QByteArray::number(i);
    open_import(header + "\r\n", [](frmImport& w) {
        auto& c = w.ui();
        EXPECT_EQ(c.LblImport[20]->text(), "c20");
        EXPECT_TRUE(c.cmdField[20]->isEnabled());
        EXPECT_FALSE(c.cmdField[21]->isEnabled());
        EXPECT_EQ(back_color(c.LblImport[21]), color::kGrey);
        auto status = [&c] { return c.lblStatus->text(); };
        auto set = [](QLineEdit* box, const char* text) { type(box, text); };

        // A field button picks a column that mapping buttons then write; none picked is 0.
        set(c.txtSelection[14], "5");
        click(c.cmdColumn[14]);
        EXPECT_EQ(c.txtSelection[14]->text(), "0");
        click(c.cmdField[7]);
        click(c.cmdColumn[14]);
        click(c.cmdColumn[1]);
        EXPECT_EQ(c.txtSelection[14]->text(), "7");

        click(c.cmdProceed);
        EXPECT_EQ(status(), "Please select HEADER or DATA");
        EXPECT_EQ(back_color(c.lstFirstLine), color::kLightRed);

        c.lstFirstLine->setCurrentRow(0);
        set(c.txtSelection[30], "x");
        set(c.txtSelection[5], "");
        set(c.txtSelection[6], "-1");
        click(c.cmdProceed);
        EXPECT_EQ(status(), "Selection Box Not Numeric");
        EXPECT_EQ(back_color(c.lstFirstLine), color::kWindow);
        for (int k : {30, 5, 6}) EXPECT_EQ(back_color(c.txtSelection[k]), color::kLightRed) << k;
        EXPECT_EQ(back_color(c.txtSelection[1]), color::kWindow);

        set(c.txtSelection[30], "0");
        set(c.txtSelection[5], "0");
        set(c.txtSelection[6], "21");
        click(c.cmdProceed);
        EXPECT_EQ(status(), "Selection Box Must Be Less Than 21");
        EXPECT_EQ(back_color(c.txtSelection[6]), color::kLightRed);

        set(c.txtSelection[6], "20");
        click(c.cmdProceed);
        EXPECT_EQ(status(), "Required Field Cannot Be 0");
        EXPECT_EQ(back_color(c.txtSelection[6]), color::kWindow);
        EXPECT_EQ(back_color(c.txtSelection[2]), color::kLightRed);
        EXPECT_EQ(back_color(c.txtSelection[1]), color::kWindow);

        for (int k : {2, 13, 15, 16, 17}) set(c.txtSelection[k], QByteArray::number(k).constData());
        set(c.txtSelection[14], "0");
        set(c.txtSelection[3], "4");
        set(c.txtSelection[9], "4");
        click(c.cmdProceed);
        EXPECT_EQ(status(), "Duplicate Field Numbers");
        EXPECT_EQ(back_color(c.txtSelection[3]), color::kLightRed);
        EXPECT_EQ(back_color(c.txtSelection[9]), color::kLightRed);
        EXPECT_EQ(back_color(c.txtSelection[4]), color::kWindow);
        snapshot(w.widget(), "frmImport");

        click(c.cmdCancel);
    });
    EXPECT_EQ(count_rows("OVRAData"), 0);
}

TEST_F(Import, AFileTheWindowCannotUseIsRefusedWhenItOpens) {
    const std::pair<QByteArray, QString> cases[] = {
        {QByteArray("a,").repeated(48) + "b\r\nx\r\n",
         "The file has 49 columns; at most 48 can be imported."},
        {"\r\n\r\n", QStringLiteral("The file %1 holds no records.").arg(path("import.csv"))},
        {QByteArray("\xFF\xFE"
                    "a\0",
                    4),
         "The file is in UTF-16. Save it as UTF-8 or ANSI text and try again."},
    };
    for (const auto& [bytes, message] : cases) {
        write("import.csv", bytes);
        files.expect(path("import.csv"));
        msgs.expect(message, platform::vbOK, platform::vbExclamation, "Import File");
        main().ui().mnuImport->trigger();
    }
    // Cancelling the file dialog opens nothing.
    files.expect(QString());
    main().ui().mnuImport->trigger();
    EXPECT_FALSE(form<frmImport>().is_loaded());
}

TEST_F(Import, EachHouseholdIsStoredAsTheMappingAndTheNameRulesSay) {
    // Columns: LAST, FIRST, ADDRESS, CITY, STATE, ZIP, LAST2, FIRST2, EMAIL, four children,
    // second address and city, work phone, the other three e-mails.
    const QByteArray file = csv({
        "LAST,FIRST,ADDRESS,CITY,STATE,ZIP,LAST2,FIRST2,EMAIL,K1,K2,K3,K4,ADDR2,CITY2,WORK,WE1,HE2,"
        "WE2",
        "Smith,John,1 Elm St,Boston,ma,02134,smith-jones,Mary,John.Smith@Example.com,,kim,,  lee "
        ",1 College Way,Urbana,555-0100 ext a,Jo@Work.Example,Mary@Home.Example,Mo@Work.Example",
        "Brown,Ann,2 Oak Ave,Salem,OR,97301,JONES-brown,Bob,,   ,,,,,,",
        "Green,Tom,3 Pine Rd,Salem,OR,97302,JONES-BLACK,Eve,,,,,,,,",
        "Hall,Ivy,4 Lake Dr,Salem,OR,97303,Hall,Al,,,,,,,,",
        "Fox,Jo,5 Elm St,Salem,OR,97304,Lee-Fox,,,,,,,,,",
        "King,Cy,6 Elm St,Salem,OR,97305,Jones-Brown-King,Di",
        "Lane,Don,7 Elm St,Salem,OR,97306,Lane-Jones-Brown,Eve",
    });
    const std::pair<int, int> mapping[] = {{1, 2},   {2, 1},   {3, 16},  {5, 9},   {6, 17},
                                           {7, 8},   {8, 7},   {11, 18}, {12, 19}, {13, 3},
                                           {15, 4},  {16, 5},  {17, 6},  {20, 10}, {21, 11},
                                           {22, 12}, {23, 13}, {26, 14}, {28, 15}};
    const std::vector<int> boxes = mapped(mapping);
    expect_completed();
    open_import(file, [&boxes](frmImport& w) { proceed(w, boxes, 0); });

    EXPECT_EQ(count_rows("OVRAData"), 7);
    EXPECT_EQ(main().ui().lblrecnum->text(), "7");
    EXPECT_TRUE(main().ui().MnuRecordEdit->isEnabled());
    EXPECT_TRUE(main().ui().MnuMoveChildren->isEnabled());

    // Every field of the row: e-mail addresses keep their case, every other text is upper
    // case; children come packed (a blank name is no child); no category, option1 "1".
    EXPECT_EQ(rows("OVRAData").filter("SMITH, JOHN|"),
              QStringList("SMITH, JOHN|John.Smith@Example.com|Jo@Work.Example|555-0100 EXT A||"
                          "MARY|JONES|Mary@Home.Example|Mo@Work.Example|||1 ELM ST||BOSTON|MA|"
                          "02134|||||2|N|N|Y|Y|1|0|N|N|N|N|N|N|N|N|N|N|N|N|Y"));
    // Only households with children or a second address get those rows.
    EXPECT_EQ(rows("Children"), QStringList("SMITH, JOHN|KIM|LEE||||"));
    EXPECT_EQ(rows("Address"), QStringList("SMITH, JOHN|1 COLLEGE WAY||URBANA|||N||"));
    EXPECT_EQ(stored("BROWN, ANN").childflag, 0);
    EXPECT_EQ(stored("BROWN, ANN").second_address, "N");

    // Last name 2 with a hyphen: last name 1 at one end (compared without regard to case) is
    // the double name, reversed when it comes first; otherwise the name is stored whole.
    const std::tuple<const char*, const char*, const char*, const char*> surnames[] = {
        {"SMITH, JOHN", "JONES", "Y", "Y"},
        {"BROWN, ANN", "JONES", "Y", "N"},
        {"GREEN, TOM", "JONES-BLACK", "N", "N"},
        {"HALL, IVY", "HALL", "N", "N"},
        {"FOX, JO", "", "N", "N"},  // no first name 2: nothing of a second person is kept
        {"KING, CY", "JONES-BROWN", "Y", "N"},
        {"LANE, DON", "JONES-BROWN", "Y", "Y"}};
    for (const auto& [key, last2, hyphen, reverse] : surnames) {
        const AddressRecord r = stored(key);
        EXPECT_EQ(r.last_name_2, last2) << key;
        EXPECT_EQ(r.last_name_hyphen, hyphen) << key;
        EXPECT_EQ(r.last_name_reverse, reverse) << key;
    }
}

TEST_F(Import, AnExportShapedFileImportsHouseholdByHouseholdAndOneWithMoreColumnsToo) {
    const QByteArray header =
        R"("FIRST NAME","LAST NAME","WORK PHONE 1","CELL PHONE 1","HOME EMAIL 1",)"
        R"("WORK EMAIL 1","FIRST NAME 2","LAST NAME 2","WORK PHONE 2","CELL PHONE 2",)"
        R"("HOME EMAIL 2","WORK EMAIL 2","ADDRESS 1","ADDRESS 2","CITY","STATE","ZIP",)"
        R"("HOME PHONE","HOME FAX","CHILD 1","CHILD 2","CHILD 3","CHILD 4","CHILD 5","CHILD 6",)"
        R"("2ND ADDRESS 1","2ND ADDRESS 2","2ND CITY","2ND STATE","2ND ZIP","2ND PHONE",)"
        R"("2ND FAX")";
    const QByteArray records[] = {
        R"("JOHN","SMITH","555-0101","555-0102","John@Home.Example","John@Work.Example","MARY",)"
        R"("JONES-SMITH","555-0201","555-0202","Mary@Home.Example","Mary@Work.Example",)"
        R"("1 MAIN ST","APT 2","SPRINGFIELD","IL","62701","555-0301",#NULL#,"KIM","","LEE","",)"
        R"("","","1 COLLEGE WAY","ROOM 9","URBANA","IN","61801","555-0401","555-0402")",
        R"("ANN","BROWN","","","","","","","","","","","2 OAK AVE","","SALEM","OR","97301","",)"
        R"("","","","","","","","","","","","","","")"};
    // Two more columns after the 32, such as the last build wrote: left unused.
    const QByteArray flags[] = {"", R"(,"Y","Y")"};
    for (const QByteArray& extra : flags) {
        QByteArray file =
            header + (extra.isEmpty() ? "" : R"(,"LAST NAME HYPHEN","LAST NAME REVERSE")") + "\r\n";
        for (const QByteArray& record : records) file += record + extra + "\r\n";
        QFile::remove(path("ovra.mdb"));
        common::schema::create_database(path("ovra.mdb"));
        restart_program();
        expect_completed();
        open_import(file, [](frmImport& w) {
            const QRegularExpression boxes(QStringLiteral("^(cmdColumn|txtSelection)\\("));
            EXPECT_EQ(w.widget()->findChildren<QWidget*>(boxes).size(), 2 * 32);
            proceed(w, identity(), 0);
        });
        EXPECT_EQ(rows("OVRAData"),
                  QStringList({"BROWN, ANN|||||||||||2 OAK AVE||SALEM|OR|97301|||||0|N|N|N|N|1|0|"
                               "N|N|N|N|N|N|N|N|N|N|N|N|N",
                               "SMITH, JOHN|John@Home.Example|John@Work.Example|555-0101|555-0102|"
                               "MARY|JONES|Mary@Home.Example|Mary@Work.Example|555-0201|555-0202|"
                               "1 MAIN ST|APT 2|SPRINGFIELD|IL|62701|555-0301||||2|N|N|Y|N|1|0|"
                               "N|N|N|N|N|N|N|N|N|N|N|N|Y"}))
            << extra.constData();
        EXPECT_EQ(rows("Children"), QStringList("SMITH, JOHN|KIM|LEE||||"));
        EXPECT_EQ(
            rows("Address"),
            QStringList("SMITH, JOHN|1 COLLEGE WAY|ROOM 9|URBANA|IN|61801|N|555-0401|555-0402"));
    }
}

TEST_F(Import, ASecondAddressOfOneItemAloneIsStoredWithThatItemInItsPlace) {
    // Household n fills only second-address item n (boxes 26 to 32, columns 7 to 13), in
    // lower case.
    const char* const items[] = {"1 college way", "room 9",         "urbana",        "in",
                                 "k1a 0b1",       "555-0401 ext 1", "555-0402 ext 2"};
    const int place[] = {1, 2, 3, 4, 5, 7, 8};  // its field in an Address row
    QByteArray file = "FIRST,LAST,ADDRESS,CITY,STATE,ZIP,A1,A2,CITY2,STATE2,ZIP2,PHONE2,FAX2\r\n";
    QStringList expected;
    std::vector<int> boxes = kAddress;
    boxes.resize(32);
    for (int n = 0; n < 7; ++n) {
        boxes[25 + n] = 7 + n;
        QByteArrayList second(7);
        second[n] = items[n];
        file += "Al,Lee" + QByteArray::number(n) + ",1 Main St,Salem,OR,97301," + second.join(',') +
                "\r\n";
        QStringList row = {QStringLiteral("LEE%1, AL").arg(n), "", "", "", "", "", "N", "", ""};
        row[place[n]] = QString(items[n]).toUpper();
        expected << row.join('|');
    }
    expect_completed();
    open_import(file, [&boxes](frmImport& w) { proceed(w, boxes, 0); });
    EXPECT_EQ(rows("Address"), expected);
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(stored(QStringLiteral("LEE%1, AL").arg(n)).second_address, "Y") << n;
}

TEST_F(Import, DuplicatesAreListedAndTheStoredHouseholdStaysAsItWas) {
    AddressRecord old = household("SMITH", "JOHN");
    old.city = "OLD TOWN";
    store_household(old);
    main().show_record_count(1);
    const QByteArray file =
        csv({"FIRST,LAST,ADDRESS,CITY,STATE,ZIP,CHILD,ADDR2",
             "John,Smith,9 New St,New Town,IL,60601,Kim,1 College Way",
             "Ann,Jones,1 Main St,Salem,OR,97301,,", "ANN,jones,2 Main St,Salem,OR,97301,,",
             "Bob,Lee,3 Main St,Salem,OR,97301,,"});
    QStringList lines;
    open_import(
        file, [this](frmImport& w) { proceed(w, kFamily, 0); }, &lines, "DUPLICATE RECORDS");

    EXPECT_EQ(lines, QStringList({"LINE 2: JOHN SMITH - RECORD ALREADY EXISTS",
                                  "LINE 4: ANN JONES - RECORD ALREADY EXISTS"}));
    EXPECT_EQ(stored("SMITH, JOHN").city, "OLD TOWN");
    EXPECT_EQ(stored("JONES, ANN").address_1, "1 MAIN ST");
    EXPECT_EQ(count_rows("OVRAData"), 3);
    EXPECT_EQ(count_rows("Children"), 0);
    EXPECT_EQ(count_rows("Address"), 0);
    EXPECT_EQ(main().ui().lblrecnum->text(), "3");
}

TEST_F(Import, BadLinesAreListedWithTheirNumbersAndNeverSwallowOrShiftTheLinesAfterThem) {
    const QByteArray file =
        csv({"FIRST,LAST,ADDRESS,CITY,STATE,ZIP", "Ann,Able,1 A St,Salem,OR,97301",
             // A quote left open that a later one closes: lines 3-5.
             "Bob,Baker,\"2 B St,Salem,OR,97301", "Cy,Cole,3 C St,Salem,OR,97301",
             "Dee,Dunn,4 D St 7\",Salem,OR,97301", "Eve,Eden,5 E St,Salem,OR,97301,extra",
             "Fay,Fox,6 F St",
             // A spreadsheet cell over two lines.
             "Gus,Gray,\"Apt 5\r\nRear\",Salem,OR,97301", "", " ,Hill,8 H St,Salem,OR,97301",
             "Ida,\"Ives, Jr\",9 I St,Salem,OR,97301", "Jo,\"Jay,10 J St,Salem,OR,97301",
             "Kim,Kerr,11 K St,Salem,OR,97301"});
    QStringList lines;
    open_import(
        file, [this](frmImport& w) { proceed(w, kAddress, 0); }, &lines, "RECORDS NOT IMPORTED");

    EXPECT_EQ(lines, QStringList({"LINES 3-5: BOB BAKER - LINE BREAK INSIDE AN ITEM",
                                  "LINE 6: MORE ITEMS (7) THAN COLUMNS (6)",
                                  "LINES 8-9: GUS GRAY - LINE BREAK INSIDE AN ITEM",
                                  "LINE 11: HILL - FIRST NAME 1 IS BLANK",
                                  "LINE 12: IDA IVES, JR - LAST NAME 1 HOLDS A COMMA",
                                  "LINE 13: QUOTE NOT CLOSED"}));
    EXPECT_EQ(count_rows("OVRAData"), 3);
    EXPECT_EQ(stored("ABLE, ANN").address_1, "1 A ST");
    // A short line is padded with empty items.
    EXPECT_EQ(stored("FOX, FAY").address_1, "6 F ST");
    EXPECT_EQ(stored("FOX, FAY").city, "");
    EXPECT_EQ(stored("KERR, KIM").address_1, "11 K ST");
    for (const QString& row : rows("OVRAData"))
        EXPECT_FALSE(row.contains('\r') || row.contains('\n')) << row.toStdString();
}

TEST_F(Import, AHouseholdTheDatabaseRefusesLeavesNoRowBehindAndARunItAbandonsLeavesNothing) {
    exec_sql(
        "CREATE TRIGGER no_room BEFORE INSERT ON Children WHEN NEW.keyname = 'KID, BAD' "
        "BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
    const QByteArray file = csv({"FIRST,LAST,ADDRESS,CITY,STATE,ZIP,CHILD,ADDR2",
                                 "Good,One,1 A St,Salem,OR,97301,Amy,1 College Way",
                                 "Bad,Kid,2 B St,Salem,OR,97301,Ben,2 College Way",
                                 "Good,Two,3 C St,Salem,OR,97301,Cat,"});
    QStringList lines;
    open_import(
        file, [this](frmImport& w) { proceed(w, kFamily, 0); }, &lines, "RECORDS NOT IMPORTED");

    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.at(0).startsWith("LINE 3: BAD KID - NOT SAVED:"))
        << lines.at(0).toStdString();
    EXPECT_TRUE(lines.at(0).contains("disk is full"));
    EXPECT_FALSE(stored_row<AddressRecord>("OVRAData", "KID, BAD"));
    EXPECT_FALSE(stored_row<SecondAddressRecord>("Address", "KID, BAD"));
    EXPECT_EQ(count_rows("OVRAData"), 2);
    EXPECT_EQ(count_rows("Children"), 2);
    EXPECT_EQ(count_rows("Address"), 1);

    // A failure that ends SQLite's transaction ends the run, and nothing of it is kept.
    exec_sql(
        "CREATE TRIGGER gone BEFORE INSERT ON OVRAData WHEN NEW.keyname = 'KID, BAD' "
        "BEGIN SELECT RAISE(ROLLBACK, 'database is locked'); END");
    msgs.expect(
        "The import stopped at LINE 3: BAD KID - NOT SAVED: Cannot write the row: database is "
        "locked\n"
        "Nothing was imported; the address book is as it was.",
        platform::vbOK, platform::vbExclamation, "Import Failed");
    open_import(csv({"FIRST,LAST,ADDRESS,CITY,STATE,ZIP", "Good,Three,1 A St,Salem,OR,97301",
                     "Bad,Kid,2 B St,Salem,OR,97301", "Good,Four,3 C St,Salem,OR,97301"}),
                [this](frmImport& w) { proceed(w, kAddress, 0); });
    EXPECT_EQ(count_rows("OVRAData"), 2);
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
}

TEST_F(Import, ASpreadsheetCsvImportsWithItsHeaderLineOrAsData) {
    const QByteArray file =
        "\xEF\xBB\xBF" +
        csv({"First,Last,Street,City,State,Zip",
             "Jos\xC3\xA9,M\xC3\xBCller,\"12 Rue de l'\xC3\x89glise, Apt \"\"B\"\"\",Montr\xC3\xA9"
             "al,QC,01234",
             "Zo\xC3\xAB,O'Brien,\"1 Main St, Unit 3\",Salem,OR,97301"});
    expect_completed();
    open_import(file, [this](frmImport& w) {
        EXPECT_EQ(w.ui().LblImport[1]->text(), "First");
        proceed(w, kAddress, 0);
    });
    EXPECT_EQ(count_rows("OVRAData"), 2);
    const AddressRecord jose = stored(QStringLiteral("MÜLLER, JOSÉ"));
    EXPECT_EQ(jose.address_1, QStringLiteral("12 RUE DE L'ÉGLISE, APT \"B\""));
    EXPECT_EQ(jose.city, QStringLiteral("MONTRÉAL"));
    EXPECT_EQ(jose.zip, "01234");
    EXPECT_EQ(stored(QStringLiteral("O'BRIEN, ZOË")).address_1, "1 MAIN ST, UNIT 3");

    // Read as data, the header line is one more household.
    QStringList lines;
    open_import(
        file, [this](frmImport& w) { proceed(w, kAddress, 1); }, &lines, "DUPLICATE RECORDS");
    EXPECT_EQ(lines.size(), 2);
    EXPECT_EQ(count_rows("OVRAData"), 3);
    EXPECT_TRUE(stored_row<AddressRecord>("OVRAData", "LAST, FIRST"));
}

}  // namespace
