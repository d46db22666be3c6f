#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "common/schema.h"
#include "common/settings.h"
#include "fixture.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "printing/modSetUpPrinters.h"
#include "shell/FrmHeadingCreate.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"
#include "shell/modCategory_setup.h"

using platform::form;
using platform::vbExclamation;
using platform::vbInformation;

namespace {

const QByteArray kDefaultPrinters = QByteArray("\"\",0\r\n").repeated(15);

class FileUtilities : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        auto smith = household("Smith", "John");
        smith.category[1] = "Y";
        store_household(smith);
        auto jones = household("Jones", "Mary");
        jones.category[1] = jones.category[2] = "Y";
        store_household(jones);
        write_settings({"FAMILY", "WORK"}, {2, 1}, 0);
        write("printers.ovr", printers_with("Office Laser", 3));
        start_program();
    }

    frmOVRA& m() { return form<frmOVRA>(); }
    frmOVRA_ui::Controls& c() { return m().ui(); }

    common::StorefileRecord settings(const QStringList& names, const QList<int>& counts,
                                     int trackfile) {
        common::StorefileRecord r;
        for (int i = 0; i < names.size(); ++i) r.heading[i + 1] = names[i];
        for (int i = 0; i < counts.size(); ++i) r.catcount[i + 1] = counts[i];
        r.ReturnLabel = {QString(), "THE SMITHS", "1 MAIN ST", "SPRINGFIELD IL"};
        r.Trackfile = trackfile;
        return r;
    }
    void write_settings(const QStringList& names, const QList<int>& counts, int trackfile) {
        common::write_storefile(path("storefile.ovr"), settings(names, counts, trackfile));
    }
    static QByteArray printers_with(const QString& name, int line) {
        common::PrinterTable t{};
        t[0] = {name, line};
        return common::format_printer_table(t);
    }
    void backup() {
        msgs.expect("Backup Complete", platform::vbOK, vbInformation, "Backup Complete");
        c().MnuBUDB->trigger();
    }
    // The question a restore asks first, naming when the backup was made (and a mixed set).
    QString restore_question(const QString& mixed = {}) const {
        const QDateTime made = QFileInfo(path("ovra.bku")).lastModified();
        return QStringLiteral(
                   "Restore the files backed up on %1 at %2?\nEvery change made since then will be "
                   "lost.")
                   .arg(QLocale().toString(made.date(), QLocale::LongFormat),
                        QLocale().toString(made.time(), QLocale::ShortFormat)) +
               (mixed.isEmpty() ? QString() : "\n" + mixed);
    }
    void restore(const QString& prompt = "Restore Complete", const QString& mixed = {}) {
        if (common::schema::is_household_database(path("ovra.bku")))
            msgs.expect(restore_question(mixed), platform::vbYes, platform::vbYesNo + vbExclamation,
                        "Restore Files");
        if (prompt == "Restore Complete")
            msgs.expect(prompt, platform::vbOK, vbInformation, prompt);
        else
            msgs.expect(prompt, platform::vbOK, vbExclamation, "Restore Incomplete");
        c().MnuResDB->trigger();
    }
    // Deletes a household as the record form would, leaving the count shown in step.
    void delete_household(const QString& key) {
        ASSERT_TRUE(seek_key(key));
        Data1().delete_row();
        m().show_record_count(m().record_count_shown() - 1);
        modCategory_setup::set_up_categories();
    }
    bool record_items_on() {
        return c().MnuRecordEdit->isEnabled() && c().MnuMoveChildren->isEnabled();
    }
    QStringList leftovers() { return QDir(dir_.path()).entryList({"*.tmp"}, QDir::Files); }
    // What the backup and the compaction say of a damaged address book.
    static QString damaged(const QString& what_became_of_it) {
        return "The address book ovra.mdb is damaged, so it was not " + what_became_of_it +
               "\nFile Utilities, Restore Files brings back the last backup. What can still be "
               "read can be exported first (File Utilities, Export To Text).";
    }
    // Runs a command that is killed just before its n-th rename or delete of a file; false
    // when it ended before that. Every message box is answered Yes (or OK) and kept in shown_.
    struct Killed {};
    bool killed_at(int n, void (frmOVRA::*command)()) {
        int step = 0;
        platform::set_file_change_hook([&](const QString&) {
            if (++step == n) throw Killed{};
        });
        bool killed = false;
        try {
            (m().*command)();
        } catch (const Killed&) {
            killed = true;
        }
        platform::set_file_change_hook({});
        return killed;
    }
    // Starts the program again on the folder as it is; the messages it shows go to shown_.
    void start_again() {
        app_.reset();
        new_run();
        shown_.clear();
        app_->set_msgbox_hook([this](const platform::MsgBoxCall& c) {
            shown_ << c.prompt;
            return platform::vbYes;
        });
        start_program();
    }
    // What the user works with: households, the first category's name, the printer table.
    std::tuple<int, QString, QByteArray> state() {
        return {count_rows("OVRAData"), m().heading[1], read("printers.ovr")};
    }
    QStringList shown_;

    using State = std::tuple<int, QString, QByteArray>;
    const State backed_up_{2, "FAMILY", printers_with("Office Laser", 3)};
    const State today_{3, "CLUB", printers_with("Den", 2)};
    // Runs command killed before its n-th file step, for n = 1, 2... until it ends by itself,
    // each time on the same files: a backup of the state set up, beside today's files (a third
    // household, other names and printers). Then starts again: the start says the change was
    // finished or was not (except after a kill before its first write, which changed nothing)
    // and leaves no work file; then check(n, finished).
    void cut_short_at_every_step(void (frmOVRA::*command)(), const QString& finished_message,
                                 const QString& not_done_message,
                                 const std::function<void(int, bool)>& check) {
        backup_then_change();
        const QStringList files = {"ovra.bku", "storefile.bku", "printers.bku", "backup.set",
                                   "ovra.mdb", "storefile.ovr", "printers.ovr"};
        QList<QByteArray> before;
        for (const QString& f : files) before << read(f);
        int finished_by_the_start = 0;
        for (int n = 1;; ++n) {
            app_.reset();
            for (int i = 0; i < files.size(); ++i) write(files[i], before[i]);
            start_again();
            const bool killed = killed_at(n, command);
            start_again();
            const bool finished = !killed || shown_ == QStringList{finished_message};
            if (killed && !finished && n > 1) {
                EXPECT_EQ(shown_, QStringList{not_done_message}) << n;
            }
            finished_by_the_start += killed && finished;
            EXPECT_TRUE(leftovers().isEmpty()) << n;
            EXPECT_FALSE(exists("ovra.pending")) << n;
            check(n, finished);
            if (!killed) break;
        }
        EXPECT_GT(finished_by_the_start, 1);
    }
    // A backup of the state set up, then today's files beside it.
    void backup_then_change() {
        backup();
        store_household(household("Brown", "Ann"));
        write_settings({"CLUB"}, {0}, 0);
        write("printers.ovr", printers_with("Den", 2));
    }
    // A restore stopped right after its commit: the record and the work files are whole.
    void kill_restore_after_its_commit() {
        platform::set_file_change_hook([](const QString& p) {
            if (p.endsWith("/ovra.mdb")) throw Killed{};
        });
        msgs.expect(restore_question(), platform::vbYes, platform::vbYesNo + vbExclamation,
                    "Restore Files");
        EXPECT_THROW(m().MnuResDB_Click(), Killed);
        platform::set_file_change_hook({});
        app_.reset();
    }
    void leave_work_files() {
        for (const char* work : {"ovra.bku.tmp", "storefile.bku.tmp", "printers.bku.tmp"})
            write(work, "half a copy");
    }
};

