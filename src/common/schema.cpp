#include "schema.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

#include "platform/errors.h"

namespace common::schema {

const char* const kHouseholdTable = "OVRAData";
const char* const kChildrenTable = "Children";
const char* const kAddressTable = "Address";

const QStringList& household_fields() {
    static const QStringList fields = {
        "keyname",        "home email 1",    "work email 1",     "work phone 1",
        "cell phone 1",   "first name 2",    "last name 2",      "home email 2",
        "work email 2",   "work phone 2",    "cell phone 2",     "address 1",
        "address 2",      "city",            "state",            "zip",
        "home phone",     "home fax",        "sal1",             "sal2",
        "childflag",      "foreign check",   "last name check",  "last name hyphen",
        "last-name-reverse", "option1",      "option2",          "category1",
        "category2",      "category3",       "category4",        "category5",
        "category6",      "category7",       "category8",        "category9",
        "category10",     "category11",      "category12",       "second address",
    };
    return fields;
}

const QStringList& children_fields() {
    static const QStringList fields = {"keyname", "child1", "child2", "child3",
                                       "child4",  "child5", "child6"};
    return fields;
}

const QStringList& second_address_fields() {
    static const QStringList fields = {"keyname", "address1",      "address2", "city", "state",
                                       "zip",     "foreign check", "phone",    "fax"};
    return fields;
}

namespace {

QString table_sql(const char* table, const QStringList& fields) {
    QStringList columns;
    for (const QString& f : fields) {
        QString type = f == QLatin1String("childflag") ? "INTEGER" : "TEXT";
        if (f == QLatin1String("keyname")) type += " COLLATE NOCASE";
        columns << QStringLiteral("\"%1\" %2").arg(f, type);
    }
    return QStringLiteral("CREATE TABLE \"%1\" (%2);\n"
                          "CREATE UNIQUE INDEX \"%1_keyname\" ON \"%1\" (keyname COLLATE NOCASE);\n")
        .arg(QLatin1String(table), columns.join(", "));
}

}  // namespace

void create_database(const QString& path) {
    using platform::VbError;
    if (QFileInfo::exists(path))
        throw VbError(platform::kErrFileExists, QStringLiteral("File already exists: %1").arg(path));
    const QString sql = "BEGIN;\n" + table_sql(kHouseholdTable, household_fields()) +
                        table_sql(kChildrenTable, children_fields()) +
                        table_sql(kAddressTable, second_address_fields()) + "COMMIT;";
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             nullptr);
    QString error;
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close_v2(db);
    if (rc != SQLITE_OK) {
        QFile::remove(path);
        throw VbError(platform::kErrPathFileAccess,
                      QStringLiteral("Cannot create %1: %2").arg(path, error));
    }
}

bool is_household_database(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    bool ok = false;
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db,
                               "SELECT count(*) FROM sqlite_master WHERE type='table' AND "
                               "name='OVRAData' COLLATE NOCASE",
                               -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            ok = sqlite3_column_int(stmt, 0) == 1;
        sqlite3_finalize(stmt);
        stmt = nullptr;
        if (ok) {
            // A damaged file can still show its table list.
            ok = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &stmt, nullptr) == SQLITE_OK &&
                 sqlite3_step(stmt) == SQLITE_ROW &&
                 qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "ok") == 0;
            sqlite3_finalize(stmt);
        }
    }
    sqlite3_close_v2(db);
    return ok;
}

}  // namespace common::schema
