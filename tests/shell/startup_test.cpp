#include <sqlite3.h>
#include <sys/stat.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <optional>
#include <tuple>

#include "common/settings.h"
#include "fixture.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "shell/frmOVRA.h"
#include "shell/frmSplash.h"
#include "shell/frmdatabase.h"

using platform::form;

namespace {

class StartUp : public testing_support::OvraTest {
protected:
    frmOVRA_ui::Controls& main() { return form<frmOVRA>().ui(); }
    bool record_items_on() {
        auto& c = main();
        const bool on = c.MnuRecordEdit->isEnabled();
        for (QAction* a : {c.MnuRecordBrowse, c.MnuDeleteRecord, c.mnuMoveRemoveNames,
                           c.mnuMove1To2, c.MnuMoveChildren})
            EXPECT_EQ(a->isEnabled(), on) << a->objectName().toStdString();
        EXPECT_TRUE(c.MnuRecordNew->isEnabled());
        return on;
    }
    void write_settings(const std::array<QString, 13>& names, int count, int trackfile = 1) {
        common::StorefileRecord r;
        r.heading = names;
        for (int i = 1; i <= 12; ++i) r.catcount[i] = count;
        r.ReturnLabel = {QString(), "A", "B", "C"};
        r.Trackfile = trackfile;
        common::write_storefile(path("storefile.ovr"), r);
    }
};

TEST_F(StartUp, FreshInstallShowsTheMainWindowWithNoHouseholdsThenTheRealCount) {
    start_program();
    EXPECT_FALSE(form<frmSplash>().is_loaded());
    ASSERT_TRUE(form<frmOVRA>().is_shown());
    EXPECT_EQ(main().lblrecnum->text(), "0");
    EXPECT_FALSE(record_items_on());
    EXPECT_FALSE(main().mnuTrackingReports->isEnabled());
    EXPECT_FALSE(main().lblTime->text().isEmpty());
    EXPECT_FALSE(main().lblDate->text().isEmpty());

    // Without a settings file the households are counted, and no file is made by starting.
    store_household(household("O'Brien", "Ann"));
    store_household(household("Smith", "John"));
    restart_program();
    EXPECT_EQ(main().lblrecnum->text(), "2");
    EXPECT_TRUE(record_items_on());
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(form<frmOVRA>().heading[n], "");
        EXPECT_EQ(form<frmOVRA>().catcount[n], 0);
    }
    EXPECT_FALSE(exists("storefile.ovr"));
}

TEST_F(StartUp, AnAddressBookThatCannotBeOpenedIsExplainedAtStartAndByEachCommand) {
    const QString folder = QDir::toNativeSeparators(dir_.path());
    const QString db = QDir::toNativeSeparators(path("ovra.mdb"));
    const QByteArray truncated = read("ovra.mdb").left(2048);
    auto put = [this](QByteArray bytes) { return [this, bytes] { write("ovra.mdb", bytes); }; };
    const std::vector<std::pair<std::function<void()>, QString>> cases = {
        {[this] { QFile::remove(path("ovra.mdb")); },
         "The file ovra.mdb is missing from the program folder " + folder + "."},
        {put("a letter, not a database"), "The file " + db + " is not an address book database."},
        {put(truncated), "The file " + db + " is damaged."},
        {[this] {
             QFile::remove(path("ovra.mdb"));
             QDir(dir_.path()).mkdir("ovra.mdb");
         },
         db + " is a folder, not the address book file: move or rename it."}};
    for (const auto& [make, why] : cases) {
        make();
        const QFileInfo before(path("ovra.mdb"));
        const QString message = "The address book could not be opened.\n" + why +
                                "\nRestore a backup (File Utilities, Restore Files) or put the "
                                "file back, then try again.";
        msgs.expect(message, platform::vbOK, platform::vbExclamation, "Address Book Not Available");
        restart_program();
        EXPECT_EQ(main().lblrecnum->text(), "0");
        EXPECT_FALSE(record_items_on());
        // Every command that needs the households says the same, never an internal error.
        for (QObject* command : std::initializer_list<QObject*>{
                 main().comnewrecord, main().Comeditrecord, main().MnuBUDB, main().mnuImport,
                 main().mnuExport, main().Comprintrec}) {
            msgs.expect(message, platform::vbOK, platform::vbExclamation,
                        "Address Book Not Available");
            if (auto* button = qobject_cast<QAbstractButton*>(command))
                click(button);
            else
                static_cast<QAction*>(command)->trigger();
        }
        EXPECT_TRUE(form<frmOVRA>().enabled());
        // Never created nor replaced.
        const QFileInfo after(path("ovra.mdb"));
        EXPECT_EQ(after.exists(), before.exists());
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_FALSE(exists("ovra.bku"));
    }
}

