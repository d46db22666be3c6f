#include "cursor.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

#include "errors.h"

namespace platform {

namespace {

QString quote_ident(const QString& name) {
    QString q = name;
    q.replace('"', "\"\"");
    return '"' + q + '"';
}

void bind(sqlite3_stmt* stmt, int i, const QVariant& v) {
    if (v.isNull() || !v.isValid()) {
        sqlite3_bind_null(stmt, i);
        return;
    }
    switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Bool: sqlite3_bind_int64(stmt, i, v.toLongLong()); break;
        case QMetaType::Double:
        case QMetaType::Float: sqlite3_bind_double(stmt, i, v.toDouble()); break;
        default: {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(stmt, i, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
}

QVariant column_value(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_NULL: return {};
        case SQLITE_INTEGER: return QVariant::fromValue<qlonglong>(sqlite3_column_int64(stmt, i));
        case SQLITE_FLOAT: return sqlite3_column_double(stmt, i);
        default:
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                     sqlite3_column_bytes(stmt, i));
    }
}

// Resets a cached statement when the step that used it is over.
struct Reset {
    sqlite3_stmt* stmt;
    ~Reset() {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};

const char* kNoCurrent = "No current record.";

}  // namespace

DataControl::DataControl() = default;

DataControl::~DataControl() { close_database(); }

void DataControl::require_open() const {
    if (!db_) throw VbError(kErrObjectNotSet, QStringLiteral("The database is not open."));
}

void DataControl::require_table() const {
    require_open();
    if (table_.isEmpty()) throw VbError(kErrObjectNotSet, QStringLiteral("No table is open."));
}

void DataControl::raise_sqlite(int code, const QString& what) const {
    const int extended = db_ ? sqlite3_extended_errcode(db_) : code;
    if (extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY) {
        throw VbError(kErrDuplicateKey,
                      QStringLiteral("The changes you requested to the table were not successful "
                                     "because they would create duplicate values in the index."));
    }
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT) {
        throw VbError(kErrUnrecognizedFormat,
                      QStringLiteral("Unrecognized database format '%1'.").arg(database_name_));
    }
    const QString message = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString();
    throw VbError(kErrDatabaseEngine, QStringLiteral("%1: %2").arg(what, message));
}

sqlite3_stmt* DataControl::prepare(const QString& sql) {
    require_open();
    end_walk();
    if (auto it = statements_.constFind(sql); it != statements_.constEnd()) return it.value();
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(db_, utf8.constData(), int(utf8.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) raise_sqlite(rc, QStringLiteral("Cannot read the database"));
    statements_.insert(sql, stmt);
    return stmt;
}

void DataControl::finalize_all() {
    end_walk();
    for (sqlite3_stmt* s : std::as_const(statements_)) sqlite3_finalize(s);
    statements_.clear();
}

void DataControl::exec(const char* sql) {
    require_open();
    end_walk();
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc != SQLITE_OK) raise_sqlite(rc, QString::fromLatin1(sql));
}

void DataControl::close_database() {
    if (!db_) return;
    if (transaction_depth_ > 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    transaction_depth_ = 0;
    finalize_all();
    sqlite3_close_v2(db_);
    db_ = nullptr;
    opened_name_.clear();
    tables_.clear();
    table_.clear();
    columns_.clear();
    column_index_.clear();
    index_.clear();
    drop_buffer();
    clear_current();
    position_rowid_ = 0;
    position_key_ = QVariant();
    bof_ = eof_ = true;
    no_match_ = false;
}

void DataControl::refresh() {
    if (!db_ || opened_name_ != database_name_) {
        close_database();
        if (!QFileInfo(database_name_).isFile())
            throw VbError(kErrCantFindFile,
                          QStringLiteral("Could not find file '%1'.").arg(database_name_));
        sqlite3* db = nullptr;
        const QByteArray path = QFile::encodeName(database_name_);
        const int rc = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_close_v2(db);
            throw VbError(kErrCantFindFile,
                          QStringLiteral("Cannot open '%1'.").arg(database_name_));
        }
        db_ = db;
        sqlite3_busy_timeout(db_, 2000);
        try {
            exec("PRAGMA synchronous=FULL");
            exec("SELECT count(*) FROM sqlite_master");
        } catch (const VbError&) {
            close_database();
            throw VbError(kErrUnrecognizedFormat,
                          QStringLiteral("Unrecognized database format '%1'.").arg(database_name_));
        }
        opened_name_ = database_name_;
    }

    // A new recordset: forget the row, the index and any edit in progress.
    drop_buffer();
    clear_current();
    index_.clear();
    no_match_ = false;
    table_.clear();
    columns_.clear();
    column_index_.clear();

    const QString source = record_source_.toLower();
    auto known = tables_.constFind(source);
    if (known == tables_.constEnd()) {
        TableInfo info;
        sqlite3_stmt* find = prepare(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type='table' AND name = ?1 COLLATE NOCASE"));
        {
            Reset r{find};
            bind(find, 1, record_source_);
            if (sqlite3_step(find) != SQLITE_ROW)
                throw VbError(kErrTableNotFound,
                              QStringLiteral("The database engine cannot find the input table '%1'.")
                                  .arg(record_source_));
            info.name = column_value(find, 0).toString();
        }
        sqlite3_stmt* columns = prepare(QStringLiteral("SELECT name FROM pragma_table_info(?1)"));
        {
            Reset r{columns};
            bind(columns, 1, info.name);
            while (sqlite3_step(columns) == SQLITE_ROW) {
                const QString name = column_value(columns, 0).toString();
                info.column_index.insert(name, int(info.columns.size()));
                info.column_index.insert(name.toLower(), int(info.columns.size()));
                info.columns.append(name);
            }
        }
        QStringList names, marks, sets;
        for (int i = 0; i < info.columns.size(); ++i) {
            names << quote_ident(info.columns[i]);
            marks << QStringLiteral("?%1").arg(i + 1);
            sets << QStringLiteral("%1=?%2").arg(names.last()).arg(i + 1);
        }
        const QString table = quote_ident(info.name);
        info.insert_sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(','), marks.join(','));
        info.update_sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?%3")
                              .arg(table, sets.join(','))
                              .arg(info.columns.size() + 1);
        info.first_sql = QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid LIMIT 1").arg(table);
        info.seek_sql =
            QStringLiteral("SELECT rowid, * FROM %1 WHERE keyname = ?1 COLLATE NOCASE ORDER BY rowid LIMIT 1")
                .arg(table);
        info.walk_sql = QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid > ?1 ORDER BY rowid").arg(table);
        known = tables_.insert(source, info);
    }
    table_ = known->name;
    columns_ = known->columns;
    column_index_ = known->column_index;
    insert_sql_ = known->insert_sql;
    update_sql_ = known->update_sql;
    first_sql_ = known->first_sql;
    seek_sql_ = known->seek_sql;
    walk_sql_ = known->walk_sql;
    key_column_ = column_index_.value(QStringLiteral("keyname"), -1);
    sqlite3_stmt* first = prepare(first_sql_);
    const bool any = position(first);
    bof_ = eof_ = !any;
}

QString DataControl::quoted_table() const { return quote_ident(table_); }

QString DataControl::order_by() const {
    return index_.isEmpty() ? QStringLiteral("rowid")
                            : QStringLiteral("keyname COLLATE NOCASE, rowid");
}

void DataControl::clear_current() {
    current_.reset();
    row_.clear();
}

bool DataControl::position(sqlite3_stmt* stmt) {
    Reset r{stmt};
    return load_row(stmt, sqlite3_step(stmt));
}

void DataControl::end_walk() {
    if (!walk_) return;
    sqlite3_reset(walk_);
    sqlite3_clear_bindings(walk_);
    walk_ = nullptr;
}

bool DataControl::load_row(sqlite3_stmt* stmt, int rc) {
    if (rc == SQLITE_ROW) {
        current_ = sqlite3_column_int64(stmt, 0);
        const int n = sqlite3_column_count(stmt);
        row_.resize(n - 1);
        for (int i = 1; i < n; ++i) row_[i - 1] = column_value(stmt, i);
        position_rowid_ = *current_;
        position_key_ = key_column_ >= 0 ? row_[key_column_] : QVariant();
        return true;
    }
    if (rc != SQLITE_DONE) raise_sqlite(rc, QStringLiteral("Cannot read the table"));
    clear_current();
    return false;
}

void DataControl::set_index(const QString& index) {
    require_table();
    if (index.isEmpty()) {
        index_.clear();
        return;
    }
    if (index.compare(QLatin1String("keyname"), Qt::CaseInsensitive) != 0 ||
        !column_index_.contains(QStringLiteral("keyname")))
        throw VbError(3800, QStringLiteral("'%1' isn't an index in this table.").arg(index));
    index_ = QStringLiteral("keyname");
}

void DataControl::seek(const QString& comparison, const QVariant& key) {
    require_table();
    if (index_.isEmpty())
        throw VbError(kErrNoCurrentIndex, QStringLiteral("Operation invalid without a current index."));
    if (comparison != QLatin1String("="))
        throw VbError(3251, QStringLiteral("Operation is not supported for this type of object."));
    drop_buffer();
    sqlite3_stmt* stmt = prepare(seek_sql_);
    bind(stmt, 1, key);
    no_match_ = !position(stmt);
    bof_ = eof_ = false;
}

void DataControl::move_first() {
    require_table();
    drop_buffer();
    no_match_ = false;
    sqlite3_stmt* stmt = prepare(QStringLiteral("SELECT rowid, * FROM %1 ORDER BY %2 LIMIT 1")
                                     .arg(quoted_table(), order_by()));
    const bool any = position(stmt);
    bof_ = eof_ = !any;
    if (!any) throw VbError(kErrNoCurrentRecord, kNoCurrent);
}

void DataControl::move_last() {
    require_table();
    drop_buffer();
    no_match_ = false;
    const QString order = index_.isEmpty() ? QStringLiteral("rowid DESC")
                                           : QStringLiteral("keyname COLLATE NOCASE DESC, rowid DESC");
    sqlite3_stmt* stmt = prepare(
        QStringLiteral("SELECT rowid, * FROM %1 ORDER BY %2 LIMIT 1").arg(quoted_table(), order));
    const bool any = position(stmt);
    bof_ = eof_ = !any;
    if (!any) throw VbError(kErrNoCurrentRecord, kNoCurrent);
}

void DataControl::move_next() {
    require_table();
    if (eof_ || (!current_ && no_match_)) throw VbError(kErrNoCurrentRecord, kNoCurrent);
    drop_buffer();
    bof_ = false;
    if (index_.isEmpty()) {
        // A walk in stored order steps one statement from row to row until anything else
        // uses the connection.
        if (!walk_) {
            walk_ = prepare(walk_sql_);
            bind(walk_, 1, position_rowid_);
        }
        bool any = false;
        try {
            any = load_row(walk_, sqlite3_step(walk_));
        } catch (...) {
            end_walk();
            throw;
        }
        if (!any) end_walk();
        eof_ = !any;
        return;
    }
    sqlite3_stmt* stmt;
    {
        stmt = prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE keyname > ?1 COLLATE NOCASE OR "
                                      "(keyname = ?1 COLLATE NOCASE AND rowid > ?2) ORDER BY %2 LIMIT 1")
                           .arg(quoted_table(), order_by()));
        bind(stmt, 1, position_key_);
        bind(stmt, 2, position_rowid_);
    }
    bof_ = false;
    eof_ = !position(stmt);
}

