#include "cursor.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

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
        case QMetaType::Bool:
            sqlite3_bind_int64(stmt, i, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            sqlite3_bind_double(stmt, i, v.toDouble());
            break;
        default: {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(stmt, i, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
}

QVariant column_value(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return QVariant::fromValue<qlonglong>(sqlite3_column_int64(stmt, i));
        case SQLITE_FLOAT:
            return sqlite3_column_double(stmt, i);
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

// Keeps the buffers: a walk reuses them row after row.
void StoredRow::clear() {
    cells_.resize(0);
    text_.resize(0);
}

void StoredRow::read(sqlite3_stmt* stmt, int first) {
    clear();
    const int n = sqlite3_column_count(stmt);
    text_.reserve(16 * n);
    cells_.resize(std::max(0, n - first));
    for (int i = first; i < n; ++i) {
        Cell& c = cells_[i - first];
        c.type = sqlite3_column_type(stmt, i);
        if (c.type == SQLITE_INTEGER) {
            c.integer = sqlite3_column_int64(stmt, i);
        } else if (c.type == SQLITE_FLOAT) {
            c.real = sqlite3_column_double(stmt, i);
        } else if (c.type != SQLITE_NULL) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            c.bytes = sqlite3_column_bytes(stmt, i);
            c.offset = text_.size();
            text_.append(text, c.bytes);
        }
    }
}

void StoredRow::assign(const QVector<QVariant>& values) {
    clear();
    cells_.resize(values.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QVariant& v = values[i];
        Cell& c = cells_[i];
        if (v.isNull() || !v.isValid()) {
            c.type = SQLITE_NULL;
            continue;
        }
        switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Bool:
                c.type = SQLITE_INTEGER;
                c.integer = v.toLongLong();
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                c.type = SQLITE_FLOAT;
                c.real = v.toDouble();
                break;
            default: {
                const QByteArray utf8 = v.toString().toUtf8();
                c.type = SQLITE_TEXT;
                c.offset = text_.size();
                c.bytes = utf8.size();
                text_ += utf8;
            }
        }
    }
}

QVariant StoredRow::value(qsizetype i) const {
    const Cell& c = cells_[i];
    switch (c.type) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return QVariant::fromValue<qlonglong>(c.integer);
        case SQLITE_FLOAT:
            return c.real;
        default:
            return QString::fromUtf8(text_.constData() + c.offset, c.bytes);
    }
}

QVector<QVariant> StoredRow::values() const {
    QVector<QVariant> out;
    out.reserve(cells_.size());
    for (qsizetype i = 0; i < cells_.size(); ++i) out << value(i);
    return out;
}

DataControl::DataControl() = default;

DataControl::~DataControl() {
    close_database();
}

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
    for (sqlite3_stmt* s : std::as_const(statements_)) sqlite3_finalize(s);
    statements_.clear();
}

void DataControl::exec(const char* sql) {
    require_open();
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
    key_column_ = -1;
    forget_walk_fields();
    index_.clear();
    drop_buffer();
    clear_current();
    position_rowid_ = 0;
    position_key_ = QVariant();
    bof_ = eof_ = true;
    no_match_ = false;
}

bool DataControl::read_only() const {
    return db_ && sqlite3_db_readonly(db_, "main") == 1;
}

