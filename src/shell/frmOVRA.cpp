#include "frmOVRA.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QTime>
#include <QVBoxLayout>

#include "FrmHeadingCreate.h"
#include "Module1.h"
#include "editor/Frmchildren.h"
#include "editor/frmAddressRecord.h"
#include "frmEmail.h"
#include "frmSplash.h"
#include "frmdatabase.h"
#include "modCategory_setup.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"

using platform::form;

frmOVRA::frmOVRA() : Form(QStringLiteral("frmOVRA")) {}

QWidget* frmOVRA::create_widget() {
    return new platform::FormMainWindow(this);
}

namespace {

QAction* add_item(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QAction* add_bar(QMenu* menu, const char* name) {
    QAction* a = menu->addSeparator();
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu* add_menu(QMenu* parent, QMenuBar* bar, const char* name, const QString& caption,
                QAction** action) {
    QMenu* m = parent ? parent->addMenu(caption) : bar->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    *action = m->menuAction();
    return m;
}

void connect_item(QAction* action, const QString& handler, std::function<void()> fn) {
    QObject::connect(action, &QAction::triggered, action,
                     [handler, fn = std::move(fn)] { platform::guarded(handler, fn); });
}

QPushButton* big_button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = platform::make_button(parent, name, caption);
    b->setMinimumSize(platform::tw(2400), platform::tw(600));
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

QString time_with_seconds(const QTime& t) {
    QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("ss")))
        format.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    return QLocale::system().toString(t, format);
}

}  // namespace

