#include "frmdatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/schema.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/msgbox.h"

frmdatabase::frmdatabase() : Form(QStringLiteral("frmdatabase")) {}

void frmdatabase::build(QWidget* form, frmdatabase_ui::Controls&) {
    form->setWindowTitle(QStringLiteral("Main Database"));
}

platform::DataControl& Data1() {
    return platform::form<frmdatabase>().ui().Data1;
}

namespace {

QString describe_problem(const QString& path, const platform::VbError& e) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("The file ovra.mdb is missing from the program folder %1.")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    if (info.isDir())
        return QStringLiteral("%1 is a folder, not the address book file: move or rename it.")
            .arg(QDir::toNativeSeparators(path));
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("The file %1 cannot be read (check its permissions).")
            .arg(QDir::toNativeSeparators(path));
    QFile f(path);
    const bool sqlite =
        f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3", 16);
    if (!sqlite)
        return QStringLiteral("The file %1 is not an address book database.")
            .arg(QDir::toNativeSeparators(path));
    if (e.number() == platform::kErrTableNotFound)
        return QStringLiteral("The file %1 holds no households table: it is not an address book.")
            .arg(QDir::toNativeSeparators(path));
    return QStringLiteral("The file %1 is damaged.").arg(QDir::toNativeSeparators(path));
}

}  // namespace

int open_database_file() {
    const QString path = platform::App::current().path(QStringLiteral("ovra.mdb"));
    auto& data = Data1();
    QString& problem = platform::form<frmdatabase>().open_problem;
    problem.clear();
    try {
        data.set_database_name(path);
        data.set_record_source(QStringLiteral("OVRAData"));
        data.refresh();
        // Counting reads the whole table, so damage shows here rather than in a later command.
        const int count = data.record_count();
        if (count > 0) data.move_last();
        return count;
    } catch (const platform::VbError& e) {
        problem = describe_problem(path, e);
        data.close_database();
        return 0;
    }
}

QString address_book_problem() {
    return platform::form<frmdatabase>().open_problem;
}

bool address_book_available() {
    if (Data1().is_open()) return true;
    const QString problem = address_book_problem();
    platform::msgbox(
        QStringLiteral("The address book could not be opened.\n%1\nRestore a backup "
                       "(File Utilities, Restore Files) or put the file back, then try again.")
            .arg(problem.isEmpty() ? QStringLiteral("It is closed.") : problem),
        platform::vbExclamation, QStringLiteral("Address Book Not Available"));
    return false;
}

void report_address_book() {
    if (!address_book_available()) return;
    const QString path = QDir::toNativeSeparators(Data1().database_name());
    // A damaged or read-only address book stays open: what can be read can still be exported
    // or printed, and the restore brings back the last backup.
    if (!common::schema::is_household_database(Data1().database_name()))
        platform::msgbox(
            QStringLiteral("The address book %1 is damaged: part of it cannot be read, and "
                           "changes saved into it may be lost.\nFile Utilities, Restore Files "
                           "brings back the last backup. What can still be read can be "
                           "exported first (File Utilities, Export To Text).")
                .arg(path),
            platform::vbExclamation, QStringLiteral("Address Book Damaged"));
    if (Data1().read_only())
        platform::msgbox(
            QStringLiteral("The address book %1 can be read but not changed: the file cannot be "
                           "opened for writing (check its permissions, or whether its disk is "
                           "read-only). Changes cannot be saved until that is put right.")
                .arg(path),
            platform::vbExclamation, QStringLiteral("Address Book Read-Only"));
}

std::array<int, 13> count_category_members() {
    use_household_table();
    QStringList columns;
    for (int n = 1; n <= 12; ++n) columns << QStringLiteral("category%1").arg(n);
    const QVector<int> counts = Data1().count_equal(columns, QStringLiteral("Y"));
    std::array<int, 13> result{};
    for (int n = 1; n <= 12; ++n) result[n] = counts[n - 1];
    return result;
}

int heal_children_flags() {
    // A name counts unless it is empty or a single blank, as common::count_children counts.
    QStringList named;
    for (int i = 1; i <= 6; ++i)
        named << QStringLiteral("(coalesce(c.child%1, '') NOT IN ('', ' '))").arg(i);
    const QString names =
        QStringLiteral(
            "coalesce((SELECT %1 FROM Children c WHERE c.keyname = OVRAData.keyname "
            "ORDER BY c.rowid LIMIT 1), 0)")
            .arg(named.join(QStringLiteral(" + ")));
    return Data1().execute(
        QStringLiteral("UPDATE OVRAData SET childflag = %1 WHERE childflag IS NOT %1").arg(names));
}

void open_table(const QString& table) {
    Data1().set_record_source(table);
    Data1().refresh();
}

bool seek_key(const QString& keyname) {
    Data1().set_index(QStringLiteral("keyname"));
    Data1().seek(QStringLiteral("="), keyname);
    return !Data1().no_match();
}

void use_household_table() {
    if (!Data1().is_open() ||
        Data1().record_source().compare(QLatin1String("OVRAData"), Qt::CaseInsensitive) != 0)
        open_table(QStringLiteral("OVRAData"));
}

int household_count() {
    // Only a closed address book counts as none; any other failure is the caller's to report.
    if (!Data1().is_open()) return 0;
    use_household_table();
    return Data1().record_count();
}
