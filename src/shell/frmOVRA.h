#pragma once

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <vector>

#include "common/settings.h"
#include "lookup/record_list.h"
#include "platform/cursor.h"
#include "platform/window.h"

namespace frmOVRA_ui {
struct Controls {
    QPushButton* comnewrecord = nullptr;
    QPushButton* Comeditrecord = nullptr;
    QPushButton* Combrowserecord = nullptr;
    QPushButton* Comprintrec = nullptr;
    QPushButton* Comquit = nullptr;
    QLabel* Lbltotrecords = nullptr;
    QLabel* lblequal = nullptr;
    QLabel* lblrecnum = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label27 = nullptr;
    QTimer* Timer1 = nullptr;

    // Category panel, rows [1]..[12]: button, name label (Label1..12), "=" (Label13..24), count.
    QLabel* lblcat = nullptr;
    std::array<QPushButton*, 13> cmdButton{};
    std::array<QLabel*, 13> Label{};
    std::array<QLabel*, 13> Label_equals{};
    std::array<QLabel*, 13> lblcatcount{};

    QAction* MnuForm = nullptr;
    QAction* mnuSetupEdit = nullptr;
    QAction* MnuEditCat = nullptr;
    QAction* mnuSetupPrinters = nullptr;
    QAction* mnuEditReturnLabels = nullptr;
    QAction* MnuFilebar3 = nullptr;
    QAction* MnuFilePrint = nullptr;
    QAction* mnuFileBar4 = nullptr;
    QAction* mnuTrackingReports = nullptr;
    QAction* mnuViewTrackingReports = nullptr;
    QAction* mnuDeleteTrackingReports = nullptr;
    QAction* MnuDBUtil = nullptr;
    QAction* MnuBUDB = nullptr;
    QAction* MnuResDB = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuExport = nullptr;
    QAction* MnuCmpDB = nullptr;
    QAction* MnuFilebar5 = nullptr;
    QAction* MnuExit = nullptr;
    QAction* mnuEdit = nullptr;
    QAction* MnuRecordNew = nullptr;
    QAction* MnuRecordEdit = nullptr;
    QAction* MnuRecordBrowse = nullptr;
    QAction* MnuDeleteRecord = nullptr;
    QAction* mnuFileBar7 = nullptr;
    QAction* mnuMoveRemoveNames = nullptr;
    QAction* mnuMove1To2 = nullptr;
    QAction* MnuMoveChildren = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* MnuHelpAbout = nullptr;
    QAction* mnuComments = nullptr;
    QAction* mnuVantrelPress = nullptr;
};
}  // namespace frmOVRA_ui

// The main window: household count, category panel, clock, and every command of the program.
// Its variables are the program-wide state.
class frmOVRA : public platform::Form<frmOVRA_ui::Controls> {
public:
    frmOVRA();

    std::array<QString, 13> heading{};     // [1]..[12]
    std::array<int, 13> catcount{};        // [1]..[12]
    std::array<QString, 4> ReturnLabel{};  // [1]..[3]
    int Trackfile = 0;
    bool email_service = false;
    QString email_path;
    QString filename;
    bool cancel_flag = false;
    QString trackfilename;
    int RecordCount = 0;
    QDate Response_Date;
    QDate Party_Date;

    QString print_flag;
    int records_found = 0;
    int children_found = 0;
    int record_total = 0;

    // Command handlers.
    void Timer1_Timer();
    void comnewrecord_Click();
    void Comeditrecord_Click();
    void Combrowserecord_Click();
    void Comprintrec_Click();
    // Printing: the print dialog's opening and the return-label set-up.
    void initialize_print();
    void print_check();
    void mnuEditReturnLabels_Click();
    void Comquit_Click();
    void MnuExit_Click();
    void cmdButton_Click(int row);
    void MnuEditCat_Click();
    // File utilities, about and web site.
    void MnuCmpDB_Click();
    void MnuBUDB_Click();
    bool backup_database();
    bool backup_storefile();
    bool backup_printers_file();
    void MnuResDB_Click();
    void MnuHelpAbout_Click();
    void mnuVantrelPress_Click();
    void mnuSetupPrinters_Click();

    void new_record_setup();
    // Clears the record form and its dialogs for a new household, without showing it.
    void new_record_layout();

    // Record lookup: the picker's launchers and the household list loader.
    void edit_record_start();
    void browse_record_start();
    void delete_record_start();
    void mnuMove1To2_Click();
    void mnuMoveRemoveNames_Click();
    void MnuMoveChildren_Click();
    void load_record_list();
    void count_records();
    void load_record_list_rest();
    QString spouse_name_rtn(const QString& keyname);
    void set_up_category_checks();
    void initialize_color();
    void mnuComments_Click();
    // Import and export.
    void mnuImport_Click();
    void mnuExport_Click();
    // Tracking reports (reports/frmOVRA_reports.cpp, with cmdButton_Click).
    void mnuViewTrackingReports_Click();
    void mnuDeleteTrackingReports_Click();

    // The household count the window shows (lblrecnum as a number).
    int record_count_shown();
    void show_record_count(int count);
    // Turns the six record items on or off.
    void set_record_items(bool on);
    // Turns "&Tracking Reports" on or off; it stays so while the window is disabled and enabled.
    void set_tracking_item(bool on);

    // The settings record as the window's variables hold it, and taking one back.
    common::StorefileRecord storefile_record() const;
    void set_storefile_record(const common::StorefileRecord& rec);
    // Rewrites storefile.ovr from the variables (or from rec). A failure is reported in a
    // message box and the old file stays.
    bool write_storefile();
    bool write_storefile(const common::StorefileRecord& rec);

    void close_box() override;

protected:
    void build(QWidget* form, frmOVRA_ui::Controls& c) override;
    QWidget* create_widget() override;
    void Form_Load() override;

private:
    void show_clock();
    struct PickerMode;
    bool prepare_picker(const PickerMode& mode);
    void list_current_row(const platform::DataControl& data, const QString& picker_title);
    QString list_filter();
    std::vector<RecordLine> listed_lines_;
};
