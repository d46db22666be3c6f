#include "platform/cursor.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/records.h"
#include "common/schema.h"
#include "platform/errors.h"

using platform::DataControl;
using platform::VbError;

namespace {

int error_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}

class CursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        db_path = dir.filePath("ovra.mdb");
        common::schema::create_database(db_path);
        data.set_database_name(db_path);
        data.refresh();
    }
    void add(const QString& key, const QString& city = "X") {
        data.add_new();
        data.set_field("keyname", key);
        data.set_field("city", city);
        data.update();
    }
    QStringList walk() {
        QStringList keys;
        data.move_first();
        while (!data.eof()) {
            keys << data.field("keyname").toString();
            data.move_next();
        }
        return keys;
    }
    // The rows on disk, read by another connection.
    int stored_rows(const QString& database = {}) const {
        DataControl other;
        other.set_database_name(database.isEmpty() ? db_path : database);
        other.refresh();
        return other.record_count();
    }

    QTemporaryDir dir;
    QString db_path;
    DataControl data;
};

// A misuse raises its error number, whatever table the cursor stands on.
TEST_F(CursorTest, MisusesRaiseTheirErrorNumbers) {
    EXPECT_EQ(data.record_count(), 0);
    EXPECT_TRUE(data.eof() && data.bof());
    EXPECT_EQ(error_of([&] { data.move_last(); }), platform::kErrNoCurrentRecord);
    EXPECT_EQ(error_of([&] { data.move_first(); }), platform::kErrNoCurrentRecord);
    add("SMITH, JOHN");
    EXPECT_EQ(error_of([&] { data.seek("=", "SMITH, JOHN"); }), platform::kErrNoCurrentIndex);
    data.move_first();
    EXPECT_TRUE(data.field("First Name 2").isNull());  // fields are matched by name
    EXPECT_EQ(error_of([&] { data.field("nonsense"); }), platform::kErrItemNotFound);
    EXPECT_EQ(error_of([&] { data.set_field("city", "X"); }), platform::kErrUpdateWithoutEdit);
    // A new table forgets the index.
    data.set_index("keyname");
    data.set_record_source("children");
    data.refresh();
    EXPECT_EQ(data.index(), "");
    EXPECT_EQ(error_of([&] { data.seek("=", "SMITH, JOHN"); }), platform::kErrNoCurrentIndex);
}

TEST_F(CursorTest, SeekFindsTheKeyIgnoringCaseAndAMissLeavesNoCurrentRow) {
    // Quotes and SQL in a value are stored and sought as plain text.
    const QString nasty = "X'); DROP TABLE OVRAData; --\"";
    add("O'BRIEN, ANN", "DUBLIN");
    add(nasty, nasty);
    data.set_index("keyname");
    data.seek("=", "o'brien, ann");
    ASSERT_FALSE(data.no_match());
    EXPECT_EQ(data.field("city").toString(), "DUBLIN");
    data.seek("=", nasty);
    ASSERT_FALSE(data.no_match());
    EXPECT_EQ(data.field("city").toString(), nasty);

    data.seek("=", "JONES, MARY");
    EXPECT_TRUE(data.no_match());
    EXPECT_FALSE(data.has_current());
    EXPECT_EQ(error_of([&] { data.field("city"); }), platform::kErrNoCurrentRecord);
    EXPECT_EQ(error_of([&] { data.edit(); }), platform::kErrNoCurrentRecord);
    EXPECT_EQ(error_of([&] { data.delete_row(); }), platform::kErrNoCurrentRecord);
    EXPECT_EQ(data.record_count(), 2);
}