// Makes SQLite open one file as it does one on a read-only medium or without write permission:
// the write open is refused and it falls back to reading. Works for root too, whom permissions
// do not stop.
class ReadOnlyMedium {
public:
    explicit ReadOnlyMedium(const QString& file) {
        static sqlite3_vfs vfs = [] {
            real_ = sqlite3_vfs_find(nullptr);
            sqlite3_vfs v = *real_;
            v.zName = "read-only-medium";
            v.xOpen = &open;
            return v;
        }();
        vfs_ = &vfs;
        file_ = QFileInfo(file).canonicalFilePath();
        sqlite3_vfs_register(vfs_, 1);
    }
    ~ReadOnlyMedium() {
        // A connection still open keeps reading through the vfs, which stays.
        sqlite3_vfs_unregister(vfs_);
        file_.clear();
    }

private:
    static int open(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* out) {
        if (name && (flags & SQLITE_OPEN_MAIN_DB) &&
            QFileInfo(QFile::decodeName(name)).canonicalFilePath() == file_)
            flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
        return real_->xOpen(real_, name, f, flags, out);
    }
    static inline sqlite3_vfs* real_ = nullptr;
    static inline QString file_;
    sqlite3_vfs* vfs_ = nullptr;
};

TEST_F(StartUp, ADamagedOrReadOnlyAddressBookIsReportedAtStartAndStaysOpen) {
    store_numbered_households(300);
    const QString db = QDir::toNativeSeparators(path("ovra.mdb"));
    std::optional<ReadOnlyMedium> medium;
    const std::vector<std::tuple<std::function<void()>, QString, QString>> cases = {
        {[&] { medium.emplace(path("ovra.mdb")); },
         "The address book " + db +
             " can be read but not changed: the file cannot be opened for writing (check its "
             "permissions, or whether its disk is read-only). Changes cannot be saved until "
             "that is put right.",
         "Address Book Read-Only"},
        {[&] {
             medium.reset();
             // The table page holding one household's address.
             damage_page_holding("MARK005");
         },
         "The address book " + db +
             " is damaged: part of it cannot be read, and changes saved into it may be lost.\n"
             "File Utilities, Restore Files brings back the last backup. What can still be read "
             "can be exported first (File Utilities, Export To Text).",
         "Address Book Damaged"}};
    for (const auto& [make, message, title] : cases) {
        make();
        msgs.expect(message, platform::vbOK, platform::vbExclamation, title);
        restart_program();
        // Still open, so what can be read can be exported or printed.
        EXPECT_EQ(main().lblrecnum->text(), "300");
        EXPECT_TRUE(record_items_on());
        EXPECT_TRUE(address_book_available());
    }
}

