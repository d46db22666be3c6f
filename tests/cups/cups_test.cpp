// Printing through a real CUPS queue of a private server: US Letter whatever the queue's
// defaults, every label where the PDF device puts it, and failures told as they are.
#include <cups/cups.h>

#include <QDir>
#include <algorithm>
#include <memory>

#include "cups_server.h"
#include "pdf_words.h"
#include "print_dialog_fixture.h"

using platform::form;
using testing_support::CupsServer;

namespace {

class CupsQueue : public PrintDialogTest {
protected:
    // One server for the whole program: Office takes US Letter, A4only does not; both default
    // to A4 and to fitting pages to the paper.
    static void SetUpTestSuite() {
        server = std::make_unique<CupsServer>();
        if (server->error().isEmpty())
            server->add_queue(QStringLiteral("Office")) &&
                server->add_queue(QStringLiteral("A4only"), false);
    }
    static void TearDownTestSuite() { server.reset(); }
    void SetUp() override {
        PrintDialogTest::SetUp();
        ASSERT_TRUE(server->error().isEmpty()) << server->error().toStdString();
    }

    // The address book, then the print dialog offering the server's queues.
    void start(int households) {
        start_with(households);
        platform::printer().set_installed_queues(std::nullopt);
    }
    static void choose_printer(Dialog& d, const QString& name) {
        const int index = d.cmbPrinter->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        d.cmbPrinter->setCurrentIndex(index);
    }
    void print_and_load_labels(Dialog& d) {
        msgs.expect("LOAD AVERY 5160 LABELS INTO PRINTER", platform::vbOK);
        click(d.comprint);
    }