TEST_F(FileUtilities, BackupCopiesDatabaseSettingsAndPrinterTableAndTheNextReplacesThem) {
    // Work files left by an interrupted backup are replaced.
    leave_work_files();
    backup();
    EXPECT_TRUE(common::schema::is_household_database(path("ovra.bku")));
    EXPECT_EQ(count_rows("OVRAData", "ovra.bku"), 2);
    EXPECT_EQ(read("storefile.bku"), read("storefile.ovr"));
    EXPECT_EQ(read("printers.bku"), read("printers.ovr"));
    EXPECT_TRUE(leftovers().isEmpty());
    // The cursor is open again and the count shown is left alone.
    EXPECT_EQ(Data1().record_count(), 2);
    EXPECT_EQ(c().lblrecnum->text(), "2");

    store_household(household("Brown", "Ann"));
    write_settings({"FAMILY", "WORK", "CLUB"}, {2, 1, 1}, 0);
    write("printers.ovr", printers_with("Label Printer", 5));
    backup();
    EXPECT_EQ(count_rows("OVRAData", "ovra.bku"), 3);
    EXPECT_EQ(read("storefile.bku"), read("storefile.ovr"));
    EXPECT_EQ(read("printers.bku"), printers_with("Label Printer", 5));
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST_F(FileUtilities, BackupWithoutSettingsOrPrinterTableWritesTheDefaults) {
    backup();
    ASSERT_TRUE(QFile::remove(path("storefile.ovr")));
    ASSERT_TRUE(QFile::remove(path("printers.ovr")));
    backup();
    EXPECT_EQ(read("storefile.ovr"), common::format_storefile({}));
    EXPECT_EQ(read("printers.ovr"), kDefaultPrinters);
    // The old copies would not belong with the new database backup.
    EXPECT_FALSE(exists("storefile.bku"));
    EXPECT_FALSE(exists("printers.bku"));
    EXPECT_TRUE(exists("ovra.bku"));
    // The window keeps its names.
    EXPECT_EQ(m().heading[1], "FAMILY");
    EXPECT_EQ(c().Label[1]->text(), "FAMILY");
}

TEST_F(FileUtilities, AFailedBackupIsReportedAndKeepsTheWholePreviousSet) {
    // A settings copy that cannot be written: the others are made, the backup is incomplete.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("storefile.bku"));
    msgs.expect("The settings file could not be backed up.", platform::vbOK, vbExclamation,
                "Backup Incomplete");
    c().MnuBUDB->trigger();
    EXPECT_TRUE(exists("ovra.bku"));
    EXPECT_EQ(read("printers.bku"), read("printers.ovr"));

    ASSERT_TRUE(QDir(dir_.path()).rmdir("storefile.bku"));
    backup();
    const QByteArray old_db = read("ovra.bku");
    const QByteArray old_settings = read("storefile.bku");
    write_settings({"CHANGED"}, {1}, 0);
    write("ovra.mdb", "this is not a database");
    msgs.expect(damaged("backed up. The previous backup files were kept."), platform::vbOK,
                vbExclamation, "Backup Incomplete");
    c().MnuBUDB->trigger();
    EXPECT_EQ(read("ovra.bku"), old_db);
    EXPECT_EQ(read("storefile.bku"), old_settings);
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST_F(FileUtilities, BackupChangeRestoreGivesBackHouseholdsNamesAndCounts) {
    backup();
    const QByteArray backed_up_settings = read("storefile.bku");
    // Changes after the backup: a new household, renamed categories, new counts and labels,
    // two tracking reports (one not yet counted, as after a crash), another printer table. The
    // category store holds the new names.
    store_household(household("Brown", "Ann"));
    m().heading[1] = "RELATIVES";
    m().catcount[1] = 3;
    m().ReturnLabel[1] = "NEW LINE";
    m().Trackfile = 1;
    for (const char* report : {"PARTY.trk", "PICNIC.trk"})
        write(report, "0,\"R\",#2024-05-01#,#2024-06-01#\r\n");
    ASSERT_TRUE(m().write_storefile());
    m().show_record_count(3);
    write("printers.ovr", printers_with("Label Printer", 5));
    ASSERT_EQ(category_name(1), "RELATIVES");  // a reader leaves the store loaded
    form<modSetUpPrinters>().printer_table_loaded = -1;

    restore();
    EXPECT_EQ(count_rows("OVRAData"), 2);
    EXPECT_EQ(c().lblrecnum->text(), "2");
    EXPECT_EQ(Data1().record_count(), 2);
    EXPECT_EQ(m().heading[1], "FAMILY");
    EXPECT_EQ(m().catcount[1], 2);
    EXPECT_EQ(m().ReturnLabel[1], "THE SMITHS");
    EXPECT_EQ(m().Trackfile, 2);  // the reports on disk are not restored, and all count
    EXPECT_TRUE(c().mnuTrackingReports->isEnabled());
    EXPECT_EQ(c().Label[1]->text(), "FAMILY");
    EXPECT_EQ(c().lblcatcount[1]->text(), "2");
    EXPECT_EQ(category_name(1), "FAMILY");
    EXPECT_EQ(read("printers.ovr"), printers_with("Office Laser", 3));
    EXPECT_EQ(form<modSetUpPrinters>().printer_table_loaded, 0);
    // The settings file has the restored record with the current tracking count.
    EXPECT_NE(read("storefile.ovr"), backed_up_settings);
    EXPECT_EQ(read("storefile.ovr"),
              common::format_storefile(settings({"FAMILY", "WORK"}, {2, 1}, 2)));
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST_F(FileUtilities, RestoredCountsFollowTheRestoredHouseholdsAndRightOnesStayAsBackedUp) {
    // A backup of a settings file with wrong counts (a crash before the save's settings write):
    // the restored households decide.
    write_settings({"FAMILY", "WORK"}, {9, 0}, 0);
    backup();
    restore();
    EXPECT_EQ(m().catcount[1], 2);
    EXPECT_EQ(m().catcount[2], 1);
    EXPECT_EQ(c().lblcatcount[1]->text(), "2");
    EXPECT_EQ(read("storefile.ovr"),
              common::format_storefile(settings({"FAMILY", "WORK"}, {2, 1}, 0)));

    // Counts that agree leave the settings file as backed up; the record items come back.
    backup();
    delete_household("SMITH, JOHN");
    delete_household("JONES, MARY");
    ASSERT_FALSE(record_items_on());
    write_settings({"OTHER"}, {0}, 0);
    restore();
    EXPECT_EQ(read("storefile.ovr"), read("storefile.bku"));
    EXPECT_EQ(m().heading[2], "WORK");
    EXPECT_EQ(c().lblrecnum->text(), "2");
    EXPECT_TRUE(record_items_on());
}

TEST_F(FileUtilities, RestoreWithoutSettingsOrPrinterCopiesRereadsOrReportsTheCurrentFiles) {
    backup();
    ASSERT_TRUE(QFile::remove(path("storefile.bku")));
    ASSERT_TRUE(QFile::remove(path("printers.bku")));
    write_settings({"CLUB"}, {0}, 0);
    const QByteArray printers = read("printers.ovr");
    restore();
    EXPECT_EQ(m().heading[1], "CLUB");
    EXPECT_EQ(m().heading[2], "");
    EXPECT_EQ(read("printers.ovr"), printers);

    // A printer table that cannot be written back is reported.
    backup();
    ASSERT_TRUE(QFile::remove(path("printers.ovr")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("printers.ovr"));
    restore("The households were restored, but the printer table could not be restored.");
    EXPECT_EQ(m().heading[1], "CLUB");
    EXPECT_EQ(c().lblrecnum->text(), "2");
}

TEST_F(FileUtilities, ARestoreAnsweredNoOrOfAMissingOrDamagedBackupChangesNothing) {
    backup();
    const QByteArray sound_backup = read("ovra.bku");
    store_household(household("Brown", "Ann"));
    m().show_record_count(3);
    write_settings({"CHANGED"}, {0}, 0);
    const QByteArray db = read("ovra.mdb");
    const QByteArray settings_file = read("storefile.ovr");
    const QByteArray printers = read("printers.ovr");

    const QString damaged =
        "The database backup ovra.bku is damaged and cannot be restored. Nothing was changed.";
    const std::pair<QByteArray, QString> cases[] = {
        {sound_backup, ""},  // the question answered No
        {QByteArray(), "Backup File Not Available."},
        {"not a database", damaged},
        {sound_backup.left(sound_backup.size() / 2), damaged}};
    for (const auto& [bad, message] : cases) {
        if (message.isEmpty()) {
            msgs.expect(restore_question(), platform::vbNo, platform::vbYesNo + vbExclamation,
                        "Restore Files");
            c().MnuResDB->trigger();
            write("storefile.bku", "\"STALE\",9\r\n");
        } else {
            if (bad.isNull())
                ASSERT_TRUE(QFile::remove(path("ovra.bku")));
            else
                write("ovra.bku", bad);
            restore(message);
        }
        EXPECT_EQ(read("ovra.mdb"), db);
        EXPECT_EQ(read("storefile.ovr"), settings_file);
        EXPECT_EQ(read("printers.ovr"), printers);
        EXPECT_EQ(m().heading[1], "FAMILY");
        EXPECT_EQ(c().lblrecnum->text(), "3");
        EXPECT_EQ(Data1().record_count(), 3);
        EXPECT_TRUE(leftovers().isEmpty());
    }
}

TEST_F(FileUtilities, ARestoreNeverCombinesFilesOfDifferentBackupsWithoutSayingSo) {
    backup();
    const QStringList files = {"ovra.bku", "backup.set", "storefile.bku", "printers.bku"};
    QList<QByteArray> first;
    for (const QString& f : files) first << read(f);
    store_household(household("Brown", "Ann"));
    write_settings({"RELATIVES", "WORK"}, {2, 1}, 0);
    write("printers.ovr", printers_with("Label Printer", 5));
    backup();
    QList<QByteArray> second;
    for (const QString& f : files) second << read(f);

    const QString both =
        "The backup files are not one set: the backups of the settings file and the printer "
        "table were not made with the backup of the households, so the current settings file "
        "and printer table are kept.";
    const QString settings_only =
        "The backup files are not one set: the backup of the settings file was not made with the "
        "backup of the households, so the current settings file is kept.";
    struct Case {
        QList<QByteArray> set;  // ovra.bku, backup.set, storefile.bku, printers.bku
        QString mixed;
        int households;
        QString name1;
        QByteArray printers;
    };
    const Case cases[] = {
        // The second backup cut short after putting ovra.bku in place.
        {{second[0], first[1], first[2], first[3]}, both, 3, "CLUB", printers_with("Den", 2)},
        // A settings copy of the first backup put back by hand.
        {{second[0], second[1], first[2], second[3]},
         settings_only,
         3,
         "CLUB",
         printers_with("Label Printer", 5)},
        // Cut short while making its copies: the first set is whole, and restored whole.
        {first, {}, 2, "FAMILY", printers_with("Office Laser", 3)},
    };
    for (const Case& k : cases) {
        for (int i = 0; i < files.size(); ++i) write(files[i], k.set[i]);
        leave_work_files();
        write_settings({"CLUB"}, {0}, 0);
        write("printers.ovr", printers_with("Den", 2));
        if (k.mixed.isEmpty())
            restore();
        else
            restore("The households were restored.\n" + k.mixed, k.mixed);
        EXPECT_EQ(count_rows("OVRAData"), k.households);
        EXPECT_EQ(m().heading[1], k.name1);
        EXPECT_EQ(read("printers.ovr"), k.printers);
    }
}

TEST_F(FileUtilities, CompactionKeepsEveryRowIsNeverBlockedByALeftoverAndFailsSafely) {
    common::ChildrenRecord kids;
    kids.keyname = "SMITH, JOHN";
    kids.child[1] = "AMY";
    store_children(kids);
    common::SecondAddressRecord second;
    second.keyname = "JONES, MARY";
    second.city = "DENVER";
    store_second_address(second);
    m().show_record_count(7);  // the counter is not the compaction's business
    // What a killed compaction leaves (its half-written work file), and a DB2.mdb of the user's.
    write("ovra.mdb.tmp", "half a database");
    write("DB2.mdb", "the user's own file");

    msgs.expect("Compression Complete", platform::vbOK, vbInformation, "Compression Complete");
    c().MnuCmpDB->trigger();
    EXPECT_TRUE(leftovers().isEmpty());
    EXPECT_EQ(read("DB2.mdb"), "the user's own file");
    EXPECT_EQ(count_rows("OVRAData"), 2);
    EXPECT_EQ(count_rows("Children"), 1);
    EXPECT_EQ(count_rows("Address"), 1);
    ASSERT_TRUE(seek_key("jones, mary"));
    EXPECT_EQ(Data1().field("keyname").toString(), "JONES, MARY");
    EXPECT_EQ(c().lblrecnum->text(), "7");

    write("ovra.mdb", "damaged");
    msgs.expect(damaged("compressed. It was left as it was."), platform::vbOK, vbExclamation,
                "Compression Incomplete");
    c().MnuCmpDB->trigger();
    EXPECT_EQ(read("ovra.mdb"), "damaged");
    EXPECT_FALSE(exists("ovra.mdb.tmp"));
}

TEST_F(FileUtilities, ADamagedAddressBookNeverReplacesTheBackupAndIsNotCompressed) {
    store_numbered_households(300);
    restart_program();
    backup();
    const QStringList set = {"ovra.bku", "storefile.bku", "printers.bku", "backup.set"};
    QList<QByteArray> good;
    for (const QString& f : set) good << read(f);
    damage_page_holding("MARK150");
    const QByteArray damaged_book = read("ovra.mdb");
    start_again();
    ASSERT_EQ(shown_.size(), 1);  // the start says so

    msgs.expect(damaged("backed up. The previous backup files were kept."), platform::vbOK,
                vbExclamation, "Backup Incomplete");
    msgs.expect(damaged("compressed. It was left as it was."), platform::vbOK, vbExclamation,
                "Compression Incomplete");
    app_->set_msgbox_hook([this](const platform::MsgBoxCall& c) { return msgs.answer(c); });
    c().MnuBUDB->trigger();
    c().MnuCmpDB->trigger();
    for (int i = 0; i < set.size(); ++i) EXPECT_EQ(read(set[i]), good[i]) << set[i].toStdString();
    EXPECT_EQ(read("ovra.mdb"), damaged_book);
    restore();
    EXPECT_EQ(count_rows("OVRAData"), 302);
}

TEST_F(FileUtilities, ABackupCutShortAtAnyStepLeavesASetThatRestoresWhole) {
    cut_short_at_every_step(
        &frmOVRA::MnuBUDB_Click,
        "The last backup was cut short after its files were made, and it has now been finished: "
        "the backup files are one set.",
        "The last backup was cut short before it was finished. The previous backup files were "
        "kept; make the backup again (File Utilities, Backup Files).",
        [this](int n, bool finished) {
            m().MnuResDB_Click();
            EXPECT_EQ(shown_.last(), "Restore Complete") << n;
            EXPECT_EQ(state(), finished ? today_ : backed_up_) << n;
        });
}

TEST_F(FileUtilities, ARestoreCutShortAtAnyStepIsFinishedOrUndoneAtTheNextStart) {
    cut_short_at_every_step(
        &frmOVRA::MnuResDB_Click,
        "The last restore was cut short after its files were made, and it has now been "
        "finished: the households, the settings file and the printer table are those of the "
        "backup.",
        "The last restore was cut short before it changed anything. The households, the "
        "settings file and the printer table are as they were; restore again if you still want "
        "the backup (File Utilities, Restore Files).",
        [this](int n, bool finished) { EXPECT_EQ(state(), finished ? backed_up_ : today_) << n; });
}

TEST_F(FileUtilities, ABackupWithoutBackupSetIsRestoredWholeNamingItsFiles) {
    backup();
    ASSERT_TRUE(QFile::remove(path("backup.set")));
    store_household(household("Brown", "Ann"));
    write_settings({"CLUB"}, {0}, 0);
    write("printers.ovr", printers_with("Den", 2));
    msgs.expect(restore_question() +
                    "\nThis backup does not record which of its files belong together (it was "
                    "made by an earlier version, or its files were copied here), so all of it is "
                    "restored: the households, the settings file and the printer table.",
                platform::vbYes, platform::vbYesNo + vbExclamation, "Restore Files");
    msgs.expect("Restore Complete", platform::vbOK, vbInformation, "Restore Complete");
    c().MnuResDB->trigger();
    EXPECT_EQ(state(), std::make_tuple(2, QString("FAMILY"), printers_with("Office Laser", 3)));
}

// A power cut past the commit point loses what the kernel had not written: every work file the
// record names, and its name in the folder, must be on the disk before the record says so.
TEST_F(FileUtilities, EveryWorkFileIsOnTheDiskBeforeTheChangeIsCommitted) {
    QStringList steps;
    const QString folder = QDir(dir_.path()).absolutePath();
    platform::set_file_sync_hook([&](const QString& p) {
        steps << "sync " + (p == folder ? QString(".") : QFileInfo(p).fileName());
    });
    platform::set_file_change_hook([&](const QString& p) {
        const QString name = QFileInfo(p).fileName();
        if (name == "ovra.pending" && read("ovra.pending.tmp").contains("COMMITTED"))
            steps << "commit";
        else if (name != "ovra.pending" && exists(name + ".tmp"))
            steps << "put " + name;
    });
    const auto check = [&](const QString& what) {
        const qsizetype commit = steps.indexOf("commit");
        ASSERT_GE(commit, 0) << what.toStdString();
        int put = 0;
        for (qsizetype i = commit; i < steps.size(); ++i) {
            if (!steps[i].startsWith("put ")) continue;
            ++put;
            const qsizetype synced = steps.indexOf("sync " + steps[i].mid(4) + ".tmp");
            EXPECT_TRUE(synced >= 0 && synced < commit)
                << what.toStdString() << ": " << steps[i].toStdString();
            EXPECT_GT(steps.lastIndexOf("sync .", commit), synced) << what.toStdString();
        }
        EXPECT_GE(put, 3) << what.toStdString();
        steps.clear();
    };
    backup();
    check("backup");
    restore();
    check("restore");
    platform::set_file_sync_hook({});
    platform::set_file_change_hook({});
}

// Only outside damage or a person makes such a record, but the start must never turn it into a
// lost address book: it changes none of the files in use and says what the user can do.
TEST_F(FileUtilities, AnInterruptedChangeRecordNotWholeOrNotTheProgramsIsNeverCarriedOut) {
    backup_then_change();
    kill_restore_after_its_commit();
    const QStringList files = {"ovra.mdb",     "storefile.ovr",     "printers.ovr",    "ovra.lock",
                               "ovra.mdb.tmp", "storefile.ovr.tmp", "printers.ovr.tmp"};
    QList<QByteArray> before;
    for (const QString& f : files) before << read(f);
    const QByteArray record = read("ovra.pending");
    ASSERT_TRUE(record.contains("COMMITTED"));

    const qsizetype second_step = record.indexOf("storefile.ovr");
    const auto edited = [&](const char* from, const char* to) {
        QByteArray r = record;
        EXPECT_TRUE(r.contains(from));
        return r.replace(from, to);
    };
    const QList<QByteArray> damaged = {
        record.left(record.indexOf("\r\n") + 2),              // its first line only
        record.left(record.indexOf("REN", second_step) + 3),  // cut inside a step
        record.left(record.indexOf("\"END\"")),               // all steps, no closing line
        record.left(record.size() - 2),
        QByteArray(),
        edited("\"ovra.mdb\",\"RENAME\"", "\"ovra.mdb\",\"DELETE\""),
        edited("\"printers.ovr\",\"RENAME\"", "\"ovra.lock\",\"DELETE\""),
        edited("\"storefile.ovr\"", "\"../storefile.ovr\""),
        edited("\"RESTORE\"", "\"BACKUP\""),
    };
    const QString unreadable =
        "A backup or restore was cut short, and what it still had to do could not be read, so "
        "nothing more was changed. Look over the households and the category names; File "
        "Utilities, Restore Files brings back the last backup.";
    for (int k = 0; k <= damaged.size(); ++k) {
        for (int i = 0; i < files.size(); ++i) write(files[i], before[i]);
        write("ovra.pending", k < damaged.size() ? damaged[k] : record);
        start_again();
        EXPECT_FALSE(exists("ovra.pending")) << k;
        EXPECT_TRUE(leftovers().isEmpty()) << k;
        EXPECT_EQ(read("ovra.lock"), before[3]) << k;
        if (k == damaged.size()) {  // the whole record, as written, is finished
            EXPECT_EQ(state(), backed_up_);
            break;
        }
        EXPECT_EQ(shown_, QStringList{unreadable}) << k;
        EXPECT_EQ(state(), today_) << k;
    }
}

TEST_F(FileUtilities, AFinishedRestoreNamesOnlyWhatItPutInPlace) {
    backup_then_change();
    ASSERT_TRUE(QFile::remove(path("printers.bku")));
    kill_restore_after_its_commit();
    start_again();
    EXPECT_EQ(shown_, QStringList{"The last restore was cut short after its files were made, and "
                                  "it has now been finished: the households and the settings "
                                  "file are those of the backup."});
    EXPECT_EQ(state(), std::make_tuple(2, QString("FAMILY"), printers_with("Den", 2)));
}

TEST_F(FileUtilities, WhenTheFirstFileCannotBePutInPlaceNoneOfTheOthersIs) {
    backup_then_change();
    const QStringList kept = {"storefile.bku", "printers.bku", "backup.set", "storefile.ovr",
                              "printers.ovr"};
    QList<QByteArray> before;
    for (const QString& f : kept) before << read(f);
    for (const char* first : {"/ovra.bku", "/ovra.mdb"}) {
        platform::set_file_change_hook([first](const QString& p) {
            if (p.endsWith(first))
                throw platform::VbError(platform::kErrPathFileAccess, "disk full");
        });
        if (QString(first) == "/ovra.bku") {
            msgs.expect("The database could not be backed up. The previous backup files were kept.",
                        platform::vbOK, vbExclamation, "Backup Incomplete");
            c().MnuBUDB->trigger();
        } else {
            restore("The backup could not be restored. Nothing was changed.");
        }
        platform::set_file_change_hook({});
        for (int i = 0; i < kept.size(); ++i) EXPECT_EQ(read(kept[i]), before[i]) << first;
        EXPECT_EQ(count_rows("OVRAData"), 3) << first;
        EXPECT_TRUE(leftovers().isEmpty()) << first;
    }
}

// A copy is dropped from the set only when its file is gone, never because copying it failed.
TEST_F(FileUtilities, ABackupCopyThatCouldNotBeMadeLeavesThePreviousCopy) {
    backup();
    const QByteArray previous = read("storefile.bku");
    ASSERT_TRUE(QFile::remove(path("storefile.ovr")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("storefile.ovr"));  // neither copied nor replaced
    msgs.expect("The settings file could not be backed up.", platform::vbOK, vbExclamation,
                "Backup Incomplete");
    c().MnuBUDB->trigger();
    EXPECT_EQ(read("storefile.bku"), previous);
    EXPECT_TRUE(leftovers().isEmpty());
}

}  // namespace