// A new row or an edit onto a stored key raises 3022: the new row stays pending to be
// corrected, the edited one is left as stored.
TEST_F(CursorTest, ADuplicateKeyRaises3022AndChangesNothing) {
    add("SMITH, JOHN", "FIRST");
    data.add_new();
    data.set_field("keyname", "Smith, John");
    data.set_field("city", "SECOND");
    EXPECT_EQ(error_of([&] { data.update(); }), platform::kErrDuplicateKey);
    EXPECT_EQ(data.edit_mode(), DataControl::EditMode::AddNew);
    EXPECT_EQ(data.field("city").toString(), "SECOND");
    data.set_field("keyname", "JONES, MARY");
    data.update();
    EXPECT_EQ(data.record_count(), 2);

    data.set_index("keyname");
    data.seek("=", "JONES, MARY");
    data.edit();
    data.set_field("keyname", "SMITH, JOHN");
    EXPECT_EQ(error_of([&] { data.update(); }), platform::kErrDuplicateKey);
    data.cancel_update();
    data.seek("=", "SMITH, JOHN");
    EXPECT_EQ(data.field("city").toString(), "FIRST");
    EXPECT_EQ(data.record_count(), 2);
}

TEST_F(CursorTest, WalksInInsertionOrderWithoutIndexAndInKeyOrderWithIt) {
    add("ZED, A");
    add("adams, b");
    add("MILLER, C");
    EXPECT_EQ(walk(), (QStringList{"ZED, A", "adams, b", "MILLER, C"}));
    data.set_index("keyname");
    EXPECT_EQ(walk(), (QStringList{"adams, b", "MILLER, C", "ZED, A"}));
    EXPECT_EQ(error_of([&] { data.move_next(); }), platform::kErrNoCurrentRecord);
}

TEST_F(CursorTest, EditUpdatesTheCurrentRowAndDeleteRemovesIt) {
    add("SMITH, JOHN", "OLD");
    add("JONES, MARY", "KEEP");
    data.set_index("keyname");
    data.seek("=", "SMITH, JOHN");
    data.edit();
    data.set_field("city", "NEW");
    data.update();
    EXPECT_EQ(data.field("city").toString(), "NEW");
    data.delete_row();
    EXPECT_FALSE(data.has_current());
    EXPECT_EQ(data.record_count(), 1);
    data.seek("=", "JONES, MARY");
    EXPECT_EQ(data.field("city").toString(), "KEEP");
}

// A pending row or edit is dropped by CancelUpdate, by any move or seek and by a rollback; the
// current row then shows what is stored.
TEST_F(CursorTest, CancelMovesSeeksAndRollbacksDropThePendingBuffer) {
    data.add_new();
    data.set_field("keyname", "A, B");
    data.cancel_update();
    EXPECT_EQ(data.edit_mode(), DataControl::EditMode::None);
    EXPECT_EQ(data.record_count(), 0);
    add("SMITH, JOHN", "ONE");
    data.add_new();
    data.set_field("keyname", "E, F");
    data.move_first();
    EXPECT_EQ(data.edit_mode(), DataControl::EditMode::None);
    EXPECT_EQ(data.record_count(), 1);

    data.set_index("keyname");
    data.seek("=", "SMITH, JOHN");
    data.edit();
    data.set_field("city", "PENDING");
    data.seek("=", "SMITH, JOHN");
    EXPECT_EQ(data.edit_mode(), DataControl::EditMode::None);
    EXPECT_EQ(data.field("city").toString(), "ONE");
    EXPECT_EQ(error_of([&] { data.update(); }), platform::kErrUpdateWithoutEdit);

    // After a rollback the current row shows what is stored again, not the undone change.
    data.begin_trans();
    data.edit();
    data.set_field("city", "UNDONE");
    data.update();
    EXPECT_EQ(data.field("city").toString(), "UNDONE");
    data.edit();
    data.set_field("city", "PENDING");
    data.rollback();
    EXPECT_EQ(data.edit_mode(), DataControl::EditMode::None);
    EXPECT_EQ(data.field("city").toString(), "ONE");
}

