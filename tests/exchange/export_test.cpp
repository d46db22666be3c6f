#include <QDir>
#include <QFile>

#include "common/records.h"
#include "common/schema.h"
#include "common/text_records.h"
#include "exchange_fixture.h"
#include "platform/controls.h"
#include "platform/printer.h"

using common::AddressRecord;
using common::ChildrenRecord;
using common::SecondAddressRecord;
using platform::form;

namespace {

const QByteArray kHeader =
    R"("FIRST NAME","LAST NAME","WORK PHONE 1","CELL PHONE 1","HOME EMAIL 1","WORK EMAIL 1",)"
    R"("FIRST NAME 2","LAST NAME 2","WORK PHONE 2","CELL PHONE 2","HOME EMAIL 2","WORK EMAIL 2",)"
    R"("ADDRESS 1","ADDRESS 2","CITY","STATE","ZIP","HOME PHONE","HOME FAX","CHILD 1","CHILD 2",)"
    R"("CHILD 3","CHILD 4","CHILD 5","CHILD 6","2ND ADDRESS 1","2ND ADDRESS 2","2ND CITY",)"
    R"("2ND STATE","2ND ZIP","2ND PHONE","2ND FAX")"
    "\r\n";

class Export : public ExchangeTest {
protected:
    static void all(frmExport_ui::Controls& c) { c.optAll->setChecked(true); }
    QList<QByteArray> lines(const QByteArray& bytes) {
        QList<QByteArray> out = bytes.split('\n');
        EXPECT_TRUE(out.takeLast().isEmpty());  // the file ends with a line end
        return out;
    }
};

TEST_F(Export, TheWindowAsksForAnOptionAndACategoryBeforeTheFileAndReportsAFailedWrite) {
    modals.on("frmExport", [this](platform::Window& w) {
        auto& c = static_cast<frmExport&>(w).ui();
        EXPECT_FALSE(c.lblStatus->isVisible());
        EXPECT_EQ(c.Check[1]->text(), "FAMILY");
        EXPECT_TRUE(c.Check[2]->isVisible());  // a category named " " has a blank box
        EXPECT_FALSE(c.Check[3]->isVisible());
        EXPECT_FALSE(c.Check[1]->isEnabled());
        click(c.cmdExport);
        EXPECT_EQ(c.lblStatus->text(), "PICK AN EXPORT OPTION");
        EXPECT_TRUE(c.lblStatus->isVisible());
        click(c.OptCategory);
        EXPECT_TRUE(c.Check[5]->isEnabled());
        click(c.cmdExport);
        EXPECT_EQ(c.lblStatus->text(), "PICK AT LEAST ONE CATEGORY");
        snapshot(w.widget(), "frmExport");
        EXPECT_TRUE(files.calls().empty());

        // Cancelling the dialog writes nothing and says nothing.
        click(c.Check[5]);
        files.expect(QString());
        click(c.cmdExport);
        EXPECT_FALSE(c.lblStatus->isVisible());
        ASSERT_EQ(files.calls().size(), 1u);
        const auto& call = files.calls()[0];
        EXPECT_TRUE(call.save);
        EXPECT_EQ(call.title, "File Export");

        // A file that cannot be written is reported and leaves nothing.
        files.expect(path("no such folder/export.txt"));
        msgs.expect(
            QStringLiteral("The export file %1 could not be written; no file was created.\n")
                    .arg(path("no such folder/export.txt")) +
                "No such file or directory",
            platform::vbOK, platform::vbExclamation, "Export Failed");
        click(c.optAll);
        click(c.cmdExport);
        EXPECT_FALSE(c.lblStatus->isVisible());
        click(c.cmdCancel);
    });
    main().ui().mnuExport->trigger();
    EXPECT_FALSE(exists("export.txt"));
    EXPECT_FALSE(exists("no such folder"));
}

TEST_F(Export, EachFieldGoesToItsOwnColumnAndTheSideRowsAsTheirNamesAndFlagSay) {
    // An empty address book gives the header alone, in place of the old file.
    write("export.txt", "old contents that are longer than nothing\r\n");
    EXPECT_EQ(export_file(all), kHeader);

    AddressRecord smith = household("SMITH", "JOHN");
    smith.work_phone_1 = "555-0101";
    smith.cell_phone_1 = "555-0102";
    smith.home_email_1 = "John@Home.Example";
    smith.work_email_1 = "John@Work.Example";
    smith.first_name_2 = "MARY \"MO\"";
    smith.last_name_2 = "JONES";
    smith.work_phone_2 = "555-0201";
    smith.cell_phone_2 = "555-0202";
    smith.home_email_2 = "Mary@Home.Example";
    smith.work_email_2 = "Mary@Work.Example";
    smith.address_2 = "APT 2";
    smith.home_phone = "555-0301";
    smith.home_fax = "555-0302";
    smith.last_name_hyphen = "Y";  // last name 2 goes out as stored, whatever its flags
    smith.last_name_reverse = "Y";
    smith.childflag = 6;
    smith.second_address = "Y";
    store_household(smith);
    ChildrenRecord kids;
    kids.keyname = "SMITH, JOHN";
    kids.child = {"", "KIM", "LEE, JR", "AMY", "BEN", "CAL", "DOT"};
    store_children(kids);
    SecondAddressRecord second;
    second.keyname = "SMITH, JOHN";
    second.address1 = "1 COLLEGE WAY";
    second.address2 = "ROOM 9";
    second.city = "URBANA";
    second.state = "IN";
    second.zip = "61801";
    second.phone = "555-0401";
    second.fax = "555-0402";
    store_second_address(second);
    // Flags that call for side rows that are missing give empty items.
    AddressRecord lone = household("LONE", "AL");
    lone.childflag = 3;
    lone.second_address = "Y";
    store_household(lone);
    // Children are the names, packed, whatever the flag; an Address row under "N" is no
    // second address.
    store_household(household("ZED", "ZOE"));
    kids.keyname = "ZED, ZOE";
    kids.child = {"", " ", "AMY", "", "BEN", "", ""};
    store_children(kids);
    second.keyname = "ZED, ZOE";
    store_second_address(second);
    exec_sql("UPDATE OVRAData SET \"home fax\" = NULL WHERE keyname = 'ZED, ZOE'");

    // Exactly thirty-two items in the header and in every record, as any reader of the file
    // counts them.
    const QByteArray file = export_file(all);
    common::text_records::RecordReader reader(QString::fromUtf8(file));
    common::text_records::Record record;
    std::vector<qsizetype> items;
    while (reader.next(record)) items.push_back(record.items.size());
    EXPECT_EQ(items, std::vector<qsizetype>(4, 32));

    const auto out = lines(file);
    ASSERT_EQ(out.size(), 4);
    EXPECT_EQ(out[0] + '\n', kHeader);
    EXPECT_EQ(out[1], R"("JOHN","SMITH","555-0101","555-0102","John@Home.Example",)"
                      R"("John@Work.Example","MARY ""MO""","JONES","555-0201","555-0202",)"
                      R"("Mary@Home.Example","Mary@Work.Example","1 MAIN ST","APT 2",)"
                      R"("SPRINGFIELD","IL","62701","555-0301","555-0302","KIM","LEE, JR","AMY",)"
                      R"("BEN","CAL","DOT","1 COLLEGE WAY","ROOM 9","URBANA","IN","61801",)"
                      R"("555-0401","555-0402")"
                      "\r");
    const QByteArray empty6 = R"("","","","","","")";
    const QByteArray address = R"("1 MAIN ST","","SPRINGFIELD","IL","62701",)";
    EXPECT_EQ(out[2], R"("AL","LONE","","","","","","","","","","",)" + address + R"("","",)" +
                          empty6 + ",\"\"," + empty6 + "\r");
    EXPECT_EQ(out[3], R"("ZOE","ZED","","","","","","","","","","",)" + address +
                          R"("",#NULL#,"AMY","BEN","","","","","",)" + empty6 + "\r");
}

TEST_F(Export, ByCategoryTakesTheTickedCategoriesAndASecondExportInTheSameVisitIsWholeToo) {
    AddressRecord family = household("FAMILY", "ONE");
    family.category[1] = "Y";
    AddressRecord both = household("BOTH", "TWO");
    both.category[1] = "Y";
    both.category[5] = "Y";
    both.childflag = 1;
    both.second_address = "Y";
    AddressRecord lower = household("LOWER", "THREE");
    lower.category[5] = "y";
    for (const AddressRecord& r : {family, both, lower, household("NONE", "FOUR")})
        store_household(r);
    ChildrenRecord kids;
    kids.keyname = "BOTH, TWO";
    kids.child[1] = "KIM";
    store_children(kids);
    SecondAddressRecord second;
    second.keyname = "BOTH, TWO";
    second.address1 = "1 COLLEGE WAY";
    store_second_address(second);

    // Ticks left from a category run are ignored by an export of everything.
    files.expect(path("friends.txt"));
    files.expect(path("all.txt"));
    modals.on("frmExport", [](platform::Window& w) {
        auto& c = static_cast<frmExport&>(w).ui();
        click(c.OptCategory);
        click(c.Check[5]);
        click(c.cmdExport);
        EXPECT_EQ(c.lblStatus->text(), "EXPORT FILE CREATED");
        click(c.Check[1]);
        click(c.optAll);
        click(c.cmdExport);
        EXPECT_EQ(c.lblStatus->text(), "EXPORT FILE CREATED");
        click(c.cmdCancel);
    });
    main().ui().mnuExport->trigger();
    const auto friends = lines(read("friends.txt"));
    ASSERT_EQ(friends.size(), 2);
    EXPECT_TRUE(friends[1].startsWith("\"TWO\",\"BOTH\""));
    EXPECT_TRUE(friends[1].contains(R"("KIM","","","","","","1 COLLEGE WAY")"));
    const auto everything = lines(read("all.txt"));
    ASSERT_EQ(everything.size(), 5);
    EXPECT_EQ(everything[0], friends[0]);
    EXPECT_TRUE(everything.contains(friends[1]));
}

TEST_F(Export, AnExportImportsIntoAnEmptyAddressBookWithWhatItCarries) {
    // Households as the import makes them: names with quotes, commas, ampersands and accents,
    // children and second addresses.
    const QByteArray source = csv({
        "FIRST,LAST,FIRST2,LAST2,ADDRESS,CITY,STATE,ZIP,EMAIL,K1,K2,ADDR2,ZIP2",
        "\"Jos\xC3\xA9, Jr\",O'Brien,\"Ann \"\"Nan\"\"\",O'Brien-M\xC3\xBCller,\"1 A & B St, Apt "
        "2\",Montr\xC3\xA9"
        "al,QC,01234,Jo@Ex.com,Zo\xC3\xAB,\"Lee, Kim\",1 College Way,53703",
        "Bob,Smith,Eve,Jones-Smith,2 B St,Salem,OR,97301,,,,,",
        "Cy,Cole,,,3 C St,Salem,OR,97301,,,,,",
    });
    // Box k takes column boxes[k - 1].
    const std::vector<int> boxes = {1, 2, 0, 0, 9,  0,  3, 4, 0, 0, 0,  0, 5, 0, 6,
                                    7, 8, 0, 0, 10, 11, 0, 0, 0, 0, 12, 0, 0, 0, 13};
    expect_completed();
    open_import(source, [&boxes](frmImport& w) { proceed(w, boxes, 0); });
    // Every hyphen and reverse flag with a single and a double last name 2, the double one
    // also holding last name 1.
    const std::tuple<const char*, const char*, const char*, const char*> forms[] = {
        {"KING, DI", "BROWN", "N", "N"},  {"KING, CY", "KING-BROWN", "N", "N"},
        {"NASH, HAL", "BROWN", "N", "Y"}, {"NASH, IDA", "NASH-BROWN", "N", "Y"},
        {"LANE, EVE", "BROWN", "Y", "N"}, {"LANE, DON", "JONES-BROWN", "Y", "N"},
        {"MOSS, FAY", "BROWN", "Y", "Y"}, {"MOSS, GUY", "JONES-BROWN", "Y", "Y"}};
    for (const auto& [key, last2, hyphen, reverse] : forms) {
        AddressRecord r =
            household(QString(key).section(", ", 0, 0), QString(key).section(", ", 1));
        r.first_name_2 = "ANN";
        r.last_name_2 = last2;
        r.last_name_hyphen = hyphen;
        r.last_name_reverse = reverse;
        if (r.keyname == "MOSS, GUY") {  // and what the file does not carry
            r.sal1 = "DR";
            r.option1 = "6";
            r.sal2 = "REV";
            r.option2 = "3";
            r.foreign_check = r.last_name_check = r.category[1] = "Y";
        }
        store_household(r);
    }
    const QByteArray exported = export_file(all);
    const QStringList households = rows("OVRAData"), children = rows("Children"),
                      addresses = rows("Address");
    ASSERT_EQ(households.size(), 11);
    EXPECT_TRUE(households.join('\n').contains(QStringLiteral("O'BRIEN, JOSÉ, JR")));

    QFile::remove(path("ovra.mdb"));
    common::schema::create_database(path("ovra.mdb"));
    restart_program();
    expect_completed();
    open_import(exported, [](frmImport& w) { proceed(w, identity(), 0); });

    // Titles, categories and the foreign and family-label ticks take the import's values. Last
    // name 2 comes back as stored and unhyphenated, but where a hyphen joins last name 1 to it.
    const QStringList& fields = common::schema::household_fields();
    QStringList expected;
    for (const QString& household : households) {
        QStringList row = household.split('|');
        auto set = [&](const QString& field, const QString& value) {
            row[fields.indexOf(field)] = value;
        };
        for (const char* field : {"sal1", "sal2"}) set(field, "");
        for (const char* field :
             {"foreign check", "last name check", "last name hyphen", "last-name-reverse"})
            set(field, "N");
        set("option1", "1");
        set("option2", "0");
        for (int n = 1; n <= 12; ++n) set(QStringLiteral("category%1").arg(n), "N");
        if (row[0] == "KING, CY" || row[0] == "NASH, IDA") {
            set("last name 2", "BROWN");
            set("last name hyphen", "Y");
            set("last-name-reverse", "Y");
        }
        expected << row.join('|');
    }
    EXPECT_EQ(rows("OVRAData"), expected);
    EXPECT_EQ(rows("Children"), children);
    EXPECT_EQ(rows("Address"), addresses);
}

TEST_F(Export, FileDialogsStartInTheDocumentsFolderOrElseInTheHomeFolder) {
    struct Restore {
        QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
        ~Restore() {
            qputenv("HOME", home);
            config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
        }
    } restore;
    const QString home = path("home");
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_CONFIG_HOME");
    std::vector<QString> expected;
    for (const QString& folder : {home + "/", home + "/Documents/"}) {
        QDir().mkpath(folder);
        files.expect(QString());
        main().ui().mnuImport->trigger();
        files.expect(QString());
        modals.on("frmExport", [](platform::Window& w) {
            auto& c = static_cast<frmExport&>(w).ui();
            click(c.optAll);
            click(c.cmdExport);
            click(c.cmdCancel);
        });
        main().ui().mnuExport->trigger();
        // The PDF device's dialog keeps the name that says what is printed.
        files.expect(QString());
        EXPECT_TRUE(platform::PrintCommand("Mailing labels 5160.pdf").cancelled());
        expected.insert(expected.end(), {folder, folder, folder + "Mailing labels 5160.pdf"});
    }
    std::vector<QString> starts;
    for (const auto& call : files.calls()) starts.push_back(call.start());
    EXPECT_EQ(starts, expected);
}

}  // namespace
