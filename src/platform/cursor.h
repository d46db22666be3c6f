#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// One row as the database returned it, in one buffer: a value becomes a QVariant only when it
// is asked for, so walking a wide table costs little more than the fields actually read.
class StoredRow {
public:
    void clear();
    // Columns first.. of the statement's current result row.
    void read(sqlite3_stmt* stmt, int first);
    void assign(const QVector<QVariant>& values);
    QVariant value(qsizetype i) const;
    QVector<QVariant> values() const;

private:
    struct Cell {
        int type = 0;  // SQLITE_NULL, SQLITE_INTEGER, SQLITE_FLOAT or text
        qint64 integer = 0;
        double real = 0;
        qsizetype offset = 0;
        qsizetype bytes = 0;
    };
    QVector<Cell> cells_;
    QByteArray text_;
};

// The data cursor: one SQLite connection that behaves like a writable table-type recordset.
// One table at a time is open; its current row is shared by everyone who uses the cursor.
// Every failure is a VbError; with no open database every operation fails with error 91.
class DataControl {
public:
    enum class EditMode { None, Edit, AddNew };

    DataControl();
    ~DataControl();
    DataControl(const DataControl&) = delete;
    DataControl& operator=(const DataControl&) = delete;

    void set_database_name(const QString& path) { database_name_ = path; }
    const QString& database_name() const { return database_name_; }
    void set_record_source(const QString& table) { record_source_ = table; }
    const QString& record_source() const { return record_source_; }

    // Opens the database when needed (never creates one) and the record source's table,
    // positioned on its first row, with no index and no edit buffer. The first row is read
    // when something asks for it, so a switch that is followed by a seek reads one row.
    void refresh();
    void close_database();
    bool is_open() const { return db_ != nullptr; }
    // True when the database could be opened only for reading (permissions, a read-only
    // medium): SQLite then falls back to reading without a word, and the first write fails.
    bool read_only() const;

    // Current index: "" (insertion order) or "keyname".
    void set_index(const QString& index);
    const QString& index() const { return index_; }
    // Equality seek on the current index. No match leaves no current row.
    void seek(const QString& comparison, const QVariant& key);
    bool no_match() const { return no_match_; }

    void move_first();
    void move_last();
    void move_next();
    bool eof() const {
        settle();
        return eof_;
    }
    bool bof() const {
        settle();
        return bof_;
    }
    bool has_current() const {
        settle();
        return current_.has_value();
    }
    int record_count();
    // For each column, the number of rows of the current table holding exactly value there.
    QVector<int> count_equal(const QStringList& columns, const QVariant& value);

    // Runs one statement over the tables at once, its values bound to ?1, ?2 ... (never pasted
    // into the text), and returns the number of rows it changed. The open table, index and edit
    // buffer stay; the current row is read again, so it shows what the statement left.
    int execute(const QString& sql, const QVector<QVariant>& values = {});

    // Fields a walk with move_next reads in its batches (until the table is switched or this is
    // called with none); others are still readable, one query per row. Only for speed.
    void set_walk_fields(const QStringList& names);

    // The current row's field (or the edit buffer's while editing); Null when never written.
    QVariant field(const QString& name) const;
    void set_field(const QString& name, const QVariant& value);

    void add_new();
    void edit();
    // Writes the edit buffer in one statement. A duplicate key raises error 3022 and leaves
    // the buffer pending.
    void update();
    void cancel_update();
    EditMode edit_mode() const { return mode_; }
    void delete_row();

    // A transaction begun inside another is a savepoint: its rollback undoes only its own rows.
    void begin_trans();
    void commit_trans();
    void rollback();
    // False also when the database ended the transaction by itself after a failure.
    bool in_transaction() const;
    // A transaction for a long read: its statements share one lock instead of taking and
    // dropping the file's lock one by one. Ended by commit_trans (or rollback).
    void begin_read();