void DataControl::refresh() {
    if (!db_ || opened_name_ != database_name_) {
        close_database();
        if (!QFileInfo(database_name_).isFile())
            throw VbError(kErrCantFindFile,
                          QStringLiteral("Could not find file '%1'.").arg(database_name_));
        sqlite3* db = nullptr;
        const QByteArray path = QFile::encodeName(database_name_);
        // One thread uses the connection: no lock around every call.
        const int rc = sqlite3_open_v2(path.constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_close_v2(db);
            throw VbError(kErrCantFindFile,
                          QStringLiteral("Cannot open '%1'.").arg(database_name_));
        }
        db_ = db;
        sqlite3_busy_timeout(db_, 2000);
        try {
            exec("PRAGMA synchronous=FULL");
            // Walks of a large address book read its pages once, not once per walk.
            exec("PRAGMA cache_size=-32768");
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
    key_column_ = -1;
    forget_walk_fields();

    const TableInfo known = table_info(record_source_);
    table_ = known.name;
    columns_ = known.columns;
    column_index_ = known.column_index;
    insert_sql_ = known.insert_sql;
    update_sql_ = known.update_sql;
    first_sql_ = known.first_sql;
    seek_sql_ = known.seek_sql;
    key_column_ = column_index_.value(QStringLiteral("keyname"), -1);
    next_column_ = 0;
    first_pending_ = true;
}

DataControl::TableInfo DataControl::table_info(const QString& source) {
    const QString key = source.toLower();
    auto known = tables_.constFind(key);
    if (known != tables_.constEnd()) return known.value();
    TableInfo info;
    sqlite3_stmt* find = prepare(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type='table' AND name = ?1 COLLATE NOCASE"));
    {
        Reset r{find};
        bind(find, 1, source);
        if (sqlite3_step(find) != SQLITE_ROW)
            throw VbError(kErrTableNotFound,
                          QStringLiteral("The database engine cannot find the input table '%1'.")
                              .arg(source));
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
    info.insert_sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(table, names.join(','), marks.join(','));
    info.update_sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?%3")
                          .arg(table, sets.join(','))
                          .arg(info.columns.size() + 1);
    info.first_sql = QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid LIMIT 1").arg(table);
    info.seek_sql =
        QStringLiteral(
            "SELECT rowid, * FROM %1 WHERE keyname = ?1 COLLATE NOCASE ORDER BY rowid LIMIT 1")
            .arg(table);
    tables_.insert(key, info);
    return info;
}

QVector<QVariant> DataControl::row_by_key(KeyedRead& read, const QString& key) {
    require_open();
    if (read.sql.isEmpty()) {
        const TableInfo info = table_info(read.table);
        if (!info.column_index.contains(QStringLiteral("keyname")))
            throw VbError(3800, QStringLiteral("'keyname' isn't an index in this table."));
        QStringList names;
        for (const QString& f : std::as_const(read.fields)) {
            const int i = info.column_index.value(f, info.column_index.value(f.toLower(), -1));
            if (i < 0)
                throw VbError(kErrItemNotFound,
                              QStringLiteral("Item not found in this collection: %1").arg(f));
            names << quote_ident(info.columns[i]);
        }
        read.sql = QStringLiteral(
                       "SELECT %2 FROM %1 WHERE keyname = ?1 COLLATE NOCASE ORDER BY rowid LIMIT 1")
                       .arg(quote_ident(info.name), names.join(','));
    }
    sqlite3_stmt* stmt = prepare(read.sql);
    Reset r{stmt};
    bind(stmt, 1, key);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) return {};
    if (rc != SQLITE_ROW) raise_sqlite(rc, QStringLiteral("Cannot read the table"));
    QVector<QVariant> values;
    values.reserve(read.fields.size());
    for (int i = 0; i < read.fields.size(); ++i) values << column_value(stmt, i);
    return values;
}

void DataControl::settle() const {
    if (!first_pending_) return;
    auto* self = const_cast<DataControl*>(this);
    self->first_pending_ = false;
    const bool any = self->position(self->prepare(first_sql_));
    self->bof_ = self->eof_ = !any;
}

QString DataControl::quoted_table() const {
    return quote_ident(table_);
}

QString DataControl::order_by() const {
    return index_.isEmpty() ? QStringLiteral("rowid")
                            : QStringLiteral("keyname COLLATE NOCASE, rowid");
}

void DataControl::clear_current() {
    first_pending_ = false;
    current_.reset();
    row_.clear();
    row_cells_.clear();
    forget_ahead();
}

void DataControl::forget_ahead() {
    ahead_count_ = 0;
    ahead_next_ = 0;
}

void DataControl::take_ahead() {
    AheadRow& next = ahead_[ahead_next_++];
    current_ = next.rowid;
    // Swapped, not copied: the slot keeps the old row's buffers for the next batch.
    std::swap(row_, next.values);
    row_cells_ = ahead_cells_;
    position_rowid_ = next.rowid;
    position_key_ = key_column_ >= 0
                        ? row_.value(row_cells_.isEmpty() ? key_column_ : row_cells_[key_column_])
                        : QVariant();
}

void DataControl::set_walk_fields(const QStringList& names) {
    require_table();
    forget_ahead();
    forget_walk_fields();
    if (names.isEmpty()) return;
    for (const QString& name : names) walk_columns_ << column(name);
    if (key_column_ >= 0 && !walk_columns_.contains(key_column_)) walk_columns_ << key_column_;
    // Each column's cell in a row the walk reads, -1 when the walk leaves it out.
    QStringList selected;
    ahead_cells_.fill(-1, columns_.size());
    for (int c : std::as_const(walk_columns_)) {
        ahead_cells_[c] = int(selected.size());
        selected << quote_ident(columns_[c]);
    }
    walk_select_ = selected.join(',');
}

void DataControl::forget_walk_fields() {
    walk_columns_.clear();
    ahead_cells_.clear();
    walk_select_ = QStringLiteral("*");
}

QVariant DataControl::current_value(int i) const {
    if (row_cells_.isEmpty()) return row_.value(i);
    if (row_cells_[i] >= 0) return row_.value(row_cells_[i]);
    // A field the walk did not read: the whole row is read once, by its row id.
    auto* self = const_cast<DataControl*>(this);
    sqlite3_stmt* stmt =
        self->prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid=?1").arg(quoted_table()));
    Reset r{stmt};
    bind(stmt, 1, *current_);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW)
        raise_sqlite(rc == SQLITE_DONE ? SQLITE_NOTFOUND : rc,
                     QStringLiteral("Cannot read the row"));
    self->row_.read(stmt, 1);
    self->row_cells_.clear();
    return row_.value(i);
}

bool DataControl::position(sqlite3_stmt* stmt) {
    first_pending_ = false;
    forget_ahead();
    Reset r{stmt};
    return load_row(stmt, sqlite3_step(stmt));
}

bool DataControl::load_row(sqlite3_stmt* stmt, int rc) {
    if (rc == SQLITE_ROW) {
        current_ = sqlite3_column_int64(stmt, 0);
        row_.read(stmt, 1);
        row_cells_.clear();
        position_rowid_ = *current_;
        position_key_ = key_column_ >= 0 ? row_.value(key_column_) : QVariant();
        return true;
    }
    if (rc != SQLITE_DONE) raise_sqlite(rc, QStringLiteral("Cannot read the table"));
    clear_current();
    return false;
}

void DataControl::set_index(const QString& index) {
    require_table();
    forget_ahead();
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
        throw VbError(kErrNoCurrentIndex,
                      QStringLiteral("Operation invalid without a current index."));
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
    const QString order = index_.isEmpty()
                              ? QStringLiteral("rowid DESC")
                              : QStringLiteral("keyname COLLATE NOCASE DESC, rowid DESC");
    sqlite3_stmt* stmt = prepare(
        QStringLiteral("SELECT rowid, * FROM %1 ORDER BY %2 LIMIT 1").arg(quoted_table(), order));
    const bool any = position(stmt);
    bof_ = eof_ = !any;
    if (!any) throw VbError(kErrNoCurrentRecord, kNoCurrent);
}

void DataControl::move_next() {
    require_table();
    settle();
    if (eof_ || (!current_ && no_match_)) throw VbError(kErrNoCurrentRecord, kNoCurrent);
    drop_buffer();
    bof_ = false;
    // A walk reads the rows after the current one a batch at a time; anything but the next
    // move forgets them, so no step ever sees a row as it was before a change.
    if (ahead_next_ < ahead_count_) {
        take_ahead();
        return;
    }
    sqlite3_stmt* stmt;
    if (index_.isEmpty()) {
        stmt = prepare(
            QStringLiteral("SELECT rowid, %3 FROM %1 WHERE rowid > ?1 ORDER BY rowid LIMIT %2")
                .arg(quoted_table())
                .arg(kReadAhead)
                .arg(walk_select_));
        bind(stmt, 1, position_rowid_);
    } else {
        stmt = prepare(
            QStringLiteral("SELECT rowid, %4 FROM %1 WHERE keyname > ?1 COLLATE NOCASE OR "
                           "(keyname = ?1 COLLATE NOCASE AND rowid > ?2) ORDER BY %2 LIMIT %3")
                .arg(quoted_table(), order_by())
                .arg(kReadAhead)
                .arg(walk_select_));
        bind(stmt, 1, position_key_);
        bind(stmt, 2, position_rowid_);
    }
    forget_ahead();
    if (ahead_.size() < kReadAhead) ahead_.resize(kReadAhead);
    {
        Reset r{stmt};
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            AheadRow& row = ahead_[ahead_count_++];
            row.rowid = sqlite3_column_int64(stmt, 0);
            row.values.read(stmt, 1);
        }
        if (rc != SQLITE_DONE) {
            forget_ahead();
            raise_sqlite(rc, QStringLiteral("Cannot read the table"));
        }
    }
    if (ahead_count_ == 0) {
        clear_current();
        eof_ = true;
        return;
    }
    eof_ = false;
    take_ahead();
}

int DataControl::record_count() {
    require_table();
    sqlite3_stmt* stmt = prepare(QStringLiteral("SELECT count(*) FROM %1").arg(quoted_table()));
    Reset r{stmt};
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) raise_sqlite(rc, QStringLiteral("Cannot count the rows"));
    return int(sqlite3_column_int64(stmt, 0));
}

