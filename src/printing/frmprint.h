#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <array>

#include "platform/controls.h"
#include "platform/window.h"
#include "printing/print_request.h"

namespace frmprint_ui {
struct Controls {
    // Output type.
    QLabel* Label1 = nullptr;
    QFrame* Frame1 = nullptr;
    platform::OptionButton* optprint1 = nullptr;
    platform::OptionButton* Optprint2 = nullptr;
    platform::OptionButton* Optprint3 = nullptr;
    platform::OptionButton* Optprint4 = nullptr;
    QCheckBox* chkallrecs = nullptr;
    QCheckBox* Chkfamily = nullptr;
    QCheckBox* Chktitle = nullptr;
    QCheckBox* ChkResident = nullptr;

    // Start position pickers: Frame2 Standard, Frame5 Invite, Frame7 Shipping.
    QLabel* Label2 = nullptr;
    QFrame* Frame2 = nullptr;
    QFrame* Frame5 = nullptr;
    QFrame* Frame7 = nullptr;
    std::array<platform::OptionButton*, 55> Opt{};  // Opt(1)..Opt(54)
    std::array<QWidget*, 55> optlabel{};            // optlabel1..optlabel54

    // Label sheet.
    QFrame* Frame6 = nullptr;
    platform::OptionButton* Option5 = nullptr;
    platform::OptionButton* Option6 = nullptr;
    platform::OptionButton* Option7 = nullptr;

    // Records to print.
    QLabel* Label3 = nullptr;
    QFrame* Frame3 = nullptr;
    platform::OptionButton* Option1 = nullptr;
    platform::OptionButton* Option2 = nullptr;
    platform::OptionButton* Option3 = nullptr;
    platform::OptionButton* Option4 = nullptr;
    QCheckBox* Chkchildsel = nullptr;
    QCheckBox* chkTrack = nullptr;
    std::array<QCheckBox*, 13> Check{};  // Check1..Check12
    QFrame* Frame4 = nullptr;
    QLabel* lblselwarning = nullptr;
    QCheckBox* Chksingle = nullptr;
    QCheckBox* Chkchild = nullptr;
    QListWidget* lstselection = nullptr;

    QLabel* Label5 = nullptr;
    QComboBox* cmbPrinter = nullptr;
    QPushButton* comprint = nullptr;
    QPushButton* Comcancel = nullptr;
    QLabel* lblflag = nullptr;
};
}  // namespace frmprint_ui

// The print dialog: output type, start position on the pictured sheets, label sheet, record
// choice, the household list and the printer. Setting a control from code runs its rule at
// once, as the user's click does, so the order of the steps in each rule matters.
class frmprint : public platform::Form<frmprint_ui::Controls> {
public:
    frmprint();

    // Top offset of the printer chosen for the run, in sixteenths of an inch.
    int TopPosition = 0;
    // Written by the quick-label window: "N" printed, "Y" cancelled.
    QString Cancelmessage;

    void optprint1_Click();
    void Optprint2_Click();
    void Optprint3_Click();
    void Optprint4_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Chkfamily_Click();
    void Chktitle_Click();
    void ChkResident_Click();
    void Chksingle_Click();
    void Chkchild_Click();
    void Chkchildsel_Click();
    void chkTrack_Click();
    void comprint_Click();
    void Comcancel_Click();

    // Makes the printer named in cmbPrinter current and sets TopPosition.
    void select_printer();
    void print_return_labels();

    // The dialog's choices as the runs read them.
    printing::PrintRequest print_request();

protected:
    QWidget* create_widget() override;
    void build(QWidget* form, frmprint_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().Comcancel; }

private:
    void output_list_or_book(bool phone_list);
    void name_option_rule();
    bool labels_without_quickprint();
    void partner_rule(QCheckBox* box, QCheckBox* partner);
    void name_option_unchecked(QCheckBox* other);
    void disable_list(std::uint32_t colour);
    void deselect_all_lines();
    void set_categories_enabled(bool enabled);
    void clear_categories();
    void grey_pickers();
    bool printer_ready();
    void quick_print();
    void run(printing::PrintResult (*runner)(const printing::PrintRequest&));
    void apply(const printing::PrintResult& result);
};