    // Some fields of another table's rows, read by key (see row_by_key); the statement's text
    // is made on first use and kept here.
    struct KeyedRead {
        QString table;
        QStringList fields;
        QString sql;
    };
    // The fields of the first row of read.table whose keyname equals key (as a seek finds it),
    // or none when there is no such row. The open table, its row, index and edit buffer stay
    // as they are.
    QVector<QVariant> row_by_key(KeyedRead& read, const QString& key);

    // Writes a compacted copy of the closed database `source` into the new file `destination`.
    static void compact_database(const QString& source, const QString& destination);

private:
    void require_open() const;
    void require_table() const;
    int column(const QString& name) const;
    struct TableInfo;
    // What is known of a table, learnt on first use.
    TableInfo table_info(const QString& source);
    sqlite3_stmt* prepare(const QString& sql);
    void finalize_all();
    void raise_sqlite(int code, const QString& what) const;
    void exec(const char* sql);
    void begin(const char* outer);
    // Runs a row query: position on its first result or clear the current row.
    bool position(sqlite3_stmt* stmt);
    // Takes the row a step gave (rc), or clears the current row at the end.
    bool load_row(sqlite3_stmt* stmt, int rc);
    void clear_current();
    // Reads the current row again by its row id (none when it is gone).
    void reread_current();
    // Reads the first row a refresh left pending.
    void settle() const;
    void forget_ahead();
    void forget_walk_fields();
    void take_ahead();
    QVariant current_value(int column) const;
    void drop_buffer() {
        mode_ = EditMode::None;
        buffer_.clear();
    }
    QString order_by() const;
    QString quoted_table() const;

    QString database_name_;
    QString opened_name_;
    QString record_source_ = QStringLiteral("OVRAData");
    sqlite3* db_ = nullptr;
    QHash<QString, sqlite3_stmt*> statements_;

    // What refresh learns of a table, kept for the connection's life.
    struct TableInfo {
        QString name;
        QStringList columns;
        QHash<QString, int> column_index;  // by the name as stored and in lower case
        QString insert_sql, update_sql, first_sql, seek_sql;
    };
    QHash<QString, TableInfo> tables_;  // by lower-case record source

    QString table_;
    QStringList columns_;
    QHash<QString, int> column_index_;
    QString insert_sql_, update_sql_, first_sql_, seek_sql_;
    int key_column_ = -1;
    mutable int next_column_ = 0;
    QString index_;
    bool no_match_ = false;
    bool bof_ = true;
    bool eof_ = true;
    // A refresh has not yet read its first row.
    bool first_pending_ = false;
    std::optional<qint64> current_;
    // Where relative moves continue from, also after the current row was deleted.
    qint64 position_rowid_ = 0;
    QVariant position_key_;
    StoredRow row_;
    // For a row read by a narrowed walk: each column's cell in row_, -1 when not read; empty
    // when row_ holds the whole row.
    QVector<int> row_cells_;
    QVector<int> walk_columns_;
    QVector<int> ahead_cells_;
    EditMode mode_ = EditMode::None;
    QVector<QVariant> buffer_;
    int transaction_depth_ = 0;
    // Rows after the current one, read in one query by a walk; forgotten by any other step.
    struct AheadRow {
        qint64 rowid = 0;
        StoredRow values;
    };
    static constexpr int kReadAhead = 256;
    QVector<AheadRow> ahead_;
    qsizetype ahead_count_ = 0;
    qsizetype ahead_next_ = 0;
    // The select list of a walk narrowed by set_walk_fields; "*" otherwise.
    QString walk_select_ = QStringLiteral("*");
};

// Begins a transaction on the cursor and rolls it back unless committed.
class Transaction {
public:
    explicit Transaction(DataControl& data);
    ~Transaction();
    void commit();

private:
    DataControl& data_;
    bool done_ = false;
};

// Reads many rows under one read transaction, ended when it goes out of scope. Nothing
// when the database is not open.
class ReadTransaction {
public:
    explicit ReadTransaction(DataControl& data);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    DataControl& data_;
    bool open_ = false;
};

}  // namespace platform