int DataControl::record_count() {
    require_table();
    sqlite3_stmt* stmt = prepare(QStringLiteral("SELECT count(*) FROM %1").arg(quoted_table()));
    Reset r{stmt};
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) raise_sqlite(rc, QStringLiteral("Cannot count the rows"));
    return int(sqlite3_column_int64(stmt, 0));
}

int DataControl::column(const QString& name) const {
    require_table();
    // Writers and readers name the fields in the table's order: try the one after the last.
    if (next_column_ < columns_.size() && columns_[next_column_] == name) return next_column_++;
    int i = column_index_.value(name, -1);
    if (i < 0) i = column_index_.value(name.toLower(), -1);
    if (i >= 0) next_column_ = i + 1;
    if (i < 0) throw VbError(kErrItemNotFound, QStringLiteral("Item not found in this collection: %1").arg(name));
    return i;
}

QVariant DataControl::field(const QString& name) const {
    const int i = column(name);
    if (mode_ != EditMode::None) return buffer_[i];
    if (!current_) throw VbError(kErrNoCurrentRecord, kNoCurrent);
    return row_[i];
}

void DataControl::set_field(const QString& name, const QVariant& value) {
    const int i = column(name);
    if (mode_ == EditMode::None)
        throw VbError(kErrUpdateWithoutEdit, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    buffer_[i] = value;
}

void DataControl::add_new() {
    require_table();
    buffer_ = QVector<QVariant>(columns_.size());
    mode_ = EditMode::AddNew;
}

void DataControl::edit() {
    require_table();
    if (!current_) throw VbError(kErrNoCurrentRecord, kNoCurrent);
    buffer_ = row_;
    mode_ = EditMode::Edit;
}

void DataControl::cancel_update() {
    require_table();
    drop_buffer();
}

void DataControl::update() {
    require_table();
    if (mode_ == EditMode::None)
        throw VbError(kErrUpdateWithoutEdit, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    sqlite3_stmt* stmt;
    if (mode_ == EditMode::AddNew) {
        stmt = prepare(insert_sql_);
    } else {
        stmt = prepare(update_sql_);
        bind(stmt, int(columns_.size()) + 1, *current_);
    }
    Reset r{stmt};
    for (int i = 0; i < buffer_.size(); ++i) bind(stmt, i + 1, buffer_[i]);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) raise_sqlite(rc, QStringLiteral("Cannot write the row"));
    if (mode_ == EditMode::Edit) {
        if (sqlite3_changes(db_) == 0) throw VbError(kErrNoCurrentRecord, kNoCurrent);
        row_ = buffer_;
        if (key_column_ >= 0) position_key_ = row_[key_column_];
    }
    // A new row does not become current, as with the original engine.
    drop_buffer();
}

void DataControl::delete_row() {
    require_table();
    drop_buffer();
    if (!current_) throw VbError(kErrNoCurrentRecord, kNoCurrent);
    sqlite3_stmt* stmt = prepare(QStringLiteral("DELETE FROM %1 WHERE rowid=?1").arg(quoted_table()));
    Reset r{stmt};
    bind(stmt, 1, *current_);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) raise_sqlite(rc, QStringLiteral("Cannot delete the row"));
    clear_current();
}

