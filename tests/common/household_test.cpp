#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QTemporaryDir>

#include "common/keyname.h"
#include "common/records.h"
#include "common/schema.h"
#include "common/vbstring.h"
#include "platform/cursor.h"
#include "platform/errors.h"

using namespace common;

namespace {

TEST(KeyName, BuildsUpperCaseAndSplitsAtTheFirstComma) {
    EXPECT_EQ(build_keyname(vb_trim("  o'brien "), vb_trim(" ann ")), "O'BRIEN, ANN");
    const KeyNames k = split_keyname("O'BRIEN, ANN");
    EXPECT_EQ(k.last_name1, "O'BRIEN");
    EXPECT_EQ(k.first_name1, "ANN");
    const KeyNames two = split_keyname("SMITH, JOHN & MARY");
    EXPECT_EQ(two.first_name1, "JOHN & MARY");
    EXPECT_EQ(split_keyname("xx").last_name1, "xx");
    EXPECT_EQ(split_keyname("xx").first_name1, "");
}

TEST(VbString, TrimRemovesBlanksOnlyAndBlankMeansEmptyOrOneBlank) {
    EXPECT_EQ(vb_trim("  a b \t "), "a b \t");
    EXPECT_TRUE(is_blank(""));
    EXPECT_TRUE(is_blank(" "));
    EXPECT_FALSE(is_blank("  "));
    EXPECT_TRUE(is_all_digits("62701"));
    for (const char* text : {"", "12.34", "-1234", "1E+03", " 1234", "１２"})
        EXPECT_FALSE(is_all_digits(QString::fromUtf8(text))) << text;
}

QStringList columns_of(const QString& db_path, const char* table) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(db_path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(
        db,
        QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table).toUtf8().constData(),
        -1, &stmt, nullptr);
    QStringList names;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return names;
}

TEST(Schema, TablesAndColumnsAreExactlyTheHouseholdLayout) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ovra.mdb");
    schema::create_database(path);
    const QStringList household = columns_of(path, "OVRAData");
    ASSERT_EQ(household.size(), 40);
    EXPECT_EQ(household.first(), "keyname");
    EXPECT_EQ(household[24], "last-name-reverse");
    EXPECT_EQ(household[27], "category1");
    EXPECT_EQ(household.last(), "second address");
    EXPECT_EQ(columns_of(path, "Children"),
              (QStringList{"keyname", "child1", "child2", "child3", "child4", "child5", "child6"}));
    EXPECT_EQ(columns_of(path, "Address"),
              (QStringList{"keyname", "address1", "address2", "city", "state", "zip",
                           "foreign check", "phone", "fax"}));
    EXPECT_TRUE(schema::is_household_database(path));
    EXPECT_FALSE(schema::is_household_database(dir.filePath("none.mdb")));
}

TEST(Records, AHouseholdRoundTripsAndChildrenAndAddressKeepOneRowPerHousehold) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ovra.mdb");
    schema::create_database(path);
    platform::DataControl data;
    data.set_database_name(path);
    for (const char* table : {"Children", "Address"}) {
        data.set_record_source(table);
        data.refresh();
        for (int i = 0; i < 2; ++i) {
            data.add_new();
            data.set_field("keyname", "SMITH, JOHN");
            try {
                data.update();
            } catch (const platform::VbError& e) {
                EXPECT_EQ(e.number(), platform::kErrDuplicateKey) << table;
                data.cancel_update();
            }
        }
        EXPECT_EQ(data.record_count(), 1) << table;
    }

    data.set_record_source("OVRAData");
    data.refresh();
    AddressRecord r;
    r.keyname = "O'BRIEN, ANN";
    r.home_email_1 = "Ann@Example.org";
    r.childflag = 3;
    r.category[2] = "Y";
    r.option2 = "0";
    data.add_new();
    r.write_to(data);
    data.update();
    data.move_first();
    const AddressRecord back = AddressRecord::read_from(data);
    EXPECT_EQ(back.keyname, "O'BRIEN, ANN");
    EXPECT_EQ(back.home_email_1, "Ann@Example.org");
    EXPECT_EQ(back.childflag, 3);
    EXPECT_EQ(back.category[2], "Y");
    // A title never given stays absent.
    EXPECT_FALSE(back.option1.has_value());
    EXPECT_TRUE(data.field("option1").isNull());
    EXPECT_EQ(back.first_name_2, "");
}

}  // namespace
