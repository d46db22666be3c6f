#include "frmTrackUpdate.h"

#include "common/vbstring.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "shell/frmOVRA.h"

using platform::form;

namespace {

// ###-###-####, every group complete.
bool is_phone(const QString& phone) {
    return phone.size() == 12 && phone[3] == QLatin1Char('-') && phone[7] == QLatin1Char('-') &&
           common::is_all_digits(phone.mid(0, 3)) && common::is_all_digits(phone.mid(4, 3)) &&
           common::is_all_digits(phone.mid(8, 4));
}

QDateEdit* make_date(QWidget* parent, const char* name, int left, int top) {
    auto* box = new QDateEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setCalendarPopup(true);
    platform::place(box, left, top, 2400, 375);
    return box;
}

}  // namespace

QString invitee_entry_error(const QString& name, const QString& number, const QString& phone,
                            const QDate& response_date, const QDate& event_date,
                            const QDate& today) {
    const bool has_name = !name.isEmpty();
    const bool has_number = !number.isEmpty();
    QString error;
    if (has_name && !has_number) error = QStringLiteral("ENTER NUMBER IN PARTY");
    if (!has_name && has_number) error = QStringLiteral("ENTER NAMES");
    if (has_number && !common::is_all_digits(number))
        error = QStringLiteral("NUMBER IN PARTY NOT NUMERIC");
    if (!phone.isEmpty()) {
        if (!is_phone(phone))
            error = QStringLiteral("INVALID TELEPHONE NUMBER");
        else if (!has_name)
            error = QStringLiteral("NAME NOT ENTERED");
        else if (!has_number)
            error = QStringLiteral("NUBER IN PARTY NOT ENTERED");
    }
    if (response_date < today) error = QStringLiteral("RESPONSE DATE MUST BE IN FUTURE");
    if (event_date < today) error = QStringLiteral("EVENT DATE MUST BE IN FUTURE");
    if (!(response_date < event_date))
        error = QStringLiteral("RESPONSE DATE MUST BE EARLIER THAN EVENT DATE");
    return error;
}

frmTrackUpdate::frmTrackUpdate() : Form(QStringLiteral("frmTrackUpdate")) {}

void frmTrackUpdate::build(QWidget* w, frmTrackUpdate_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Tracking Report Update"));
    platform::set_client_size(w, 6000, 4320);
    c.Label1 = platform::make_label(w, "Label1", QStringLiteral("TRACKING REPORT UPDATE"), 0, 180,
                                    6000, 375);
    c.Label1->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    c.Label1->setAlignment(Qt::AlignCenter);

    platform::make_caption(w, QStringLiteral("Name:"), 120, 840, 1440);
    c.txtName = platform::make_text(w, "txtName", 25, 1680, 840, 3960, 315);
    platform::make_caption(w, QStringLiteral("# In Party:"), 120, 1260, 1440);
    c.txtNumber = platform::make_text(w, "txtNumber", 2, 1680, 1260, 600, 315);
    platform::make_caption(w, QStringLiteral("Phone:"), 120, 1680, 1440);
    c.txtPhone = platform::make_text(w, "txtPhone", 12, 1680, 1680, 1800, 315);
    platform::make_label(w, "lblPhoneHint", QStringLiteral("###-###-####"), 3600, 1680, 1800, 315);

    const QFont date_caption(QStringLiteral("Arial"), 8.25, QFont::Bold);
    platform::make_label(w, "lblResponseDate", QStringLiteral("RESPONSE DATE"), 480, 2220, 2400,
                         255)
        ->setFont(date_caption);
    c.dtpResponseDate = make_date(w, "dtpResponseDate", 480, 2520);
    platform::make_label(w, "lblEventDate", QStringLiteral("EVENT DATE"), 3120, 2220, 2400, 255)
        ->setFont(date_caption);
    c.dtpEventDate = make_date(w, "dtpEventDate", 3120, 2520);

    c.lblStatus = platform::make_label(w, "lblStatus", QString(), 0, 3060, 6000, 315);
    c.lblStatus->setAlignment(Qt::AlignCenter);
    c.lblStatus->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    platform::set_fore_color(c.lblStatus, platform::color::kLightRed);

    c.btnSubmit =
        platform::make_button(w, "btnSubmit", QStringLiteral("SUBMIT"), 1320, 3600, 1455, 435);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 3240, 3600, 1455, 435);
    c.btnSubmit->setDefault(true);
    platform::on_click(c.btnSubmit, [this] { btnSubmit_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmTrackUpdate::Form_Load() {
    const auto& main = form<frmOVRA>();
    auto& c = ui();
    c.dtpResponseDate->setDate(main.Response_Date);
    c.dtpEventDate->setDate(main.Party_Date);
    c.lblStatus->setText(QString());
    c.txtPhone->setText(QString());
}

void frmTrackUpdate::btnSubmit_Click() {
    auto& c = ui();
    blSubmit = true;
    blError = false;
    const QDate response = c.dtpResponseDate->date();
    const QDate event = c.dtpEventDate->date();
    const QString error =
        invitee_entry_error(c.txtName->text(), c.txtNumber->text(), c.txtPhone->text(), response,
                            event, QDate::currentDate());
    if (!error.isEmpty()) {
        blError = true;
        c.lblStatus->setText(error);
        return;
    }
    auto& main = form<frmOVRA>();
    main.Party_Date = event;
    main.Response_Date = response;
    hide();
}

void frmTrackUpdate::cmdCancel_Click() {
    blSubmit = false;
    hide();
}
