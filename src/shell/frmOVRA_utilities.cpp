// The main window's file utilities (compaction, backup, restore), about box and web site.
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <optional>

#include "FrmHeadingCreate.h"
#include "common/schema.h"
#include "common/settings.h"
#include "common/write_line.h"
#include "frmAbout.h"
#include "frmBrowser.h"
#include "frmOVRA.h"
#include "frmdatabase.h"
#include "maker.h"
#include "modCategory_setup.h"
#include "pending_change.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "printing/modSetUpPrinters.h"

using platform::form;
using platform::resume_next;
using platform::VbError;

namespace {

const QString kCompressionIncomplete = QStringLiteral("Compression Incomplete");
const QString kBackupIncomplete = QStringLiteral("Backup Incomplete");
const QString kRestoreIncomplete = QStringLiteral("Restore Incomplete");

QString file(const QString& name) {
    return platform::App::current().path(name);
}

void warn(const QString& prompt, const QString& title) {
    platform::msgbox(prompt, platform::vbExclamation, title);
}

void inform(const QString& text) {
    platform::msgbox(text, platform::vbInformation, text);
}

// Compacts source into the work file of destination (clearing one that a broken earlier run
// left), then puts the finished copy in its place: destination is never missing and never half
// written.
void compact_to(const QString& source, const QString& destination) {
    const QString work = platform::work_file_of(destination);
    platform::remove_file(work);
    platform::DataControl::compact_database(source, work);
    try {
        platform::replace_file(work, destination);
    } catch (const VbError&) {
        QFile::remove(work);
        throw;
    }
}

const QString kDatabase = QStringLiteral("ovra.mdb");

// A damaged address book is never copied over the last good backup or compacted: either would
// keep only what can still be read. Says so and returns true.
bool refused_as_damaged(const QString& not_done, const QString& title) {
    if (common::schema::is_household_database(file(kDatabase))) return false;
    warn(QStringLiteral("The address book %1 is damaged, so it was not %2. %3\nFile Utilities, "
                        "Restore Files brings back the last backup. What can still be read can "
                        "be exported first (File Utilities, Export To Text).")
             .arg(kDatabase, not_done,
                  not_done == QLatin1String("backed up")
                      ? QStringLiteral("The previous backup files were kept.")
                      : QStringLiteral("It was left as it was.")),
         title);
    return true;
}

// A backup is one set: ovra.bku, storefile.bku and printers.bku, and backup.set naming each copy
// of the set by its digest. The whole set is made in work files and put in place as one change
// (PendingChange), so a backup cut short at any step leaves the previous set or the new one. A
// restore uses only the copies that backup.set names with ovra.bku, so files of two backups are
// never combined; a backup without backup.set (made before sets were recorded) is restored whole.
const QString kBackupSet = QStringLiteral("backup.set");
const QString kDatabaseCopy = QStringLiteral("ovra.bku");
const QStringList kSideCopies = {QStringLiteral("storefile.bku"), QStringLiteral("printers.bku")};

QString work_file(const QString& name) {
    return platform::work_file_of(file(name));
}

// SHA-256 of a file in hex; "" when it cannot be read.
QString digest(const QString& path) {
    QFile f(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!f.open(QIODevice::ReadOnly) || !hash.addData(&f)) return QString();
    return QString::fromLatin1(hash.result().toHex());
}

// Copies a side file into the work file of its backup copy. Without the file, writes its
// default instead and makes no copy: the backup then has none.
bool backup_side_file(const QString& current, const QString& backup,
                      const QByteArray& default_bytes) {
    return resume_next([&] {
        if (platform::file_exists(current)) {
            platform::write_file(work_file(backup), platform::read_file(current));
            return;
        }
        platform::write_file_atomic(current, default_bytes);
    });
}

// The side copies there that were not made with ovra.bku by the backup that backup.set names.
// Without backup.set there is no sign of mixing, and none is left out.
QStringList copies_outside_the_set() {
    if (!QFileInfo::exists(file(kBackupSet))) return {};
    QHash<QString, QString> set;
    resume_next([&] {
        common::write_line::Reader in(platform::read_file(file(kBackupSet)));
        while (!in.at_end()) {
            const QString name = in.read_text();
            set.insert(name, in.read_text());
        }
    });
    const QString database = set.value(kDatabaseCopy);
    const bool database_in_set = !database.isEmpty() && database == digest(file(kDatabaseCopy));
    QStringList outside;
    for (const QString& name : kSideCopies)
        if (platform::file_exists(file(name)) && (!database_in_set || set.value(name).isEmpty() ||
                                                  set.value(name) != digest(file(name))))
            outside << name;
    return outside;
}

// The current file a side copy is restored into.
QString restored_file(const QString& copy) {
    return QString(copy).replace(QStringLiteral(".bku"), QStringLiteral(".ovr"));
}

// Says which copies a restore leaves out because they are not of the database backup's set.
QString not_one_set(const QStringList& outside) {
    if (outside.isEmpty()) return QString();
    QStringList kept;
    for (const QString& name : outside)
        kept << (name == kSideCopies[0] ? QStringLiteral("settings file")
                                        : QStringLiteral("printer table"));
    const bool one = outside.size() == 1;
    return QStringLiteral(
               "The backup files are not one set: the %1 of the %2 %3 not made with the backup of "
               "the households, so the current %4 %5 kept.")
        .arg(one ? "backup" : "backups", kept.join(QStringLiteral(" and the ")),
             one ? "was" : "were", kept.join(QStringLiteral(" and ")), one ? "is" : "are");
}

}  // namespace