void frmOVRA::build(QWidget* w, frmOVRA_ui::Controls& c) {
    auto* main = static_cast<QMainWindow*>(w);
    main->setWindowTitle(QStringLiteral("OVRA"));

    // Menus.
    QMenuBar* bar = main->menuBar();
    QMenu* file = add_menu(nullptr, bar, "MnuForm", QStringLiteral("&File"), &c.MnuForm);
    QMenu* setup =
        add_menu(file, bar, "mnuSetupEdit", QStringLiteral("&Setup && Edit"), &c.mnuSetupEdit);
    c.MnuEditCat = add_item(setup, "MnuEditCat", QStringLiteral("Setup/Edit &Categories"));
    c.mnuSetupPrinters =
        add_item(setup, "mnuSetupPrinters", QStringLiteral("Setup/Edit &Printers"));
    c.mnuEditReturnLabels =
        add_item(setup, "mnuEditReturnLabels", QStringLiteral("Setup/Edit &Return Labels"));
    c.MnuFilebar3 = add_bar(file, "MnuFilebar3");
    c.MnuFilePrint = add_item(file, "MnuFilePrint", QStringLiteral("&Print Center"));
    c.mnuFileBar4 = add_bar(file, "mnuFileBar4");
    QMenu* tracking = add_menu(file, bar, "mnuTrackingReports", QStringLiteral("&Tracking Reports"),
                               &c.mnuTrackingReports);
    c.mnuViewTrackingReports =
        add_item(tracking, "mnuViewTrackingReports", QStringLiteral("&View Tracking Reports"));
    c.mnuDeleteTrackingReports =
        add_item(tracking, "mnuDeleteTrackingReports", QStringLiteral("&Delete Tracking Reports"));
    QMenu* util = add_menu(file, bar, "MnuDBUtil", QStringLiteral("&File Utilities"), &c.MnuDBUtil);
    c.MnuBUDB = add_item(util, "MnuBUDB", QStringLiteral("&Backup Files"));
    c.MnuResDB = add_item(util, "MnuResDB", QStringLiteral("&Restore Files"));
    c.mnuImport = add_item(util, "mnuImport", QStringLiteral("&Import From Text"));
    c.mnuExport = add_item(util, "mnuExport", QStringLiteral("&Export To Text"));
    c.MnuCmpDB = add_item(util, "MnuCmpDB", QStringLiteral("&Compress Database"));
    c.MnuFilebar5 = add_bar(file, "MnuFilebar5");
    c.MnuExit = add_item(file, "MnuExit", QStringLiteral("E&xit"));

    QMenu* records = add_menu(nullptr, bar, "mnuEdit", QStringLiteral("&Records"), &c.mnuEdit);
    c.MnuRecordNew = add_item(records, "MnuRecordNew", QStringLiteral("&Add Record"));
    c.MnuRecordEdit = add_item(records, "MnuRecordEdit", QStringLiteral("&Edit Record"));
    c.MnuRecordBrowse = add_item(records, "MnuRecordBrowse", QStringLiteral("&Browse Record"));
    c.MnuDeleteRecord = add_item(records, "MnuDeleteRecord", QStringLiteral("&Delete Record"));
    c.mnuFileBar7 = add_bar(records, "mnuFileBar7");
    c.mnuMoveRemoveNames =
        add_item(records, "mnuMoveRemoveNames", QStringLiteral("Move / &Remove Names"));
    c.mnuMove1To2 = add_item(records, "mnuMove1To2", QStringLiteral("Move &Name1 to Name2"));
    c.MnuMoveChildren = add_item(records, "MnuMoveChildren", QStringLiteral("&Move Child"));

    QMenu* help = add_menu(nullptr, bar, "mnuHelp", QStringLiteral("&Help"), &c.mnuHelp);
    c.MnuHelpAbout = add_item(help, "MnuHelpAbout", QStringLiteral("&About"));
    c.mnuComments = add_item(help, "mnuComments", QStringLiteral("&Comments"));
    c.mnuVantrelPress = add_item(help, "mnuVantrelPress", QStringLiteral("&Vantrel Press Website"));

    // Body: title, the five buttons on the left, the category panel on the right, the count,
    // the help note and the clock below.
    auto* body = new QWidget(main);
    main->setCentralWidget(body);
    auto* outer = new QVBoxLayout(body);
    // The window keeps the size of its contents: maximising would only tear the panel apart.
    main->layout()->setSizeConstraint(QLayout::SetFixedSize);
    outer->setContentsMargins(platform::tw(240), platform::tw(120), platform::tw(240),
                              platform::tw(120));

    c.Label25 = platform::make_label(body, "Label25", QStringLiteral("O.V.R.A."));
    c.Label25->setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
    c.Label25->setAlignment(Qt::AlignCenter);
    outer->addWidget(c.Label25);

    auto* middle = new QHBoxLayout;
    outer->addLayout(middle);
    auto* buttons = new QVBoxLayout;
    middle->addLayout(buttons);
    c.comnewrecord = big_button(body, "comnewrecord", QStringLiteral("&ADD RECORD"));
    c.Comeditrecord = big_button(body, "Comeditrecord", QStringLiteral("&EDIT RECORD"));
    c.Combrowserecord = big_button(body, "Combrowserecord", QStringLiteral("&BROWSE RECORD"));
    c.Comprintrec = big_button(body, "Comprintrec", QStringLiteral("&PRINT CENTER"));
    c.Comquit = big_button(body, "Comquit", QStringLiteral("&EXIT PROGRAM"));
    for (QPushButton* b :
         {c.comnewrecord, c.Comeditrecord, c.Combrowserecord, c.Comprintrec, c.Comquit})
        buttons->addWidget(b);
    c.Label27 = platform::make_label(body, "Label27",
                                     QStringLiteral("    PRESS F1      FOR ONLINE         HELP"));
    c.Label27->setWordWrap(true);
    c.Label27->setMaximumWidth(platform::tw(2400));
    c.Label27->setAlignment(Qt::AlignCenter);
    buttons->addSpacing(platform::tw(240));
    buttons->addWidget(c.Label27);
    buttons->addStretch();

    middle->addSpacing(platform::tw(480));
    auto* panel = new QGridLayout;
    panel->setHorizontalSpacing(platform::tw(120));
    panel->setVerticalSpacing(platform::tw(45));
    middle->addLayout(panel);
    middle->addStretch();
    c.lblcat = platform::make_label(body, "lblcat", QStringLiteral("CATEGORIES"));
    c.lblcat->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    panel->addWidget(c.lblcat, 0, 0, 1, 4, Qt::AlignHCenter);
    const QFont row_font(QStringLiteral("Arial"), 10, QFont::Bold);
    for (int n = 1; n <= 12; ++n) {
        const QByteArray button =
            n == 11 ? QByteArray("cmdbutton11") : "cmdButton" + QByteArray::number(n);
        c.cmdButton[n] = platform::make_button(body, button.constData(), QString());
        c.cmdButton[n]->setFixedSize(platform::tw(375), platform::tw(330));
        c.Label[n] =
            platform::make_label(body, ("Label" + QByteArray::number(n)).constData(), QString());
        c.Label[n]->setMinimumWidth(platform::tw(1800));
        c.Label_equals[n] = platform::make_label(
            body, ("Label" + QByteArray::number(12 + n)).constData(), QStringLiteral("="));
        c.lblcatcount[n] = platform::make_label(
            body, ("lblcatcount" + QByteArray::number(n)).constData(), QString());
        c.lblcatcount[n]->setMinimumWidth(platform::tw(900));
        for (QLabel* l : {c.Label[n], c.Label_equals[n], c.lblcatcount[n]}) l->setFont(row_font);
        for (QWidget* cell :
             {static_cast<QWidget*>(c.cmdButton[n]), static_cast<QWidget*>(c.Label_equals[n])}) {
            QSizePolicy p = cell->sizePolicy();
            p.setRetainSizeWhenHidden(true);
            cell->setSizePolicy(p);
        }
        panel->addWidget(c.cmdButton[n], n, 0);
        panel->addWidget(c.Label[n], n, 1);
        panel->addWidget(c.Label_equals[n], n, 2);
        panel->addWidget(c.lblcatcount[n], n, 3);
        platform::on_click(c.cmdButton[n], [this, n] { cmdButton_Click(n); });
    }

    auto* bottom = new QHBoxLayout;
    outer->addSpacing(platform::tw(240));
    outer->addLayout(bottom);
    QFont count_font(QStringLiteral("Arial"), 12, QFont::Bold);
    c.Lbltotrecords = platform::make_label(body, "Lbltotrecords", QStringLiteral("TOTAL RECORDS"));
    c.lblequal = platform::make_label(body, "lblequal", QStringLiteral("="));
    c.lblrecnum = platform::make_label(body, "lblrecnum", QStringLiteral("0"));
    for (QLabel* l : {c.Lbltotrecords, c.lblequal, c.lblrecnum}) {
        l->setFont(count_font);
        bottom->addWidget(l);
    }
    bottom->addStretch();
    c.lblTime = platform::make_label(body, "lblTime", QString());
    c.lblDate = platform::make_label(body, "lblDate", QString());
    bottom->addWidget(c.lblTime);
    bottom->addSpacing(platform::tw(240));
    bottom->addWidget(c.lblDate);

    c.Timer1 = new QTimer(main);
    c.Timer1->setObjectName(QStringLiteral("Timer1"));
    c.Timer1->setInterval(1000);
    QObject::connect(c.Timer1, &QTimer::timeout, main,
                     [this] { platform::guarded("Timer1_Timer", [this] { Timer1_Timer(); }); });
    c.Timer1->start();

    platform::on_click(c.comnewrecord, [this] { comnewrecord_Click(); });
    platform::on_click(c.Comeditrecord, [this] { Comeditrecord_Click(); });
    platform::on_click(c.Combrowserecord, [this] { Combrowserecord_Click(); });
    platform::on_click(c.Comprintrec, [this] { Comprintrec_Click(); });
    platform::on_click(c.Comquit, [this] { Comquit_Click(); });
    connect_item(c.MnuExit, "MnuExit_Click", [this] { MnuExit_Click(); });
    connect_item(c.MnuRecordNew, "MnuRecordNew_Click", [this] { comnewrecord_Click(); });
    connect_item(c.MnuRecordEdit, "MnuRecordEdit_Click", [this] { Comeditrecord_Click(); });
    connect_item(c.MnuRecordBrowse, "MnuRecordBrowse_Click", [this] { Combrowserecord_Click(); });
    connect_item(c.MnuFilePrint, "MnuFilePrint_Click", [this] { Comprintrec_Click(); });
    connect_item(c.mnuEditReturnLabels, "mnuEditReturnLabels_Click",
                 [this] { mnuEditReturnLabels_Click(); });
    connect_item(c.MnuEditCat, "MnuEditCat_Click", [this] { MnuEditCat_Click(); });
    connect_item(c.MnuCmpDB, "MnuCmpDB_Click", [this] { MnuCmpDB_Click(); });
    connect_item(c.MnuBUDB, "MnuBUDB_Click", [this] { MnuBUDB_Click(); });
    connect_item(c.MnuResDB, "MnuResDB_Click", [this] { MnuResDB_Click(); });
    connect_item(c.MnuHelpAbout, "MnuHelpAbout_Click", [this] { MnuHelpAbout_Click(); });
    connect_item(c.mnuVantrelPress, "mnuVantrelPress_Click", [this] { mnuVantrelPress_Click(); });
    connect_item(c.MnuDeleteRecord, "MnuDeleteRecord_Click", [this] { delete_record_start(); });
    connect_item(c.mnuMove1To2, "mnuMove1To2_Click", [this] { mnuMove1To2_Click(); });
    connect_item(c.mnuMoveRemoveNames, "mnuMoveRemoveNames_Click",
                 [this] { mnuMoveRemoveNames_Click(); });
    connect_item(c.MnuMoveChildren, "MnuMoveChildren_Click", [this] { MnuMoveChildren_Click(); });
    connect_item(c.mnuComments, "mnuComments_Click", [this] { mnuComments_Click(); });
    connect_item(c.mnuImport, "mnuImport_Click", [this] { mnuImport_Click(); });
    connect_item(c.mnuExport, "mnuExport_Click", [this] { mnuExport_Click(); });
    connect_item(c.mnuSetupPrinters, "mnuSetupPrinters_Click",
                 [this] { mnuSetupPrinters_Click(); });
    connect_item(c.mnuViewTrackingReports, "mnuViewTrackingReports_Click",
                 [this] { mnuViewTrackingReports_Click(); });
    connect_item(c.mnuDeleteTrackingReports, "mnuDeleteTrackingReports_Click",
                 [this] { mnuDeleteTrackingReports_Click(); });
}

