#include "frmFileName.h"

#include <QFileInfo>

#include "common/tracking_file.h"
#include "common/vbstring.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/date_picker.h"

using platform::form;
namespace color = platform::color;

frmFileName::frmFileName() : Form(QStringLiteral("frmFileName")) {}

void frmFileName::build(QWidget* w, frmFileName_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Tracking Report"));
    platform::set_client_size(w, 4800, 3120);

    c.lblDescription = platform::make_label(
        w, "lblDescription", QStringLiteral("ENTER DESCRIPTION"), 240, 240, 4320, 300);
    c.lblError = platform::make_label(w, "lblError", QString(), 240, 240, 4320, 300);
    for (QLabel* l : {c.lblDescription, c.lblError}) {
        l->setAlignment(Qt::AlignCenter);
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
    }
    platform::set_fore_color(c.lblError, color::kRed);
    c.lblError->hide();
    c.txtFileName = platform::make_text(w, "txtFileName", 0, 240, 600, 4320, 345);

    c.lblDate1 = platform::make_label(w, "lblDate1", QStringLiteral("Enter Response Date"), 240,
                                      1140, 2400, 300);
    c.dtpResponse = platform::make_date_picker(w, "dtpResponse", 2760, 1110, 1800, 360);
    c.Label2 = platform::make_label(w, "Label2", QStringLiteral("Enter date of event"), 240, 1620,
                                    2400, 300);
    c.dtpParty = platform::make_date_picker(w, "dtpParty", 2760, 1590, 1800, 360);

    c.cmdEnter =
        platform::make_button(w, "cmdEnter", QStringLiteral("ENTER"), 480, 2220, 1560, 420);
    c.cmdEnter->setDefault(true);
    c.cmdExit = platform::make_button(w, "cmdExit", QStringLiteral("EXIT"), 2760, 2220, 1560, 420);
    c.Label1 = platform::make_label(w, "Label1", QStringLiteral("Report will not be generated"),
                                    2280, 2700, 2520, 300);
    c.Label1->setAlignment(Qt::AlignCenter);

    platform::on_click(c.cmdEnter, [this] { cmdEnter_Click(); });
    platform::on_click(c.cmdExit, [this] { cmdExit_Click(); });
}

void frmFileName::Form_Load() {
    entered = false;
    const QDate today = QDate::currentDate();
    ui().dtpResponse->setDate(today);
    ui().dtpParty->setDate(today);
}

void frmFileName::refuse(const QString& message) {
    auto& c = ui();
    c.lblDescription->hide();
    c.lblError->setText(message);
    c.lblError->show();
}

void frmFileName::cmdEnter_Click() {
    auto& c = ui();
    const QString name = c.txtFileName->text();
    const QDate response = c.dtpResponse->date();
    const QDate party = c.dtpParty->date();
    if (const QString why = printing::report_name_refusal(name); !why.isEmpty()) return refuse(why);
    if (response <= QDate::currentDate()) return refuse(QStringLiteral("RESPONSE DATE INVALID"));
    if (party <= response) return refuse(QStringLiteral("EVENT DATE INVALID"));
    trackfilename = name;
    Response_Date = response;
    Party_Date = party;
    entered = true;
    unload();
}

void frmFileName::cmdExit_Click() {
    entered = false;
    unload();
}

namespace printing {

QString report_name_refusal(const QString& name) {
    if (common::vb_trim(name).isEmpty()) return QStringLiteral("ENTER DESCRIPTION");
    // The name becomes "<name>.trk" in the program folder, listed by the report chooser.
    bool unusable = name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
                    name.contains(QLatin1String("..")) || name.startsWith(QLatin1Char('.'));
    for (const QChar ch : name)
        if (ch.category() == QChar::Other_Control) unusable = true;
    if (unusable) return QStringLiteral("DESCRIPTION CANNOT NAME A FILE");
    // 255 bytes per file name, less ".trk" and the suffix of the temporary file it is written to.
    if (name.toUtf8().size() > 255 - 4 - 8) return QStringLiteral("DESCRIPTION TOO LONG");
    const QString path = common::tracking::report_path(platform::App::current().folder(), name);
    if (QFileInfo::exists(path)) return QStringLiteral("REPORT NAME ALREADY USED");
    return QString();
}

std::optional<TrackingReportName> ask_tracking_report_name() {
    auto& dialog = form<frmFileName>();
    dialog.set_help_context_id(8100);
    dialog.show_modal();
    if (!dialog.entered) return std::nullopt;
    return TrackingReportName{dialog.trackfilename, dialog.Response_Date, dialog.Party_Date};
}

}  // namespace printing
