// Every window of the program, in each of its layouts, shows all of itself: each visible control
// lies inside the window's client area and inside the frame that holds it.
#include <QDir>
#include <set>

#include "../changes/changes_fixture.h"
#include "common/tracking_file.h"
#include "editor/Frmaddress2.h"
#include "editor/Frmchildren.h"
#include "exchange/frmExport.h"
#include "exchange/frmImport.h"
#include "platform/mail.h"
#include "printing/FrmInvalid.h"
#include "printing/frmFileName.h"
#include "printing/frmprint.h"
#include "printing/label_run.h"
#include "reports/Frmchildprint.h"
#include "reports/frmCategoryList.h"
#include "reports/frmGetTrackingFile.h"
#include "reports/frmQuickprint.h"
#include "reports/frmSingle.h"
#include "reports/frmTrackGrid.h"
#include "reports/frmTrackUpdate.h"
#include "shell/FrmHeadingCreate.h"
#include "shell/frmAbout.h"
#include "shell/frmEmail.h"
#include "shell/frmSplash.h"
#include "shell/frmdatabase.h"
#include "shell/modCategory_setup.h"

using platform::form;
using platform::Window;

namespace {

class WindowsFit : public ChangesTest {
protected:
    void SetUp() override {
        ChangesTest::SetUp();
        // A couple with a second address and two children, and households of 1 to 6 children.
        store_full_family(couple("Smith", "John", "JANE", "JONES"));
        for (int n = 1; n <= 6; ++n) {
            auto h = household("Kids", QString::number(n));
            h.childflag = n;
            store_household(h);
            common::ChildrenRecord kids{h.keyname, {}};
            for (int i = 1; i <= n; ++i) kids.child[i] = "CHILD" + QString::number(i);
            store_children(kids);
        }
        // The start-up, as start_program runs it, with the splash window shown.
        auto& splash = form<frmSplash>();
        splash.show();
        fits(splash, "design");
        splash.tmrSplash_Timer();
    }
    static constexpr const char* kSmith = "SMITH, JOHN & JANE JONES AND FAMILY";

    void fits(Window& w, const std::string& layout) {
        QWidget* window = w.widget();
        checked_.insert(w.name());
        EXPECT_EQ(controls_cut_off(window), QStringList())
            << w.name().toStdString() << ", " << layout << ": outside " << window->width() << "x"
            << window->height();
        // With OVRA_SNAPSHOTS set to a folder, every checked layout is saved there as a picture.
        if (const QString folder = qEnvironmentVariable("OVRA_SNAPSHOTS"); !folder.isEmpty())
            window->grab().save(
                QDir(folder).filePath(w.name() + " " + QString::fromStdString(layout) + ".png"));
    }
    // The next modal window `name` is checked, then `act` runs in it (by default it is closed).
    void next_fits(
        const char* name, const std::string& layout,
        std::function<void(Window&)> act = [](Window& w) { w.hide(); }) {
        modals.on(name, [this, layout, act](Window& w) {
            fits(w, layout);
            act(w);
        });
    }
    // A window without set-up of its own, shown as designed.
    template <class W>
    void designed() {
        auto& w = form<W>();
        w.show();
        fits(w, "design");
        w.hide();
    }
    // Checks the record form and its second-address and children dialogs, then cancels it.
    std::function<void(Window&)> with_dialogs(const std::string& mode) {
        return [this, mode](Window& w) {
            auto& r = static_cast<frmAddressRecord&>(w).ui();
            next_fits("Frmaddress2", mode);
            click(r.Cmdaddress2);
            next_fits("Frmchildren", mode);
            click(r.Cmdchildren);
            click(r.Comcancel);
        };
    }

