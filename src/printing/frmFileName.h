#pragma once

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "platform/window.h"

namespace frmFileName_ui {
struct Controls {
    QLabel* lblDescription = nullptr;
    QLineEdit* txtFileName = nullptr;
    QLabel* lblDate1 = nullptr;
    QDateEdit* dtpResponse = nullptr;
    QLabel* Label2 = nullptr;
    QDateEdit* dtpParty = nullptr;
    QLabel* lblError = nullptr;
    QPushButton* cmdEnter = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* Label1 = nullptr;
};
}  // namespace frmFileName_ui

// Asks for the name and dates of the tracking report a label run starts.
class frmFileName : public platform::Form<frmFileName_ui::Controls> {
public:
    frmFileName();

    void cmdEnter_Click();
    void cmdExit_Click();

    // What ENTER accepted; cleared by EXIT and by every load.
    bool entered = false;
    QString trackfilename;
    QDate Response_Date;
    QDate Party_Date;

protected:
    void build(QWidget* form, frmFileName_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdExit; }

private:
    void refuse(const QString& message);
};

namespace printing {

struct TrackingReportName {
    QString trackfilename;
    QDate Response_Date;
    QDate Party_Date;
};

// Shows frmFileName (help 8100); the name and dates, or nothing when the user left with EXIT,
// the close box or Esc (no report for this run).
std::optional<TrackingReportName> ask_tracking_report_name();

// Why a report name cannot name a new report file in the program folder, or "" when it can.
QString report_name_refusal(const QString& name);

}  // namespace printing