void frmOVRA::MnuCmpDB_Click() {
    if (!address_book_available()) return;
    if (refused_as_damaged(QStringLiteral("compressed"), kCompressionIncomplete)) return;
    Data1().close_database();
    // The copy is made in a work file of its own (never DB2.mdb, which may be the user's), so
    // a compaction cut short leaves nothing in the way of the next one.
    const bool compacted = resume_next([] { compact_to(file(kDatabase), file(kDatabase)); });
    open_database_file();
    if (compacted)
        inform(QStringLiteral("Compression Complete"));
    else
        warn(QStringLiteral("The database could not be compressed. It was left as it was."),
             kCompressionIncomplete);
}

void frmOVRA::MnuBUDB_Click() {
    if (!address_book_available()) return;
    if (refused_as_damaged(QStringLiteral("backed up"), kBackupIncomplete)) return;
    const QString not_backed_up =
        QStringLiteral("The database could not be backed up. The previous backup files were kept.");
    std::optional<PendingChange> change;
    if (!resume_next(
            [&] { change.emplace(pending_change::kBackup, pending_change::kBackupFiles); })) {
        warn(not_backed_up, kBackupIncomplete);
        return;
    }
    const bool database = backup_database();
    const bool settings = database && backup_storefile();
    const bool printers = database && backup_printers_file();
    open_database_file();
    // Without a new database copy nothing of the old set is touched.
    if (!database) {
        change->abandon();
        warn(not_backed_up, kBackupIncomplete);
        return;
    }

    QByteArray set;
    for (const QString& name : QStringList{kDatabaseCopy} + kSideCopies)
        set += common::write_line::format({name, digest(work_file(name))});
    // Without a current file the backup has no copy of it, and an old copy would not belong to
    // the set; a copy that failed is left for the restore to recognise as not of this set.
    if (settings && !platform::file_exists(work_file(kSideCopies[0])))
        change->remove(kSideCopies[0]);
    if (printers && !platform::file_exists(work_file(kSideCopies[1])))
        change->remove(kSideCopies[1]);
    QStringList failed;
    if (!resume_next([&] {
            platform::write_file(work_file(kBackupSet), set);
            failed = change->commit();
        }) ||
        failed.contains(kDatabaseCopy)) {
        change->abandon();
        warn(not_backed_up, kBackupIncomplete);
        return;
    }
    const bool settings_in = settings && !failed.contains(kSideCopies[0]);
    const bool printers_in = printers && !failed.contains(kSideCopies[1]);
    const bool recorded = !failed.contains(kBackupSet);
    if (!settings_in)
        warn(QStringLiteral("The settings file could not be backed up."), kBackupIncomplete);
    if (!printers_in)
        warn(QStringLiteral("The printer table could not be backed up."), kBackupIncomplete);
    // A restore goes by an older list, which does not name these copies, or by none.
    if (!recorded)
        warn(QFileInfo::exists(file(kBackupSet))
                 ? QStringLiteral("The backup could not record which of its files belong "
                                  "together, so a restore of it brings back the households only.")
                 : QStringLiteral("The backup could not record which of its files belong "
                                  "together, so a restore of it brings back all of them."),
             kBackupIncomplete);
    if (settings_in && printers_in && recorded) inform(QStringLiteral("Backup Complete"));
}

bool frmOVRA::backup_database() {
    Data1().close_database();
    return resume_next([&] {
        platform::DataControl::compact_database(file(kDatabase), work_file(kDatabaseCopy));
    });
}

bool frmOVRA::backup_storefile() {
    return backup_side_file(file(QStringLiteral("storefile.ovr")), kSideCopies[0],
                            common::format_storefile({}));
}

bool frmOVRA::backup_printers_file() {
    return backup_side_file(file(QStringLiteral("printers.ovr")), kSideCopies[1],
                            common::format_printer_table({}));
}