TEST_F(StartUp, CountsThatDriftedFromHouseholdsAndReportsAreRecountedAndRewritten) {
    // As after a crash between a save's commit and its settings write: two households in
    // FAMILY, the file still says one (and seven in an unnamed slot). And as after one between
    // writing a report and counting it: two reports, the file counts none ("OLD.TRK" is not one).
    std::array<QString, 13> names{};
    names[1] = "FAMILY";
    write_settings(names, 1, 0);
    for (const char* first : {"Ann", "Bob"}) {
        auto h = household("Smith", first);
        h.category[1] = "Y";
        store_household(h);
    }
    for (const char* report : {"PARTY.trk", "PICNIC.trk", "OLD.TRK"})
        write(report, "0,\"R\",#2024-05-01#,#2024-06-01#\r\n");
    start_program();
    // The names and return-label lines come from the file, the counts from the households.
    EXPECT_EQ(form<frmOVRA>().heading[1], "FAMILY");
    EXPECT_EQ(form<frmOVRA>().ReturnLabel[3], "C");
    EXPECT_EQ(main().lblrecnum->text(), "2");
    EXPECT_EQ(form<frmOVRA>().catcount[1], 2);
    EXPECT_EQ(form<frmOVRA>().catcount[2], 0);
    EXPECT_EQ(main().lblcatcount[1]->text(), "2");
    EXPECT_EQ(form<frmOVRA>().Trackfile, 2);
    EXPECT_TRUE(main().mnuTrackingReports->isEnabled());
    common::StorefileRecord back;
    ASSERT_EQ(common::read_storefile(path("storefile.ovr"), back), common::ReadStatus::Complete);
    EXPECT_EQ(back.catcount[1], 2);
    EXPECT_EQ(back.catcount[2], 0);
    EXPECT_EQ(back.ReturnLabel[1], "A");
    EXPECT_EQ(back.Trackfile, 2);

    // Reports gone from the disk are no longer counted; at none the menu is off.
    for (const auto& [gone, left] : {std::pair{"PARTY.trk", 1}, {"PICNIC.trk", 0}}) {
        ASSERT_TRUE(QFile::remove(path(gone)));
        restart_program();
        EXPECT_EQ(form<frmOVRA>().Trackfile, left);
        EXPECT_EQ(main().mnuTrackingReports->isEnabled(), left != 0);
        ASSERT_EQ(common::read_storefile(path("storefile.ovr"), back),
                  common::ReadStatus::Complete);
        EXPECT_EQ(back.Trackfile, left);
    }

    // Without a settings file the counts are right in memory, and no file is made.
    write("PARTY.trk", "0,\"R\",#2024-05-01#,#2024-06-01#\r\n");
    ASSERT_TRUE(QFile::remove(path("storefile.ovr")));
    restart_program();
    EXPECT_EQ(form<frmOVRA>().catcount[1], 2);
    EXPECT_EQ(form<frmOVRA>().Trackfile, 1);
    EXPECT_TRUE(main().mnuTrackingReports->isEnabled());
    EXPECT_FALSE(exists("storefile.ovr"));
}

// Flags stored by an earlier build or by hand that disagree with the household's names heal at
// the start, so every list says the same about a household's children.
TEST_F(StartUp, ChildrenFlagsHealAtStartSoEveryListAgreesWithTheNames) {
    std::array<QString, 13> names{};
    names[1] = "FAMILY";
    write_settings(names, 2, 0);
    auto zero = household("Zero", "Flo");
    zero.childflag = 0;
    auto stale = household("Stale", "Sam");
    stale.childflag = 2;  // and no Children row
    for (auto* h : {&zero, &stale}) {
        h->category[1] = "Y";
        store_household(*h);
    }
    store_children({"ZERO, FLO", {"", "AMY", " ", "BEN"}});
    start_program();
    EXPECT_EQ(household_row("ZERO, FLO").childflag, 2);
    EXPECT_EQ(household_row("STALE, SAM").childflag, 0);

    // The lines of the list a command opens; the window is then cancelled.
    auto listed = [this](const std::function<void()>& command, const char* window,
                         const char* list) {
        QStringList lines;
        modals.on(window, [&](platform::Window& w) {
            const auto* box = w.widget()->findChild<QListWidget*>(list);
            for (int i = 0; box && i < box->count(); ++i) lines << box->item(i)->text();
            w.close_box();
        });
        command();
        return lines;
    };
    const QStringList both = {"STALE, SAM", "ZERO, FLO AND FAMILY"};
    EXPECT_EQ(listed([this] { click(main().Comeditrecord); }, "FrmGetAddress", "LstGetAddress1"),
              both);
    EXPECT_EQ(listed([this] { click(main().Comprintrec); }, "frmprint", "lstselection"), both);
    EXPECT_EQ(listed([this] { click(main().cmdButton[1]); }, "frmCategoryList", "List1"), both);
    EXPECT_EQ(
        listed([this] { main().MnuMoveChildren->trigger(); }, "FrmGetAddress", "LstGetAddress1"),
        QStringList{"ZERO, FLO"});
}

