#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "common/schema.h"
#include "platform/cursor.h"

namespace {

int rows(const QString& db) {
    platform::DataControl other;
    other.set_database_name(db);
    other.refresh();
    return other.record_count();
}

class Savepoints : public ::testing::Test {
protected:
    void SetUp() override {
        common::schema::create_database(db);
        data.set_database_name(db);
        data.refresh();
    }
    void add(const QString& key) {
        data.add_new();
        data.set_field("keyname", key);
        data.update();
    }
    QTemporaryDir dir;
    const QString db = dir.filePath("ovra.mdb");
    platform::DataControl data;
};

// A transaction inside another keeps or drops only its own rows; the outer one decides for all.
TEST_F(Savepoints, AnInnerRollbackKeepsTheOuterRowsAndTheOuterRollbackDropsAll) {
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
        EXPECT_EQ(data.record_count(), 1);
        EXPECT_EQ(rows(db), 0);  // nothing is on disk before the outer commit
        run.commit();
    }
    EXPECT_FALSE(data.in_transaction());
    EXPECT_EQ(rows(db), 1);
    {
        platform::Transaction run(data);
        platform::Transaction inner(data);
        add("C, THREE");
        inner.commit();
    }
    EXPECT_EQ(rows(db), 1);
}

// A long read holds one transaction; what a change inside it commits stays, what it drops goes.
TEST_F(Savepoints, AReadTransactionKeepsWhatTheChangesInsideItCommit) {
    {
        const platform::ReadTransaction reading(data);
        EXPECT_TRUE(data.in_transaction());
        {
            platform::Transaction one(data);
            add("A, ONE");
            one.commit();
        }
        {
            platform::Transaction two(data);
            add("B, TWO");
        }
    }
    EXPECT_FALSE(data.in_transaction());
    EXPECT_EQ(rows(db), 1);

    platform::DataControl closed;
    { const platform::ReadTransaction nothing(closed); }
    EXPECT_FALSE(closed.in_transaction());
}

}  // namespace