void DataControl::begin_trans() {
    require_open();
    // The database may have ended an outer transaction on its own after a failed write.
    if (transaction_depth_ > 0 && sqlite3_get_autocommit(db_)) transaction_depth_ = 0;
    exec(transaction_depth_ == 0 ? "BEGIN IMMEDIATE" : "SAVEPOINT nested");
    ++transaction_depth_;
}

void DataControl::commit_trans() {
    if (transaction_depth_ == 0) throw VbError(3034, QStringLiteral("No transaction is open."));
    exec(transaction_depth_ == 1 ? "COMMIT" : "RELEASE nested");
    --transaction_depth_;
}

bool DataControl::in_transaction() const {
    return db_ && transaction_depth_ > 0 && !sqlite3_get_autocommit(db_);
}

void DataControl::rollback() {
    if (transaction_depth_ == 0) return;
    const bool outer = transaction_depth_ == 1;
    --transaction_depth_;
    if (!sqlite3_get_autocommit(db_)) {
        if (outer) {
            exec("ROLLBACK");
        } else {
            exec("ROLLBACK TO nested");
            exec("RELEASE nested");
        }
    } else {
        transaction_depth_ = 0;
    }
    drop_buffer();
    // The cached row may hold what was just undone.
    if (current_ && !table_.isEmpty()) {
        sqlite3_stmt* stmt =
            prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid=?1").arg(quoted_table()));
        bind(stmt, 1, *current_);
        position(stmt);
    }
}