    static inline std::unique_ptr<CupsServer> server;
};

TEST_F(CupsQueue, LabelsComeOutOnLetterWhereThePdfDevicePutsThem) {
    start(30);
    const int jobs_before = server->jobs("Office");
    const QString device_pdf = path("labels.pdf");
    in_dialog([&](Dialog& d) {
        QStringList offered;
        for (int i = 0; i < d.cmbPrinter->count(); ++i) offered << d.cmbPrinter->itemText(i);
        EXPECT_EQ(offered, (QStringList{"A4only", "Office", "PDF"}));
        click(d.Optprint3);
        click(d.Option1);
        click(d.Option5);
        choose_printer(d, "Office");
        print_and_load_labels(d);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 30 OF 30 LABELS");
        choose_printer(d, "PDF");
        files.expect(device_pdf);
        print_and_load_labels(d);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 30 OF 30 LABELS");
    });
    ASSERT_TRUE(server->printed("Office")) << server->error().toStdString();
    EXPECT_EQ(server->jobs("Office"), jobs_before + 1) << "one sheet, one job";

    const QString queue_pdf = server->output("Office");
    if (!qEnvironmentVariableIsEmpty("OVRA_SNAPSHOTS"))
        testing_support::pdf_page_png(
            queue_pdf, 1, QDir(qEnvironmentVariable("OVRA_SNAPSHOTS")).filePath("cups-5160.png"));
    const QSizeF page = testing_support::pdf_page_size(queue_pdf);
    EXPECT_NEAR(page.width(), 8.5, 0.001);
    EXPECT_NEAR(page.height(), 11, 0.001);
    auto from_queue = testing_support::pdf_words(queue_pdf);
    const auto from_device = testing_support::pdf_words(device_pdf);
    ASSERT_EQ(from_queue.size(), from_device.size());
    ASSERT_GE(from_device.size(), 30u * 7);
    for (const auto& w : from_device) {
        const auto same = std::find_if(from_queue.begin(), from_queue.end(), [&](const auto& q) {
            return q.text == w.text && std::abs(q.box.left() - w.box.left()) < 0.005 &&
                   std::abs(q.box.top() - w.box.top()) < 0.005 &&
                   std::abs(q.box.right() - w.box.right()) < 0.005;
        });
        ASSERT_TRUE(same != from_queue.end())
            << w.text.toStdString() << " at " << w.box.left() << ", " << w.box.top()
            << " in is elsewhere on the queue's page";
        from_queue.erase(same);
    }
}

// Each failure ends PRINT of a tracked run with the queue and the reason, before the sheets or
// the report's name are asked for; it prints nothing and writes no tracking report.
TEST_F(CupsQueue, AQueueThatCannotPrintSaysWhyAndPrintsNothing) {
    for (int i = 0; i < 3; ++i) {
        common::AddressRecord h = household("Jones", QString("Guest%1").arg(i));
        h.category[1] = "Y";
        store_household(h);
    }
    start(0);
    const QByteArray gone_socket = QFile::encodeName(path("gone.sock"));
    const QByteArray socket = QFile::encodeName(server->socket());
    struct Case {
        const char* printer;
        std::function<bool()> spoil;
        std::function<bool()> mend;
        const char* message;
    } cases[] = {
        {"A4only", [] { return true; }, [] { return true; },
         "PRINTING FAILED: THE PRINTER A4ONLY COULD NOT PRINT: THE QUEUE CANNOT TAKE US LETTER "
         "PAPER."},
        {"Office",
         [] {
             return server->admin("cupsdisable", {"-r", "Paper jam", "Office"});
         },
         [] { return server->admin("cupsenable", {"Office"}); },
         "PRINTING FAILED: THE PRINTER OFFICE COULD NOT PRINT: THE QUEUE IS STOPPED (PAPER JAM)."},
        {"Office",
         [] {
             return server->admin("cupsreject", {"-r", "Out of toner", "Office"});
         },
         [] { return server->admin("cupsaccept", {"Office"}); },
         "PRINTING FAILED: THE PRINTER OFFICE COULD NOT PRINT: THE QUEUE IS NOT ACCEPTING JOBS "
         "(OUT OF TONER)."},
        // The dialog finds no queue on a server that is gone and prints on the current printer,
        // Office since the case before.
        {"Office",
         [&] {
             cupsSetServer(gone_socket.constData());
             return true;
         },
         [&] {
             cupsSetServer(socket.constData());
             return true;
         },
         "PRINTING FAILED: THE PRINTER OFFICE COULD NOT PRINT: THE PRINT SERVER CANNOT BE "
         "REACHED ("},
    };
    const int jobs_before = server->jobs("Office");
    in_dialog([&](Dialog& d) {
        click(d.Optprint3);
        click(d.Option2);
        click(d.Check[1]);
        click(d.Option5);
        click(d.chkTrack);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message);
            choose_printer(d, c.printer);
            ASSERT_TRUE(c.spoil()) << server->error().toStdString();
            click(d.comprint);
            const QString shown = d.lblselwarning->text();
            ASSERT_TRUE(c.mend()) << server->error().toStdString();
            EXPECT_TRUE(shown.startsWith(c.message)) << shown.toStdString();
        }
    });
    EXPECT_EQ(server->jobs("Office"), jobs_before);
    EXPECT_EQ(server->jobs("A4only"), 0);
    EXPECT_EQ(QDir(path(".")).entryList({"*.trk"}), QStringList());
    EXPECT_EQ(form<frmOVRA>().Trackfile, 0);
}

// A stopped queue ends a run that would set a label aside before the sheets are asked for,
// and no list of labels set aside follows; return labels (none set up yet) and QuickPrint ask
// nothing either.
TEST_F(CupsQueue, AStoppedQueueAsksNothingAndListsNothing) {
    store_household(household("WORTHINGTONSMYTHEBARTHOLOMEW", "ALEXANDERJONATHAN"));
    start(3);
    const int jobs_before = server->jobs("Office");
    QStringList shown;
    ASSERT_TRUE(server->admin("cupsdisable", {"-r", "Paper jam", "Office"}))
        << server->error().toStdString();
    in_dialog([&](Dialog& d) {
        auto print = [&] {
            click(d.comprint);
            shown << d.lblselwarning->text();
        };
        click(d.Option1);
        click(d.Option5);
        choose_printer(d, "Office");
        print();
        click(d.Optprint4);
        print();
        click(d.Optprint3);
        click(d.Option4);
        print();
    });
    ASSERT_TRUE(server->admin("cupsenable", {"Office"})) << server->error().toStdString();
    const QString stopped =
        "PRINTING FAILED: THE PRINTER OFFICE COULD NOT PRINT: THE QUEUE IS STOPPED (PAPER JAM).";
    EXPECT_EQ(shown, QStringList({stopped, stopped, stopped}));
    EXPECT_EQ(server->jobs("Office"), jobs_before);
}

}  // namespace