void frmOVRA::Form_Load() {
    Module1::remove_close_menu(widget());
    const auto& splash = form<frmSplash>();
    heading = splash.heading;
    catcount = splash.catcount;
    ReturnLabel = splash.ReturnLabel;
    Trackfile = splash.Trackfile;
    ui().lblrecnum->setText(QString::number(splash.lblrecnum));
    modCategory_setup::set_up_categories();
    show_clock();
}

void frmOVRA::close_box() {
    // Close was taken off the window: only the exit commands end the program.
    if (Module1::close_removed(widget())) return;
    Form::close_box();
}

void frmOVRA::show_clock() {
    const QDateTime now = QDateTime::currentDateTime();
    ui().lblTime->setText(time_with_seconds(now.time()));
    ui().lblDate->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
}

void frmOVRA::Timer1_Timer() {
    show_clock();
}

void frmOVRA::comnewrecord_Click() {
    new_record_setup();
}

void frmOVRA::new_record_setup() {
    if (!address_book_available()) return;
    new_record_layout();
    auto& record = form<frmAddressRecord>();
    record.set_help_context_id(1000);
    record.show_modal();
}

void frmOVRA::new_record_layout() {
    auto& record = form<frmAddressRecord>();
    record.chkchildren = 0;
    // A new household starts with no second address of its own or of the previous one.
    record.reset_second_address();
    set_enabled(false);
    record.set_caption(QStringLiteral("Add New Record"));
    auto& r = record.ui();
    for (QLineEdit* b :
         {r.TxtFirstName1, r.txtLastName1, r.TxtHomeEmail1, r.TxtWorkEmail1, r.TxtWorkPhone1,
          r.TxtCellPhone1, r.TxtFirstName2, r.txtaddress1, r.txtaddress2, r.txtCity, r.txtState,
          r.txtZip, r.TxtHomePhone, r.TxtFaxPhone})
        b->setEnabled(true);
    r.ChkFamilyLabel->setEnabled(true);
    platform::set_value(r.ChkFamilyLabel, 0);
    r.chkForeign->setEnabled(true);
    platform::set_value(r.chkForeign, 0);
    platform::set_left(r.Label9, 6360);
    platform::set_autosize_caption(r.LblLastName, QStringLiteral("LAST NAME"));
    for (QLineEdit* b : {r.TxtFirstName1, r.txtLastName1, r.TxtHomeEmail1, r.TxtWorkEmail1,
                         r.TxtWorkPhone1, r.TxtCellPhone1})
        b->setText(QString());
    platform::set_value(r.ChkHyphen, 0);
    r.Chkreverse->setEnabled(false);
    platform::set_value(r.Chkreverse, 0);
    for (QLineEdit* b : {r.TxtFirstName2, r.txtlastname2, r.TxtHomeEmail2, r.TxtWorkEmail2,
                         r.TxtWorkPhone2, r.TxtCellPhone2, r.txtaddress1, r.txtaddress2, r.txtCity,
                         r.txtState, r.txtZip, r.TxtHomePhone, r.TxtFaxPhone})
        b->setText(QString());
    for (int n = 1; n <= 12; ++n) {
        r.Chkcat[n]->setEnabled(true);
        platform::set_value(r.Chkcat[n], 0);
        r.Chkcat[n]->setText(platform::typed_caption(category_name(n)));
    }
    set_up_category_checks();
    r.Opt1a->setChecked(true);
    for (platform::OptionButton* b :
         {r.Opt1b, r.opt1c, r.Opt1d, r.Opt1e, r.Opt1f, r.Opt2a, r.Opt2b, r.Opt2c, r.Opt2d, r.Opt2e})
        b->setChecked(false);
    for (platform::OptionButton* b : {r.Opt1a, r.Opt1b, r.opt1c, r.Opt1d, r.Opt1e, r.Opt1f})
        b->setEnabled(true);
    for (platform::OptionButton* b : {r.Opt2a, r.Opt2b, r.Opt2c, r.Opt2d, r.Opt2e})
        b->setEnabled(false);
    r.sal2->setEnabled(false);
    platform::set_back_color(r.sal1, platform::color::kButtonFace);
    platform::set_back_color(r.sal2, platform::color::kButtonFace);
    platform::place(r.Comsave, 1800, frmAddressRecord::kButtonTop);
    platform::place(r.Comcancel, 4080, frmAddressRecord::kButtonTop);
    r.Comsave->setText(QStringLiteral("SAVE"));
    r.Comsave->show();
    r.Cmdmain->hide();
    r.Cmdchildren->setText(QStringLiteral("ADD CHILDREN"));
    r.Cmdchildren->show();
    auto& children = form<Frmchildren>().ui();
    for (int i = 1; i <= 6; ++i) {
        children.Txtchild[i]->setText(QString());
        children.Txtchild[i]->setEnabled(true);
    }
    initialize_color();
}

