// The main window's file utilities (compaction, backup, restore), about box and web site.
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

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

// Compacts source into a work file of its own (clearing one that a broken earlier run left),
// then puts the finished copy in place of destination: destination is never missing and never
// half written.
void compact_to(const QString& source, const QString& destination) {
    const QString work = destination + QStringLiteral(".tmp");
    QFile::remove(work);
    platform::DataControl::compact_database(source, work);
    try {
        platform::replace_file(work, destination);
    } catch (const VbError&) {
        QFile::remove(work);
        throw;
    }
}

// A backup is one set: ovra.bku, storefile.bku and printers.bku. Each copy is made in its work
// file first (so a backup cut short while copying leaves the old set whole), then all are put in
// place, and last backup.set names each copy of the new set by its digest. A restore uses only
// the copies that backup.set names with ovra.bku, so files of two backups are never combined.
const QString kBackupSet = QStringLiteral("backup.set");
const QString kDatabaseCopy = QStringLiteral("ovra.bku");
const QStringList kSideCopies = {QStringLiteral("storefile.bku"), QStringLiteral("printers.bku")};

QString work_file(const QString& name) {
    return file(name + QStringLiteral(".tmp"));
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
    QFile::remove(work_file(backup));
    return resume_next([&] {
        if (platform::file_exists(current)) {
            platform::file_copy(current, work_file(backup));
            return;
        }
        platform::write_file_atomic(current, default_bytes);
    });
}

// Puts one copy of the new set in place and sets sum to its digest ("" when no copy of this
// backup is there). A copy this backup has none of (made, without a work file) removes the old
// one; a copy that failed leaves it, for the restore to recognise as not of this set.
bool put_in_place(const QString& name, bool made, QString& sum) {
    const QString work = work_file(name);
    sum.clear();
    const bool ok = resume_next([&] {
        if (platform::file_exists(work)) {
            const QString work_sum = digest(work);
            platform::replace_file(work, file(name));
            sum = work_sum;
        } else if (made && platform::file_exists(file(name))) {
            platform::kill(file(name));
        }
    });
    if (!ok) QFile::remove(work);
    return ok;
}

// The side copies there that were not made with ovra.bku by the backup that backup.set names.
QStringList copies_outside_the_set() {
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

// Says which copies a restore leaves out because they are not of the database backup's set.
QString not_one_set(const QStringList& outside) {
    if (outside.isEmpty()) return QString();
    QStringList kept;
    for (const QString& name : outside)
        kept << (name == kSideCopies[0] ? QStringLiteral("settings file")
                                        : QStringLiteral("printer table"));
    const bool one = outside.size() == 1;
    return QStringLiteral(
               "The backup files are not one set: %1 %2 not made with this database backup, so "
               "%3 not restored and the current %4 %5 kept.")
        .arg(outside.join(QStringLiteral(" and ")), one ? "was" : "were",
             one ? "it is" : "they are", kept.join(QStringLiteral(" and ")), one ? "is" : "are");
}

}  // namespace

void frmOVRA::MnuCmpDB_Click() {
    if (!address_book_available()) return;
    Data1().close_database();
    // The copy is made in a work file of its own (never DB2.mdb, which may be the user's), so
    // a compaction cut short leaves nothing in the way of the next one.
    const bool compacted = resume_next(
        [] { compact_to(file(QStringLiteral("ovra.mdb")), file(QStringLiteral("ovra.mdb"))); });
    open_database_file();
    if (compacted)
        inform(QStringLiteral("Compression Complete"));
    else
        warn(QStringLiteral("The database could not be compressed. It was left as it was."),
             kCompressionIncomplete);
}

void frmOVRA::MnuBUDB_Click() {
    if (!address_book_available()) return;
    const bool database = backup_database();
    const bool settings = database && backup_storefile();
    const bool printers = database && backup_printers_file();
    open_database_file();

    QString sums[3];
    // Without a new database copy in place nothing of the old set is touched.
    if (!database || !put_in_place(kDatabaseCopy, true, sums[0])) {
        for (const QString& name : kSideCopies) QFile::remove(work_file(name));
        warn(QStringLiteral(
                 "The database could not be backed up. The previous backup files were kept."),
             kBackupIncomplete);
        return;
    }
    const bool settings_in = put_in_place(kSideCopies[0], settings, sums[1]) && settings;
    const bool printers_in = put_in_place(kSideCopies[1], printers, sums[2]) && printers;
    QByteArray set = common::write_line::format({kDatabaseCopy, sums[0]});
    for (int i : {0, 1}) set += common::write_line::format({kSideCopies[i], sums[i + 1]});
    const bool recorded = resume_next([&] { platform::write_file_atomic(file(kBackupSet), set); });

    if (!settings_in)
        warn(QStringLiteral("The settings file could not be backed up."), kBackupIncomplete);
    if (!printers_in)
        warn(QStringLiteral("The printer table could not be backed up."), kBackupIncomplete);
    if (!recorded)
        warn(QStringLiteral("The backup files could not be recorded as one set in backup.set; a "
                            "restore of this backup will bring back the households only."),
             kBackupIncomplete);
    if (settings_in && printers_in && recorded) inform(QStringLiteral("Backup Complete"));
}

bool frmOVRA::backup_database() {
    Data1().close_database();
    const QString work = work_file(kDatabaseCopy);
    QFile::remove(work);
    const bool made = resume_next(
        [&] { platform::DataControl::compact_database(file(QStringLiteral("ovra.mdb")), work); });
    if (!made) QFile::remove(work);
    return made;
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
    // Restoring throws away every change since the backup: the user says so first.
    const QDateTime made = QFileInfo(backup).lastModified();
    const QLocale locale;
    QString question = QStringLiteral(
                           "Restore the files backed up on %1 at %2?\nEvery change made since "
                           "then will be lost.")
                           .arg(locale.toString(made.date(), QLocale::LongFormat),
                                locale.toString(made.time(), QLocale::ShortFormat));
    if (!mixed.isEmpty()) question += QStringLiteral("\n") + mixed;
    if (platform::msgbox(question, platform::vbYesNo + platform::vbExclamation,
                         QStringLiteral("Restore Files")) != platform::vbYes)
        return;

    Data1().close_database();
    // Nothing is restored unless the database copy is complete.
    if (!resume_next([&] { compact_to(backup, file(QStringLiteral("ovra.mdb"))); })) {
        open_database_file();
        warn(QStringLiteral("The backup could not be restored. Nothing was changed."),
             kRestoreIncomplete);
        return;
    }

    bool complete = true;
    for (const QString& name : {kSideCopies[1], kSideCopies[0]}) {
        if (!platform::file_exists(file(name)) || outside.contains(name)) continue;
        QString current = name;
        current.replace(QStringLiteral(".bku"), QStringLiteral(".ovr"));
        complete = resume_next([&] { platform::file_copy(file(name), file(current)); }) && complete;
    }
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
    if (restored_trackfile != rec.Trackfile || recounted || status == common::ReadStatus::Partial)
        complete = resume_next([&] {
                       common::write_storefile(file(QStringLiteral("storefile.ovr")), rec);
                   }) &&
                   complete;

    // The count went first, so the record items the panel sets follow the restored households.
    modCategory_setup::set_up_categories();
    // The category-name store loads the restored names at its next use.
    form<FrmHeadingCreate>().unload();

    QStringList result;
    if (!complete)
        result << QStringLiteral(
            "The households were restored, but the settings file or the printer table could "
            "not be restored.");
    else if (!mixed.isEmpty())
        result << QStringLiteral("The households were restored.");
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
