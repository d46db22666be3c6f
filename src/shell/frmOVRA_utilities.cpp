// The main window's file utilities (compaction, backup, restore), about box and web site.
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "FrmHeadingCreate.h"
#include "common/schema.h"
#include "common/settings.h"
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

// Copies a side file to its backup copy. Without the file, writes its default instead and drops
// the old backup copy, which would not belong with the new database backup.
bool backup_side_file(const QString& current, const QString& backup,
                      const QByteArray& default_bytes) {
    return resume_next([&] {
        if (platform::file_exists(current)) {
            platform::file_copy(current, backup);
            return;
        }
        if (platform::file_exists(backup)) platform::kill(backup);
        platform::write_file_atomic(current, default_bytes);
    });
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
    // Without a new database backup the other copies stay too, so the set still belongs together.
    if (!backup_database()) {
        open_database_file();
        warn(QStringLiteral(
                 "The database could not be backed up. The previous backup files were kept."),
             kBackupIncomplete);
        return;
    }
    const bool settings = backup_storefile();
    const bool printers = backup_printers_file();
    open_database_file();
    if (!settings)
        warn(QStringLiteral("The settings file could not be backed up."), kBackupIncomplete);
    if (!printers)
        warn(QStringLiteral("The printer table could not be backed up."), kBackupIncomplete);
    if (settings && printers) inform(QStringLiteral("Backup Complete"));
}

bool frmOVRA::backup_database() {
    Data1().close_database();
    return resume_next(
        [] { compact_to(file(QStringLiteral("ovra.mdb")), file(QStringLiteral("ovra.bku"))); });
}

bool frmOVRA::backup_storefile() {
    return backup_side_file(file(QStringLiteral("storefile.ovr")),
                            file(QStringLiteral("storefile.bku")), common::format_storefile({}));
}

bool frmOVRA::backup_printers_file() {
    return backup_side_file(file(QStringLiteral("printers.ovr")),
                            file(QStringLiteral("printers.bku")), common::format_printer_table({}));
}

void frmOVRA::MnuResDB_Click() {
    // Restoring throws away every change since the backup: the user says so first.
    const QString backup = file(QStringLiteral("ovra.bku"));
    const bool backup_usable = common::schema::is_household_database(backup);
    if (backup_usable) {
        const QDateTime made = QFileInfo(backup).lastModified();
        const QLocale locale;
        if (platform::msgbox(
                QStringLiteral(
                    "Restore the files backed up on %1 at %2?\nEvery change made since then "
                    "will be lost.")
                    .arg(locale.toString(made.date(), QLocale::LongFormat),
                         locale.toString(made.time(), QLocale::ShortFormat)),
                platform::vbYesNo + platform::vbExclamation,
                QStringLiteral("Restore Files")) != platform::vbYes)
            return;
    }
    Data1().close_database();
    // Nothing is restored unless the database backup is sound and its copy is complete.
    QString failure;
    if (!backup_usable)
        failure = QStringLiteral("Backup File Not Available.");
    else if (!resume_next([&] { compact_to(backup, file(QStringLiteral("ovra.mdb"))); }))
        failure = QStringLiteral("The backup could not be restored. Nothing was changed.");
    if (!failure.isEmpty()) {
        open_database_file();
        warn(failure, kRestoreIncomplete);
        return;
    }

    bool complete = true;
    for (const QString& name : {QStringLiteral("printers"), QStringLiteral("storefile")}) {
        const QString copy = file(name + QStringLiteral(".bku"));
        if (platform::file_exists(copy))
            complete = resume_next([&] {
                           platform::file_copy(copy, file(name + QStringLiteral(".ovr")));
                       }) &&
                       complete;
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

    if (complete)
        inform(QStringLiteral("Restore Complete"));
    else
        warn(QStringLiteral(
                 "The households were restored, but the settings file or the printer table "
                 "could not be restored."),
             kRestoreIncomplete);
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