void frmOVRA::set_up_category_checks() {
    auto& r = form<frmAddressRecord>().ui();
    for (int n = 1; n <= 12; ++n) r.Chkcat[n]->setVisible(!r.Chkcat[n]->text().isEmpty());
}

void frmOVRA::initialize_color() {
    auto& r = form<frmAddressRecord>().ui();
    for (QLineEdit* b : {r.txtLastName1, r.TxtFirstName1, r.TxtFirstName2, r.txtaddress1, r.txtCity,
                         r.txtState, r.txtZip})
        platform::set_back_color(b, platform::color::kWhite);
    r.lblWarning->setText(QStringLiteral(" "));
}

void frmOVRA::Comeditrecord_Click() {
    edit_record_start();
}

void frmOVRA::Combrowserecord_Click() {
    browse_record_start();
}

void frmOVRA::Comquit_Click() {
    unload();
    platform::App::current().end_program();
}

void frmOVRA::MnuExit_Click() {
    Comquit_Click();
}

void frmOVRA::MnuEditCat_Click() {
    auto& editor = form<FrmHeadingCreate>();
    editor.ui().Label1->setText(QStringLiteral("EDIT OR ENTER CATEGORIES"));
    editor.set_help_context_id(320);
    editor.show_modal();
}

void frmOVRA::mnuComments_Click() {
    // Any failure on the way, the mail form's refused sign-on included, ends the command quietly.
    try {
        email_path = QStringLiteral("Comment");
        auto& mail = form<frmEmail>();
        mail.ui().txtSendTo->setText(QStringLiteral("comments@vantrelpress.example"));
        mail.ui().txtSubject->setText(QStringLiteral("OVRA Comments"));
        mail.ui().txtSubject->setEnabled(false);
        mail.set_help_context_id(3210);
        mail.show_modal();
    } catch (const platform::VbError&) {
    }
}

