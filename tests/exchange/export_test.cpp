#include <QFile>

#include "common/records.h"
#include "common/schema.h"
#include "exchange_fixture.h"
#include "platform/controls.h"

using common::AddressRecord;
using common::ChildrenRecord;
using common::SecondAddressRecord;
using platform::form;

namespace {

const QByteArray kHeader =
    "\"FIRST NAME\",\"LAST NAME\",\"WORK PHONE 1\",\"CELL PHONE 1\",\"HOME EMAIL 1\",\"WORK EMAIL "
    "1\","
    "\"FIRST NAME 2\",\"LAST NAME 2\",\"WORK PHONE 2\",\"CELL PHONE 2\",\"HOME EMAIL 2\",\"WORK "
    "EMAIL 2\","
    "\"ADDRESS 1\",\"ADDRESS 2\",\"CITY\",\"STATE\",\"ZIP\",\"HOME PHONE\",\"HOME FAX\",\"CHILD "
    "1\",\"CHILD 2\","
    "\"CHILD 3\",\"CHILD 4\",\"CHILD 5\",\"CHILD 6\",\"2ND ADDRESS 1\",\"2ND ADDRESS 2\",\"2ND "
    "CITY\","
    "\"2ND STATE\",\"2ND ZIP\",\"2ND PHONE\",\"2ND FAX\"\r\n";

class Export : public ExchangeTest {
protected:
    static void all(frmExport_ui::Controls& c) { c.optAll->setChecked(true); }
    QList<QByteArray> lines(const QByteArray& bytes) {
        QList<QByteArray> out = bytes.split('\n');
        EXPECT_TRUE(out.takeLast().isEmpty());  // the file ends with a line end
        return out;
    }
};

TEST_F(Export, TheWindowAsksForAnOptionAndACategoryBeforeTheFile) {
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
        EXPECT_EQ(call.folder, platform::documents_folder());
        click(c.cmdCancel);
    });
    main().ui().mnuExport->trigger();
    EXPECT_FALSE(exists("export.txt"));
}

TEST_F(Export, EachRecordCarriesTheKeysNamesFieldsAndSideRowsAsStored) {
    AddressRecord smith = household("SMITH", "JOHN");
    smith.first_name_2 = "MARY \"MO\"";
    smith.last_name_2 = "JONES";
    smith.last_name_hyphen = "Y";
    smith.home_email_1 = "John@Example.com";
    smith.childflag = 2;
    smith.second_address = "Y";
    store_household(smith);
    ChildrenRecord kids;
    kids.keyname = "SMITH, JOHN";
    kids.child[1] = "KIM";
    kids.child[2] = "LEE, JR";
    store_children(kids);
    SecondAddressRecord second;
    second.keyname = "SMITH, JOHN";
    second.address1 = "1 COLLEGE WAY";
    second.city = "URBANA";
    store_second_address(second);
    // Side rows the flags do not call for are left out; rows the flags call for but that are
    // missing give empty items.
    AddressRecord lone = household("LONE", "AL");
    lone.childflag = 3;
    lone.second_address = "Y";
    store_household(lone);
    store_household(household("ZED", "ZOE"));
    kids.keyname = "ZED, ZOE";
    store_children(kids);
    exec_sql("UPDATE OVRAData SET \"home fax\" = NULL WHERE keyname = 'ZED, ZOE'");

    const auto out = lines(export_file(all));
    ASSERT_EQ(out.size(), 4);
    EXPECT_EQ(out[0] + '\n', kHeader);
    const QByteArray empty7 = "\"\",\"\",\"\",\"\",\"\",\"\",\"\"";
    EXPECT_EQ(out[1],
              "\"JOHN\",\"SMITH\",\"\",\"\",\"John@Example.com\",\"\",\"MARY "
              "\"\"MO\"\"\",\"JONES-SMITH\",\"\",\"\","
              "\"\",\"\",\"1 MAIN "
              "ST\",\"\",\"SPRINGFIELD\",\"IL\",\"62701\",\"\",\"\",\"KIM\",\"LEE, JR\",\"\","
              "\"\",\"\",\"\",\"1 COLLEGE WAY\",\"\",\"URBANA\",\"\",\"\",\"\",\"\"\r");
    EXPECT_TRUE(out[2].startsWith("\"AL\",\"LONE\","));
    EXPECT_TRUE(out[2].endsWith("\"\",\"\",\"\",\"\",\"\",\"\"," + empty7 + "\r"));
    EXPECT_TRUE(
        out[3].contains("\"62701\",\"\",#NULL#,\"\",\"\",\"\",\"\",\"\",\"\"," + empty7 + "\r"));
}