void DataControl::compact_database(const QString& source, const QString& destination) {
    if (QFileInfo::exists(destination))
        throw VbError(kErrDatabaseExists, QStringLiteral("Database '%1' already exists.").arg(destination));
    if (!QFileInfo(source).isFile())
        throw VbError(kErrCantFindFile, QStringLiteral("Could not find file '%1'.").arg(source));
    sqlite3* db = nullptr;
    const QByteArray src = QFile::encodeName(source);
    int rc = sqlite3_open_v2(src.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QString error;
    if (rc == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        rc = sqlite3_prepare_v2(db, "VACUUM INTO ?1", -1, &stmt, nullptr);
        if (rc == SQLITE_OK) {
            const QByteArray dst = QFile::encodeName(destination);
            sqlite3_bind_text(stmt, 1, dst.constData(), int(dst.size()), SQLITE_TRANSIENT);
            rc = sqlite3_step(stmt);
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
        }
        if (rc != SQLITE_OK) error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(stmt);
    }
    sqlite3_close_v2(db);
    if (rc == SQLITE_OK) return;
    QFile::remove(destination);
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT)
        throw VbError(kErrUnrecognizedFormat, QStringLiteral("Unrecognized database format '%1'.").arg(source));
    throw VbError(kErrDatabaseEngine, QStringLiteral("Cannot compact '%1': %2").arg(source, error));
}

Transaction::Transaction(DataControl& data) : data_(data) { data_.begin_trans(); }

Transaction::~Transaction() {
    if (!done_) {
        try {
            data_.rollback();
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    data_.commit_trans();
    done_ = true;
}

}  // namespace platform