void frmOVRA::MnuResDB_Click() {
    const QString backup = file(kDatabaseCopy);
    if (!QFileInfo(backup).isFile()) {
        warn(QStringLiteral("Backup File Not Available."), kRestoreIncomplete);
        return;
    }
    if (!common::schema::is_household_database(backup)) {
        warn(QStringLiteral("The database backup ovra.bku is damaged and cannot be restored. "
                            "Nothing was changed."),
             kRestoreIncomplete);
        return;
    }
    const QStringList outside = copies_outside_the_set();
    const QString mixed = not_one_set(outside);
    QStringList restored{kDatabaseCopy};
    for (const QString& name : kSideCopies)
        if (platform::file_exists(file(name)) && !outside.contains(name)) restored << name;
    QStringList names{kDatabase};
    for (const QString& copy : restored.mid(1)) names << restored_file(copy);
    // Restoring throws away every change since the backup: the user says so first.
    const QDateTime made = QFileInfo(backup).lastModified();
    const QLocale locale;
    QString question = QStringLiteral(
                           "Restore the files backed up on %1 at %2?\nEvery change made since "
                           "then will be lost.")
                           .arg(locale.toString(made.date(), QLocale::LongFormat),
                                locale.toString(made.time(), QLocale::ShortFormat));
    if (!QFileInfo::exists(file(kBackupSet)))
        question += QStringLiteral(
                        "\nThis backup does not record which of its files belong together (it "
                        "was made by an earlier version, or its files were copied here), so all "
                        "of it is restored: %1.")
                        .arg(pending_change::described(names));
    if (!mixed.isEmpty()) question += QStringLiteral("\n") + mixed;
    if (platform::msgbox(question, platform::vbYesNo + platform::vbExclamation,
                         QStringLiteral("Restore Files")) != platform::vbYes)
        return;

    // The restored files go in as one change, the database first: a restore cut short leaves
    // today's files or the backup's, never some of each.
    Data1().close_database();
    std::optional<PendingChange> change;
    // A side copy that cannot be read is left out: its current file stays.
    QStringList not_restored;
    QStringList failed;
    const bool committed = resume_next([&] {
        change.emplace(pending_change::kRestore, names);
        platform::DataControl::compact_database(backup, change->work(kDatabase));
        for (const QString& copy : restored.mid(1))
            if (!resume_next([&] {
                    platform::write_file(change->work(restored_file(copy)),
                                         platform::read_file(file(copy)));
                }))
                not_restored << restored_file(copy);
        failed = change->commit();
    });
    if (!committed || failed.contains(kDatabase)) {
        if (change) change->abandon();
        open_database_file();
        warn(QStringLiteral("The backup could not be restored. Nothing was changed."),
             kRestoreIncomplete);
        return;
    }
    not_restored << failed;
    form<modSetUpPrinters>().printer_table_loaded = 0;

    // Names and counts not read stay empty; label lines not read keep their values.
    common::StorefileRecord rec = storefile_record();
    rec.heading.fill(QString());
    rec.catcount.fill(0);
    const auto status = common::read_storefile(file(QStringLiteral("storefile.ovr")), rec);
    if (status == common::ReadStatus::Partial) modCategory_setup::report_damaged_settings();
    // The number of tracking reports is the number of report files, which a restore leaves.
    const int restored_trackfile = rec.Trackfile;
    modCategory_setup::recount_tracking_reports(rec.Trackfile);
    // The counts follow the restored households, whatever the restored file says.
    show_record_count(open_database_file());
    const bool recounted = modCategory_setup::recount_categories(rec.catcount);
    set_storefile_record(rec);
    bool settings_written = true;
    if (restored_trackfile != rec.Trackfile || recounted || status == common::ReadStatus::Partial)
        settings_written = resume_next(
            [&] { common::write_storefile(file(QStringLiteral("storefile.ovr")), rec); });

    // The count went first, so the record items the panel sets follow the restored households.
    modCategory_setup::set_up_categories();
    // The category-name store loads the restored names at its next use.
    form<FrmHeadingCreate>().unload();

    QStringList result;
    if (!not_restored.isEmpty())
        result << QStringLiteral("The households were restored, but %1 could not be restored.")
                      .arg(pending_change::described(not_restored));
    else if (!mixed.isEmpty() || !settings_written)
        result << QStringLiteral("The households were restored.");
    if (!settings_written && !not_restored.contains(QStringLiteral("storefile.ovr")))
        result << QStringLiteral("The settings file could not be brought up to date with them.");
    if (!mixed.isEmpty()) result << mixed;
    if (result.isEmpty())
        inform(QStringLiteral("Restore Complete"));
    else
        warn(result.join(QLatin1Char('\n')), kRestoreIncomplete);
}

void frmOVRA::MnuHelpAbout_Click() {
    form<frmAbout>().show_modal();
}

void frmOVRA::mnuVantrelPress_Click() {
    auto& browser = form<frmBrowser>();
    browser.StartingAddress = kMakerWebSite;
    browser.ui().tbToolBar->setVisible(true);
    browser.widget()->showMaximized();
    browser.show();
}