QVector<int> DataControl::count_equal(const QStringList& columns, const QVariant& value) {
    require_table();
    QStringList sums;
    for (const QString& c : columns)
        sums << QStringLiteral("coalesce(sum(%1 = ?1), 0)").arg(quote_ident(columns_[column(c)]));
    sqlite3_stmt* stmt =
        prepare(QStringLiteral("SELECT %1 FROM %2").arg(sums.join(','), quoted_table()));
    Reset r{stmt};
    bind(stmt, 1, value);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) raise_sqlite(rc, QStringLiteral("Cannot count the rows"));
    QVector<int> counts;
    for (int i = 0; i < columns.size(); ++i) counts << int(sqlite3_column_int64(stmt, i));
    return counts;
}

int DataControl::execute(const QString& sql, const QVector<QVariant>& values) {
    require_open();
    settle();
    forget_ahead();
    sqlite3_stmt* stmt = prepare(sql);
    int changed = 0;
    {
        Reset r{stmt};
        for (int i = 0; i < values.size(); ++i) bind(stmt, i + 1, values[i]);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE) raise_sqlite(rc, QStringLiteral("Cannot change the rows"));
        changed = sqlite3_changes(db_);
    }
    reread_current();
    return changed;
}

int DataControl::column(const QString& name) const {
    require_table();
    // Writers and readers name the fields in the table's order: try the one after the last.
    if (next_column_ < columns_.size() && columns_[next_column_] == name) return next_column_++;
    // Callers mostly spell the names as stored (lower case): look them up without a copy first.
    int i = column_index_.value(name, -1);
    if (i < 0) i = column_index_.value(name.toLower(), -1);
    if (i < 0)
        throw VbError(kErrItemNotFound,
                      QStringLiteral("Item not found in this collection: %1").arg(name));
    next_column_ = i + 1;
    return i;
}