TEST_F(StartUp, TheHealCountsANameInEveryChildBoxTheSixthToo) {
    auto sixth = household("Sixth", "Sue");
    sixth.childflag = 0;
    store_household(sixth);
    store_children({"SIXTH, SUE", {"", "", "", "", "", "", "ZOE"}});
    start_program();
    EXPECT_EQ(household_row("SIXTH, SUE").childflag, 1);
}

TEST_F(StartUp, DamagedSettingsFileIsReportedOnceKeptAndReadItemByItem) {
    // A count that is not a number, then bytes that were never text in a name.
    const QByteArray damaged = "\"FAMILY\",oops,\"WORK\",0,\"CL\x01\x02UB\",0" +
                               QByteArray(",\"\",0").repeated(9) +
                               ",\"LINE 1\",\"LINE 2\",\"LINE 3\",2\r\n";
    write("storefile.ovr", damaged);
    msgs.expect(
        "The settings file storefile.ovr could not be read whole. What could not be read "
        "(category names, return-label lines) starts empty; the category counts are taken from "
        "the address book and the number of tracking reports from the program folder.\nThe "
        "damaged file was kept as storefile.ovr.bad.",
        platform::vbOK, platform::vbExclamation, "Settings File Damaged");
    start_program();
    auto& m = form<frmOVRA>();
    EXPECT_TRUE(m.is_shown());
    EXPECT_EQ(m.heading[1], "FAMILY");
    EXPECT_EQ(m.heading[2], "WORK");
    EXPECT_EQ(m.heading[3], "");
    EXPECT_EQ(m.ReturnLabel[3], "LINE 3");
    EXPECT_EQ(m.Trackfile, 0);  // counted from the program folder
    EXPECT_EQ(read("storefile.ovr.bad"), damaged);
    // The file is whole again, so the next start says nothing.
    common::StorefileRecord back;
    EXPECT_EQ(common::read_storefile(path("storefile.ovr"), back), common::ReadStatus::Complete);
    EXPECT_EQ(back.heading[2], "WORK");
    restart_program();
    EXPECT_EQ(form<frmOVRA>().ReturnLabel[1], "LINE 1");
}

TEST_F(StartUp, ASecondCopyEndsWithoutAWord) {
    ASSERT_TRUE(app_->acquire_single_instance());
    platform::App second(dir_.path());
    second.set_quit_on_end(false);
    EXPECT_THROW(form<frmSplash>().show(), platform::VbError);
    EXPECT_FALSE(form<frmSplash>().is_loaded());
    EXPECT_FALSE(form<frmOVRA>().is_loaded());
}