TEST_F(Export, ByCategoryTakesTheHouseholdsOfTheTickedCategoriesOnly) {
    AddressRecord family = household("FAMILY", "ONE");
    family.category[1] = "Y";
    AddressRecord both = household("BOTH", "TWO");
    both.category[1] = "Y";
    both.category[5] = "Y";
    AddressRecord lower = household("LOWER", "THREE");
    lower.category[5] = "y";
    for (const AddressRecord& r : {family, both, lower, household("NONE", "FOUR")})
        store_household(r);

    auto by_friends = lines(export_file([](frmExport_ui::Controls& c) {
        click(c.OptCategory);
        click(c.Check[5]);
    }));
    ASSERT_EQ(by_friends.size(), 2);
    EXPECT_TRUE(by_friends[1].startsWith("\"TWO\",\"BOTH\""));

    // Ticks left from a category run are ignored by an export of everything.
    auto everything = lines(export_file([](frmExport_ui::Controls& c) {
        click(c.OptCategory);
        click(c.Check[1]);
        click(c.optAll);
    }));
    EXPECT_EQ(everything.size(), 5);
}

TEST_F(Export, AnEmptyAddressBookGivesTheHeaderOnlyAndReplacesTheOldFile) {
    write("export.txt", "old contents that are longer than nothing\r\n");
    EXPECT_EQ(export_file(all), kHeader);
}

TEST_F(Export, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    store_household(household("SMITH", "JOHN"));
    const QString file = path("no such folder/export.txt");
    files.expect(file);
    msgs.expect(QStringLiteral("The export file %1 could not be written; no file was created.\n")
                        .arg(file) +
                    "No such file or directory",
                platform::vbOK, platform::vbExclamation, "Export Failed");
    modals.on("frmExport", [](platform::Window& w) {
        auto& c = static_cast<frmExport&>(w).ui();
        click(c.optAll);
        click(c.cmdExport);
        EXPECT_FALSE(c.lblStatus->isVisible());
        click(c.cmdCancel);
    });
    main().ui().mnuExport->trigger();
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(Export, AnExportImportsIntoAnEmptyAddressBookAsTheSameHouseholds) {
    // Households as the import makes them: names with quotes, commas, ampersands and accents,
    // hyphenated surnames both ways round, children and second addresses.
    const QByteArray source = csv({
        "FIRST,LAST,FIRST2,LAST2,ADDRESS,CITY,STATE,ZIP,EMAIL,K1,K2,ADDR2,ZIP2",
        "\"Jos\xC3\xA9, Jr\",O'Brien,\"Ann \"\"Nan\"\"\",O'Brien-M\xC3\xBCller,\"1 A & B St, Apt "
        "2\",Montr\xC3\xA9"
        "al,QC,01234,Jo@Ex.com,Zo\xC3\xAB,\"Lee, Kim\",1 College Way,53703",
        "Bob,Smith,Eve,Jones-Smith,2 B St,Salem,OR,97301,,,,,",
        "Cy,Cole,,,3 C St,Salem,OR,97301,,,,,",
    });
    std::vector<int> boxes(32, 0);
    for (auto [box, column] : {std::pair{1, 1},
                               {2, 2},
                               {7, 3},
                               {8, 4},
                               {13, 5},
                               {15, 6},
                               {16, 7},
                               {17, 8},
                               {5, 9},
                               {20, 10},
                               {21, 11},
                               {26, 12},
                               {30, 13}})
        boxes[box - 1] = column;
    expect_completed();
    open_import(source, [&boxes](frmImport& w) { proceed(w, boxes, 0); });
    ASSERT_EQ(count_rows("OVRAData"), 3);
    const QByteArray exported = export_file(all);

    auto rows = [this](const char* table) {
        platform::DataControl data;
        data.set_database_name(path("ovra.mdb"));
        data.set_record_source(QString::fromLatin1(table));
        data.refresh();
        data.set_index("keyname");
        QStringList out;
        for (bool row = data.has_current(); row; row = (data.move_next(), !data.eof())) {
            QStringList fields;
            for (const QString& f :
                 table == QByteArray("OVRAData")   ? common::schema::household_fields()
                 : table == QByteArray("Children") ? common::schema::children_fields()
                                                   : common::schema::second_address_fields())
                fields << data.field(f).toString();
            out << fields.join('|');
        }
        return out;
    };
    const QStringList households = rows("OVRAData"), children = rows("Children"),
                      addresses = rows("Address");
    EXPECT_TRUE(households.join('\n').contains(QStringLiteral("O'BRIEN, JOSÉ, JR")));

    QFile::remove(path("ovra.mdb"));
    common::schema::create_database(path("ovra.mdb"));
    restart_program();
    expect_completed();
    open_import(exported, [](frmImport& w) { proceed(w, identity(), 0); });
    EXPECT_EQ(rows("OVRAData"), households);
    EXPECT_EQ(rows("Children"), children);
    EXPECT_EQ(rows("Address"), addresses);
}

}  // namespace