QVariant DataControl::field(const QString& name) const {
    const int i = column(name);
    if (mode_ != EditMode::None) return buffer_[i];
    settle();
    if (!current_) throw VbError(kErrNoCurrentRecord, kNoCurrent);
    return current_value(i);
}

void DataControl::set_field(const QString& name, const QVariant& value) {
    const int i = column(name);
    if (mode_ == EditMode::None)
        throw VbError(kErrUpdateWithoutEdit,
                      QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    buffer_[i] = value;
}

void DataControl::add_new() {
    require_table();
    buffer_ = QVector<QVariant>(columns_.size());
    mode_ = EditMode::AddNew;
}

void DataControl::edit() {
    require_table();
    settle();
    if (!current_) throw VbError(kErrNoCurrentRecord, kNoCurrent);
    if (!row_cells_.isEmpty()) current_value(0);  // the whole row
    buffer_ = row_.values();
    mode_ = EditMode::Edit;
}

void DataControl::cancel_update() {
    require_table();
    drop_buffer();
}

void DataControl::update() {
    require_table();
    // The first row is the one before the change, as if read at the switch.
    settle();
    forget_ahead();
    if (mode_ == EditMode::None)
        throw VbError(kErrUpdateWithoutEdit,
                      QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
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
        row_.assign(buffer_);
        row_cells_.clear();
        if (key_column_ >= 0) position_key_ = row_.value(key_column_);
    }
    // A new row does not become current, as with the original engine.
    drop_buffer();
}

void DataControl::delete_row() {
    require_table();
    settle();
    drop_buffer();
    if (!current_) throw VbError(kErrNoCurrentRecord, kNoCurrent);
    sqlite3_stmt* stmt =
        prepare(QStringLiteral("DELETE FROM %1 WHERE rowid=?1").arg(quoted_table()));
    Reset r{stmt};
    bind(stmt, 1, *current_);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) raise_sqlite(rc, QStringLiteral("Cannot delete the row"));
    clear_current();
}