// A transaction inside another is a savepoint: it keeps or drops only its own rows, and the
// outer one decides for all. A long read holds one transaction and keeps what the changes
// inside it commit.
TEST_F(CursorTest, NestedTransactionsDecideForTheirOwnRowsAndTheOuterOneForAll) {
    add("SMITH, JOHN", "ONE");
    {
        platform::Transaction t(data);
        add("JONES, MARY");
        data.set_index("keyname");
        data.seek("=", "SMITH, JOHN");
        data.edit();
        data.set_field("city", "CHANGED");
        data.update();
    }
    EXPECT_EQ(data.record_count(), 1);
    data.seek("=", "SMITH, JOHN");
    EXPECT_EQ(data.field("city").toString(), "ONE");

    {
        platform::Transaction run(data);
        {
            platform::Transaction one(data);
            add("A, ONE");
            one.commit();
        }
        {
            platform::Transaction two(data);
            add("B, TWO");
        }
        EXPECT_TRUE(data.in_transaction());
        EXPECT_EQ(data.record_count(), 2);
        EXPECT_EQ(stored_rows(), 1);  // nothing is on disk before the outer commit
        run.commit();
    }
    EXPECT_FALSE(data.in_transaction());
    EXPECT_EQ(stored_rows(), 2);
    {
        platform::Transaction run(data);
        platform::Transaction inner(data);
        add("C, THREE");
        inner.commit();
    }
    EXPECT_EQ(stored_rows(), 2);

    {
        const platform::ReadTransaction reading(data);
        EXPECT_TRUE(data.in_transaction());
        {
            platform::Transaction one(data);
            add("D, FOUR");
            one.commit();
        }
        {
            platform::Transaction two(data);
            add("E, FIVE");
        }
    }
    EXPECT_FALSE(data.in_transaction());
    EXPECT_EQ(stored_rows(), 3);
    DataControl closed;
    { const platform::ReadTransaction nothing(closed); }
    EXPECT_FALSE(closed.in_transaction());
}

TEST_F(CursorTest, AWalkNeverShowsARowAsItWasBeforeAChange) {
    // More rows than one read-ahead batch, changed while the walk is under way.
    for (int i = 0; i < 600; ++i)
        add(QStringLiteral("K%1, A").arg(i, 4, 10, QLatin1Char('0')), "OLD");
    data.move_first();
    for (int i = 0; i < 10; ++i) data.move_next();
    EXPECT_EQ(data.field("keyname").toString(), "K0010, A");
    data.edit();
    data.set_field("city", "NEW");
    data.update();
    data.move_next();
    data.edit();
    data.set_field("city", "NEW");
    data.update();
    data.move_next();
    data.delete_row();
    int seen = 0;
    int changed = 0;
    QString last;
    data.move_first();
    while (!data.eof()) {
        ++seen;
        if (data.field("city").toString() == "NEW") ++changed;
        last = data.field("keyname").toString();
        data.move_next();
    }
    EXPECT_EQ(seen, 599);
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(last, "K0599, A");
    EXPECT_EQ(data.count_equal({"city"}, "NEW"), QVector<int>{2});

    // A walk that names its fields still reads any other, and an edit keeps the whole row.
    data.set_walk_fields({"city"});
    data.move_first();
    for (int i = 0; i < 300; ++i) data.move_next();
    EXPECT_EQ(data.field("city").toString(), "OLD");
    EXPECT_EQ(data.field("keyname").toString(), "K0301, A");
    EXPECT_TRUE(data.field("zip").isNull());
    data.edit();
    data.set_field("zip", "62701");
    data.update();
    data.set_walk_fields({});
    data.set_index("keyname");
    data.seek("=", "K0301, A");
    EXPECT_EQ(data.field("city").toString(), "OLD");
    EXPECT_EQ(data.field("zip").toString(), "62701");
}

