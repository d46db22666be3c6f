#include "frmSplash.h"

#include <QFrame>
#include <QVBoxLayout>

#include "common/settings.h"
#include "frmOVRA.h"
#include "frmdatabase.h"
#include "modCategory_setup.h"
#include "pending_change.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "printing/modSetUpPrinters.h"

using platform::form;

frmSplash::frmSplash() : Form(QStringLiteral("frmSplash")) {}

void frmSplash::build(QWidget* w, frmSplash_ui::Controls& c) {
    w->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    platform::set_client_size(w, 6600, 3900);
    auto* frame = new QFrame(w);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    platform::place(frame, 120, 120, 6360, 3660);
    c.lblProductName =
        platform::make_label(w, "lblProductName", QStringLiteral("O.V.R.A."), 480, 900, 5640, 1000);
    QFont big(QStringLiteral("Arial"), 36, QFont::Bold);
    c.lblProductName->setFont(big);
    c.lblProductName->setAlignment(Qt::AlignCenter);
    c.lblVersion =
        platform::make_label(w, "lblVersion", QStringLiteral("Version 5.4"), 480, 2300, 5640, 400);
    c.lblVersion->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    c.lblVersion->setAlignment(Qt::AlignCenter);
    c.tmrSplash = new QTimer(w);
    c.tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    c.tmrSplash->setInterval(3000);
    QObject::connect(c.tmrSplash, &QTimer::timeout, w, [this] {
        platform::guarded("tmrSplash_Timer", [this] { tmrSplash_Timer(); });
    });
    c.tmrSplash->start();
}

void frmSplash::Form_Load() {
    if (!platform::App::current().acquire_single_instance()) unload();
}

void frmSplash::open_database() {
    // Missing, unreadable or empty: no message, the count is 0.
    totalrecords = open_database_file();
}

namespace {

// Tells the user what became of a backup or restore that the last run did not end.
void report_interrupted(const InterruptedChange& change) {
    const bool backup = change.kind == pending_change::kBackup;
    const bool restore = change.kind == pending_change::kRestore;
    if (!backup && !restore) {
        platform::msgbox(QStringLiteral("A backup or restore was cut short, and what it still had "
                                        "to do could not be read, so nothing more was changed. "
                                        "Look over the households and the category names; File "
                                        "Utilities, Restore Files brings back the last backup."),
                         platform::vbExclamation, QStringLiteral("Interrupted Change"));
        return;
    }
    const QString what = backup ? QStringLiteral("backup") : QStringLiteral("restore");
    const QString title = backup ? QStringLiteral("Backup") : QStringLiteral("Restore");
    if (!change.finished) {
        platform::msgbox(
            backup ? QStringLiteral("The last backup was cut short before it was finished. The "
                                    "previous backup files were kept; make the backup again "
                                    "(File Utilities, Backup Files).")
                   : QStringLiteral("The last restore was cut short before it changed anything. "
                                    "The households, the settings file and the printer table are "
                                    "as they were; restore again if you still want the backup "
                                    "(File Utilities, Restore Files)."),
            platform::vbExclamation, title + QStringLiteral(" Incomplete"));
    } else if (change.failed.isEmpty()) {
        const QString placed = pending_change::described(change.placed);
        platform::msgbox(
            QStringLiteral("The last %1 was cut short after its files were made, and it has now "
                           "been finished: %2.")
                .arg(what, backup ? QStringLiteral("the backup files are one set")
                                  : placed +
                                        (change.placed.size() == 1 ? QStringLiteral(" is")
                                                                   : QStringLiteral(" are")) +
                                        QStringLiteral(" those of the backup")),
            platform::vbInformation, title + QStringLiteral(" Complete"));
    } else {
        platform::msgbox(QStringLiteral("The last %1 was cut short after its files were made, "
                                        "and it could not be finished: %2 could not be put in "
                                        "place.")
                             .arg(what, pending_change::described(change.failed)),
                         platform::vbExclamation, title + QStringLiteral(" Incomplete"));
    }
}

}  // namespace

void frmSplash::tmrSplash_Timer() {
    // A backup or restore the last run did not end is finished or cleared before any of its
    // files is read; then the work files of interrupted writes go.
    const auto interrupted = pending_change::finish_interrupted();
    pending_change::clear_work_files();
    open_database();
    form<modSetUpPrinters>().printer_table_loaded = 0;

    const QString settings = platform::App::current().path(QStringLiteral("storefile.ovr"));
    common::StorefileRecord rec;
    const auto status = common::read_storefile(settings, rec);
    heading = rec.heading;
    catcount = rec.catcount;
    ReturnLabel = rec.ReturnLabel;
    Trackfile = rec.Trackfile;
    // The count shown is the database's, also without a settings file.
    lblrecnum = totalrecords;
    if (status != common::ReadStatus::Missing) {
        bool any_name = false;
        for (int i = 1; i <= 12; ++i) any_name = any_name || !heading[i].isEmpty();
        if (!any_name) catcount.fill(0);
    }
    // The households are the truth: counts left wrong by a crash or a failed write heal here.
    const bool recounted = modCategory_setup::recount_categories(catcount);
    // So are the report files for their number: the menu offers every report on disk.
    const bool retracked = modCategory_setup::recount_tracking_reports(Trackfile);

    auto& main = form<frmOVRA>();
    ui().tmrSplash->stop();
    if (status == common::ReadStatus::Missing) {
        main.show();
        hide();
    } else {
        hide();
        main.show();
    }
    unload();

    // A damaged file is rewritten only once a copy was kept and the user was told.
    if (status == common::ReadStatus::Partial) modCategory_setup::report_damaged_settings();
    if (((recounted || retracked) && status == common::ReadStatus::Complete) ||
        status == common::ReadStatus::Partial) {
        rec.catcount = catcount;
        rec.Trackfile = Trackfile;
        platform::resume_next([&] { common::write_storefile(settings, rec); });
    }
    if (interrupted) report_interrupted(*interrupted);
    report_address_book();
}