int frmOVRA::record_count_shown() {
    return ui().lblrecnum->text().trimmed().toInt();
}

void frmOVRA::show_record_count(int count) {
    ui().lblrecnum->setText(QString::number(count));
}

void frmOVRA::set_record_items(bool on) {
    auto& c = ui();
    for (QAction* a : {c.MnuDeleteRecord, c.MnuRecordBrowse, c.MnuRecordEdit, c.mnuMoveRemoveNames,
                       c.mnuMove1To2, c.MnuMoveChildren})
        a->setEnabled(on);
}

void frmOVRA::set_tracking_item(bool on) {
    // A submenu's item follows its menu's enabled state, and a menu that was merely left enabled
    // comes back on whenever the window is enabled again: set the menu itself.
    QAction* item = ui().mnuTrackingReports;
    if (QMenu* menu = item->menu()) menu->setEnabled(on);
    item->setEnabled(on);
}

common::StorefileRecord frmOVRA::storefile_record() const {
    common::StorefileRecord rec;
    rec.heading = heading;
    rec.catcount = catcount;
    rec.ReturnLabel = ReturnLabel;
    rec.Trackfile = Trackfile;
    return rec;
}

void frmOVRA::set_storefile_record(const common::StorefileRecord& rec) {
    heading = rec.heading;
    catcount = rec.catcount;
    ReturnLabel = rec.ReturnLabel;
    Trackfile = rec.Trackfile;
}

bool frmOVRA::write_storefile() {
    return write_storefile(storefile_record());
}

bool frmOVRA::write_storefile(const common::StorefileRecord& rec) {
    try {
        common::write_storefile(platform::App::current().path(QStringLiteral("storefile.ovr")),
                                rec);
        return true;
    } catch (const platform::VbError& e) {
        platform::msgbox(
            QStringLiteral("The settings file could not be saved.\n%1").arg(e.description()),
            platform::vbExclamation, QStringLiteral("File Error"));
        return false;
    }
}