void DataControl::begin_trans() {
    begin("BEGIN IMMEDIATE");
}

void DataControl::begin_read() {
    begin("BEGIN DEFERRED");
}

// An outer transaction starts with `outer`; one inside it is a savepoint.
void DataControl::begin(const char* outer) {
    require_open();
    settle();
    forget_ahead();
    // The database may have ended an outer transaction on its own after a failed write.
    if (transaction_depth_ > 0 && sqlite3_get_autocommit(db_)) transaction_depth_ = 0;
    exec(transaction_depth_ == 0 ? outer : "SAVEPOINT nested");
    ++transaction_depth_;
}

void DataControl::commit_trans() {
    settle();
    forget_ahead();
    if (transaction_depth_ == 0) throw VbError(3034, QStringLiteral("No transaction is open."));
    exec(transaction_depth_ == 1 ? "COMMIT" : "RELEASE nested");
    --transaction_depth_;
}

bool DataControl::in_transaction() const {
    return db_ && transaction_depth_ > 0 && !sqlite3_get_autocommit(db_);
}

void DataControl::rollback() {
    settle();
    forget_ahead();
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
    reread_current();
}

void DataControl::reread_current() {
    if (!current_ || table_.isEmpty()) return;
    sqlite3_stmt* stmt =
        prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid=?1").arg(quoted_table()));
    bind(stmt, 1, *current_);
    position(stmt);
}

void DataControl::compact_database(const QString& source, const QString& destination) {
    if (QFileInfo::exists(destination))
        throw VbError(kErrDatabaseExists,
                      QStringLiteral("Database '%1' already exists.").arg(destination));
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
        throw VbError(kErrUnrecognizedFormat,
                      QStringLiteral("Unrecognized database format '%1'.").arg(source));
    throw VbError(kErrDatabaseEngine, QStringLiteral("Cannot compact '%1': %2").arg(source, error));
}

Transaction::Transaction(DataControl& data) : data_(data) {
    data_.begin_trans();
}

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

ReadTransaction::ReadTransaction(DataControl& data) : data_(data) {
    if (!data_.is_open()) return;
    data_.begin_read();
    open_ = true;
}

ReadTransaction::~ReadTransaction() {
    if (!open_) return;
    // Nothing was written at this level: ending it either way keeps what nested changes kept.
    try {
        data_.commit_trans();
    } catch (...) {
        try {
            data_.rollback();
        } catch (...) {
        }
    }
}

}  // namespace platform