    std::set<QString> checked_;
};

TEST_F(WindowsFit, EveryWindowInEveryLayoutShowsAllItsControls) {
    using Step = std::function<void()>;
    auto picker_fits = [this](const std::string& mode) { fits(picker(), mode + " picker"); };
    const std::pair<std::string, Step> layouts[] = {
        {"main window", [&] { fits(main(), "main window"); }},
        {"windows as designed",
         [&] {
             designed<frmdatabase>();
             designed<frmSingle>();
             designed<frmQuickprint>();
             designed<FrmInvalid>();
         }},
        {"menus",
         [&] {
             form<platform::MailService>().program = "/bin/true";
             QStringList columns;
             for (int i = 1; i <= 48; ++i) columns << "C" + QString::number(i);
             write("wide.csv", columns.join(',').toLatin1() + "\r\n");
             files.expect(path("wide.csv"));
             const auto& m = main().ui();
             const std::tuple<const char*, const char*, QAction*> menus[] = {
                 {"FrmHeadingCreate", "categories", m.MnuEditCat},
                 {"frmAbout", "about", m.MnuHelpAbout},
                 {"frmEmail", "comments", m.mnuComments},
                 {"frmSetUpPrinters", "printers", m.mnuSetupPrinters},
                 {"frmSetUpReturn", "return labels", m.mnuEditReturnLabels},
                 {"frmExport", "export", m.mnuExport},
                 {"frmImport", "48 columns", m.mnuImport}};
             for (const auto& [window, layout, item] : menus) {
                 next_fits(window, layout);
                 item->trigger();
             }
             next_fits("frmFileName", "report name");
             printing::ask_tracking_report_name();
             main().catcount[2] = 1;
             modCategory_setup::set_up_categories();
             exec_sql("UPDATE OVRAData SET category2 = 'Y'");
             next_fits("frmCategoryList", "category");
             click(m.cmdButton[2]);
         }},
        {"print dialog and its sheets",
         [&] {
             next_fits("frmprint", "mailing labels", [this](Window& w) {
                 auto& p = static_cast<frmprint&>(w).ui();
                 for (QAbstractButton* sheet : {p.Option5, p.Option6, p.Option7}) {
                     click(sheet);
                     fits(w, sheet->text().toStdString());
                 }
                 click(p.Comcancel);
             });
             click(main().ui().Comprintrec);
         }},
        {"tracking reports",
         [&] {
             common::tracking::TrackingReport r;
             r.header = {0, "Party", QDate::currentDate(), QDate::currentDate().addDays(9)};
             r.invitees = {{"SMITH, JOHN & JANE", "2", "?", "555-0100"}};
             write("Party.trk",
                   common::tracking::format_report(r, common::tracking::PartyNumber::Bare));
             main().Trackfile = 1;
             next_fits("frmGetTrackingFile", "view", [this](Window&) {
                 auto& c = form<frmGetTrackingFile>().ui();
                 c.filGetTracking->setCurrentRow(0);
                 next_fits("frmTrackGrid", "one invitee", [this](Window&) {
                     auto& g = form<frmTrackGrid>().ui();
                     next_fits("frmTrackUpdate", "add");
                     click(g.cmdAlter);
                     next_fits("frmTrackSetup", "print");
                     click(g.cmdPrint);
                     click(g.cmdClose);
                 });
                 click(c.cmdChoose);
             });
             main().ui().mnuViewTrackingReports->trigger();
         }},
        {"record form in each mode",
         [&] {
             next_fits("frmAddressRecord", "add", with_dialogs("add"));
             click(main().ui().comnewrecord);
             const std::pair<std::string, Step> pickers[] = {
                 {"edit", [] { click(main().ui().Comeditrecord); }},
                 {"browse", [] { click(main().ui().Combrowserecord); }},
                 {"delete", [] { main().ui().MnuDeleteRecord->trigger(); }}};
             for (const auto& [mode, launch] : pickers)
                 in_picker(launch, [&, mode = mode](Picker& p) {
                     picker_fits(mode);
                     select(kSmith);
                     next_fits("frmAddressRecord", mode, with_dialogs(mode));
                     click(p.ComGetAddress);
                 });
         }},
        {"children shown by number",
         [&] {
             for (int n = 1; n <= 6; ++n)
                 browse("KIDS, " + QString::number(n) + " AND FAMILY", [&](Record& r) {
                     next_fits("Frmchildren", std::to_string(n) + " children");
                     click(r.Cmdchildren);
                 });
         }},
        {"switch",
         [&] {
             store_household(household("Lee", "Ann"));
             in_picker([] { main().ui().mnuMove1To2->trigger(); },
                       [&](Picker& p) {
                           picker_fits("switch");
                           select("LEE, ANN");
                           next_fits("frmVerifyNames", "switch", [this](Window& w) {
                               auto& v = static_cast<frmVerifyNames&>(w).ui();
                               type(v.txtlastname2, "bo ray");
                               click(v.cmdContinue);
                           });
                           next_fits("frmCheckEdit", "one household", [this](Window& w) {
                               next_fits("frmAddressRecord", "check-edit");
                               click(static_cast<frmCheckEdit&>(w).ui().cmdEdit1);
                               w.hide();
                           });
                           click(p.ComGetAddress);
                       });
         }},
        {"alter: every use of the verifier",
         [&] {
             // Split 1 kept with the children: both names and an address.
             in_picker([] { main().ui().mnuMoveRemoveNames->trigger(); },
                       [&](Picker& p) {
                           picker_fits("alter");
                           select(kSmith);
                           next_fits("frmRemoveName", "split", [this](Window& w) {
                               auto& c = static_cast<frmRemoveName&>(w).ui();
                               click(c.optSplit1);
                               click(c.chkkeep1);
                               click(c.chkSecondAddress);
                               fits(w, "split with second address");
                               click(c.chkChild1);
                               next_fits("frmVerifyNames", "names and address", [](Window& v) {
                                   auto& d = static_cast<frmVerifyNames&>(v).ui();
                                   type_address(d);
                                   click(d.cmdContinue);
                               });
                               next_fits("frmCheckEdit", "two households");
                               click(c.cmdEnter);
                           });
                           click(p.ComGetAddress);
                       });
             // Split 1 kept alone: the new name and address, then the remaining person.
             store_household(couple("Park", "Al", "BEA", "PARK"));
             alter("PARK, AL & BEA", [&](Remove& w) {
                 click(w.optSplit1);
                 click(w.chkkeep1);
                 next_fits("frmVerifyNames", "new name", [](Window& v) {
                     auto& d = static_cast<frmVerifyNames&>(v).ui();
                     type_address(d);
                     type(d.txtlastname2, "rey");
                     click(d.cmdContinue);
                 });
                 next_fits("frmVerifyNames", "remaining name", [](Window& v) {
                     click(static_cast<frmVerifyNames&>(v).ui().cmdContinue);
                 });
                 next_fits("frmCheckEdit", "two households");
                 click(w.cmdEnter);
             });
         }},
        {"child move",
         [&] {
             move_child("KIDS, 6", [&](Chooser& c) {
                 picker_fits("child move");
                 fits(form<Frmchildmove>(), "six children");
                 move_to(
                     c,
                     [&](Where& w) {
                         fits(form<frmchildnamemove>(), "design");
                         click(w.Command1);
                     },
                     [&](Record& r) {
                         fits(record(), "moved child");
                         r.Comsave->window()->hide();
                     });
             });
         }},
    };
    for (const auto& [what, open] : layouts) {
        SCOPED_TRACE(what);
        open();
    }
    // The children label window by number of children, with and without the parents' row.
    for (bool track : {false, true})
        for (int n = 1; n <= 6; ++n) {
            printing::RecordImage h;
            h.firstname1 = "JOHN";
            h.lastname1 = "SMITH";
            h.title1 = "None";
            h.number_of_children = n;
            for (int i = 1; i <= n; ++i) h.child[i] = "CHILD" + QString::number(i);
            printing::LabelOptions o;
            o.track = track;
            next_fits("Frmchildprint", std::to_string(n) + (track ? " tracked" : " children"),
                      [](Window& w) { w.escape_key(); });
            printing::show_child_print(h, o, false);
        }

    // Every window of the program but the browser, which its own test program checks.
    EXPECT_EQ(checked_.size(), 30u);
}

}  // namespace