TEST_F(StartUp, WorkFilesOfWritesCutShortAreClearedAtTheNextStartAndNoOtherFile) {
    write_settings({"", "FAMILY"}, 0);
    start_program();
    const QByteArray settings = read("storefile.ovr");
    // A settings write killed just before its rename leaves its whole work copy.
    struct Killed {};
    platform::set_file_change_hook([](const QString&) { throw Killed{}; });
    form<frmOVRA>().heading[1] = "CHANGED";
    EXPECT_THROW(form<frmOVRA>().write_storefile(), Killed);
    platform::set_file_change_hook({});
    ASSERT_TRUE(exists("storefile.ovr.tmp"));
    const QStringList ours = {"printers.ovr.tmp", "PARTY.trk.tmp", "backup.set.tmp",
                              "ovra.bku.tmp",     "ovra.mdb.tmp",  "storefile.ovr.bad.tmp"};
    const QStringList users = {"notes.tmp", "PARTY.trk.backup", "storefile.ovr.old", "tempfile.tmp",
                               "ovra.mdb.tmp.keep"};
    for (const QString& f : ours + users) write(f, "x");
    restart_program();
    for (const QString& f : ours + QStringList{"storefile.ovr.tmp"})
        EXPECT_FALSE(exists(f)) << f.toStdString();
    for (const QString& f : users) EXPECT_TRUE(exists(f)) << f.toStdString();
    EXPECT_EQ(read("storefile.ovr"), settings);
}

// The process that holds the lock on a program folder's ovra.lock, 0 when none does.
qint64 lock_holder(const QString& lock_file) {
    struct stat st {};
    if (::stat(QFile::encodeName(lock_file).constData(), &st) != 0) return 0;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly)) return 0;
    // "1: FLOCK  ADVISORY  WRITE 4242 fd:01:1234567 0 EOF"
    for (const QString& line : QString::fromLatin1(locks.readAll()).split('\n')) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() > 5 && f[1] == "FLOCK" && f[5].section(':', -1).toULongLong() == st.st_ino)
            return f[4].toLongLong();
    }
    return 0;
}

TEST_F(StartUp, OneCopyPerProgramFolderWhateverItsEnvironmentAndAKilledCopyBlocksNothing) {
    // The program as installed: its executable in the program folder.
    ASSERT_TRUE(QFile::copy(QStringLiteral(OVRA_EXECUTABLE), path("ovra")));
    QTemporaryDir runtime[2];
    auto start = [&](const QTemporaryDir& own_runtime) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", own_runtime.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p->setProcessEnvironment(env);
        p->start(path("ovra"), {});
        EXPECT_TRUE(p->waitForStarted());
        return p;
    };
    auto holds_the_folder = [&](const QProcess& p) {
        for (int i = 0; i < 300 && lock_holder(path("ovra.lock")) != p.processId(); ++i)
            QThread::msleep(50);
        return lock_holder(path("ovra.lock")) == p.processId();
    };

    auto first = start(runtime[0]);
    ASSERT_TRUE(holds_the_folder(*first));
    // Another copy on the folder, with its own runtime folder, ends by itself.
    auto second = start(runtime[1]);
    EXPECT_TRUE(second->waitForFinished(30000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    // Killed outright, the first copy blocks no later start.
    first->kill();
    ASSERT_TRUE(first->waitForFinished(30000));
    auto third = start(runtime[1]);
    EXPECT_TRUE(holds_the_folder(*third));
    EXPECT_EQ(third->state(), QProcess::Running);
}

TEST_F(StartUp, TheMainWindowCannotBeClosedOnlyExitedByTheMenuOrTheButton) {
    for (bool button : {false, true}) {
        restart_program();
        auto& m = form<frmOVRA>();
        EXPECT_FALSE(m.widget()->windowFlags() & Qt::WindowCloseButtonHint);
        QCloseEvent close;
        QCoreApplication::sendEvent(m.widget(), &close);
        EXPECT_TRUE(m.is_shown());
        EXPECT_FALSE(app_->ended());
        if (button)
            click(main().Comquit);
        else
            m.ui().MnuExit->trigger();
        EXPECT_FALSE(m.is_loaded());
        EXPECT_TRUE(app_->ended());
    }
}

}  // namespace