// After a switch the table shows the first row it had before any write; a row read by key
// leaves the open table its row and its edit.
TEST_F(CursorTest, SwitchedTablesAndRowsReadByKeyKeepTheCurrentRow) {
    add("SMITH, JOHN", "ONE");
    add("JONES, MARY", "TWO");
    // A row added to an empty table right after the switch does not become current.
    data.set_record_source("Children");
    data.refresh();
    data.add_new();
    data.set_field("keyname", "SMITH, JOHN");
    data.set_field("child1", "KIM");
    data.update();
    EXPECT_TRUE(data.eof());
    EXPECT_FALSE(data.has_current());
    EXPECT_EQ(data.record_count(), 1);
    // A delete right after a switch takes the first row.
    data.set_record_source("OVRAData");
    data.refresh();
    data.delete_row();
    data.refresh();
    EXPECT_EQ(data.field("keyname").toString(), "JONES, MARY");
    add("SMITH, JOHN", "ONE");

    data.set_index("keyname");
    data.seek("=", "JONES, MARY");
    data.edit();
    data.set_field("city", "PENDING");
    DataControl::KeyedRead kids{"Children", {"child1", "child2"}, {}};
    EXPECT_EQ(data.row_by_key(kids, "smith, john"), (QVector<QVariant>{"KIM", QVariant()}));
    EXPECT_TRUE(data.row_by_key(kids, "JONES, MARY").isEmpty());
    DataControl::KeyedRead unknown{"Children", {"child7"}, {}};
    EXPECT_EQ(error_of([&] { data.row_by_key(unknown, "SMITH, JOHN"); }),
              platform::kErrItemNotFound);
    EXPECT_EQ(data.edit_mode(), DataControl::EditMode::Edit);
    data.update();
    data.seek("=", "JONES, MARY");
    EXPECT_EQ(data.field("city").toString(), "PENDING");
    EXPECT_EQ(data.record_source(), "OVRAData");
}

// A statement over many rows takes its values bound (a quote in one is text, never SQL), says
// how many rows it changed and leaves the current row showing the change.
TEST_F(CursorTest, AStatementOverManyRowsBindsItsValuesAndRereadsTheCurrentRow) {
    add("SMITH, JOHN", "ONE");
    add("JONES, MARY", "ONE");
    add("O'BRIEN, ANN", "TWO");
    data.set_index("keyname");
    data.seek("=", "JONES, MARY");
    const QString odd = "X'; DROP TABLE OVRAData; --";
    EXPECT_EQ(data.execute("UPDATE OVRAData SET city = ?1 WHERE city = ?2", {odd, "ONE"}), 2);
    EXPECT_EQ(data.field("city").toString(), odd);
    EXPECT_EQ(data.count_equal({"city"}, odd), QVector<int>{2});
    EXPECT_EQ(data.execute("DELETE FROM OVRAData WHERE keyname = ?1", {"jones, mary"}), 1);
    EXPECT_FALSE(data.has_current());
    EXPECT_EQ(stored_rows(), 2);
    EXPECT_EQ(error_of([&] { data.execute("UPDATE Nowhere SET city = 1"); }),
              platform::kErrDatabaseEngine);
}

// A missing or damaged database fails cleanly and nothing creates one; the compaction copies
// every row and refuses an existing destination.
TEST_F(CursorTest, MissingOrDamagedDatabasesFailCleanlyAndCompactionCopiesEveryRow) {
    add("SMITH, JOHN");
    add("JONES, MARY");
    data.close_database();
    const QString copy = dir.filePath("DB2.mdb");
    DataControl::compact_database(db_path, copy);
    EXPECT_EQ(stored_rows(copy), 2);
    EXPECT_EQ(error_of([&] { DataControl::compact_database(db_path, copy); }),
              platform::kErrDatabaseExists);
    EXPECT_EQ(error_of([&] {
                  DataControl::compact_database(dir.filePath("none.mdb"), dir.filePath("x.mdb"));
              }),
              platform::kErrCantFindFile);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.mdb")));

    data.set_database_name(dir.filePath("none.mdb"));
    EXPECT_EQ(error_of([&] { data.refresh(); }), platform::kErrCantFindFile);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.mdb")));
    EXPECT_EQ(error_of([&] { data.record_count(); }), platform::kErrObjectNotSet);
    EXPECT_EQ(error_of([&] { data.move_last(); }), platform::kErrObjectNotSet);
    QFile junk(dir.filePath("junk.mdb"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    data.set_database_name(junk.fileName());
    EXPECT_EQ(error_of([&] { data.refresh(); }), platform::kErrUnrecognizedFormat);
    EXPECT_FALSE(data.is_open());
}

}  // namespace
