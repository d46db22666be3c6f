#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>

#include "common/records.h"
#include "platform/controls.h"
#include "platform/window.h"

namespace frmAddressRecord_ui {
struct Controls {
    // Person 1.
    QLineEdit* TxtFirstName1 = nullptr;
    QLineEdit* txtLastName1 = nullptr;
    QLineEdit* TxtHomeEmail1 = nullptr;
    QLineEdit* TxtWorkEmail1 = nullptr;
    QLineEdit* TxtWorkPhone1 = nullptr;
    QLineEdit* TxtCellPhone1 = nullptr;
    // Person 2.
    QLineEdit* TxtFirstName2 = nullptr;
    QLineEdit* txtlastname2 = nullptr;
    QLineEdit* TxtHomeEmail2 = nullptr;
    QLineEdit* TxtWorkEmail2 = nullptr;
    QLineEdit* TxtWorkPhone2 = nullptr;
    QLineEdit* TxtCellPhone2 = nullptr;
    QCheckBox* ChkHyphen = nullptr;
    QCheckBox* Chkreverse = nullptr;
    // Titles.
    QGroupBox* Frame3 = nullptr;
    platform::OptionButton* Opt1a = nullptr;
    platform::OptionButton* Opt1b = nullptr;
    platform::OptionButton* opt1c = nullptr;
    platform::OptionButton* Opt1d = nullptr;
    platform::OptionButton* Opt1e = nullptr;
    platform::OptionButton* Opt1f = nullptr;
    QLineEdit* sal1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    platform::OptionButton* Opt2a = nullptr;
    platform::OptionButton* Opt2b = nullptr;
    platform::OptionButton* Opt2c = nullptr;
    platform::OptionButton* Opt2d = nullptr;
    platform::OptionButton* Opt2e = nullptr;
    QLineEdit* sal2 = nullptr;
    // Address and household phones.
    QLineEdit* txtaddress1 = nullptr;
    QLineEdit* txtaddress2 = nullptr;
    QLineEdit* txtCity = nullptr;
    QLineEdit* txtState = nullptr;
    QLineEdit* txtZip = nullptr;
    QLineEdit* TxtHomePhone = nullptr;
    QLineEdit* TxtFaxPhone = nullptr;
    QPushButton* cmdHEmail1 = nullptr;
    QPushButton* cmdHEmail2 = nullptr;
    QPushButton* cmdWEmail1 = nullptr;
    QPushButton* cmdWEmail2 = nullptr;
    // Family row and flags.
    QCheckBox* ChkFamilyLabel = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* LblLastName = nullptr;
    QLabel* Label9 = nullptr;
    QCheckBox* chkForeign = nullptr;
    // Categories, with the membership at load time in hidden labels.
    std::array<QCheckBox*, 13> Chkcat{};
    std::array<QLabel*, 13> lblinvisible{};
    QLabel* Lblsecondaddress = nullptr;
    QLabel* lblWarning = nullptr;
    // Buttons.
    QPushButton* Comsave = nullptr;
    QPushButton* Comcancel = nullptr;
    QPushButton* Cmdmain = nullptr;
    QPushButton* Cmdchildren = nullptr;
    QPushButton* Cmdaddress2 = nullptr;
};
}  // namespace frmAddressRecord_ui

// The record form: adds, edits, shows and deletes one household. Its mode is read from its
// caption and the captions of Comsave and Cmdchildren.
class frmAddressRecord : public platform::Form<frmAddressRecord_ui::Controls> {
public:
    frmAddressRecord();

    // Top of the row of buttons, right below the warning line, so the form fits a laptop screen.
    static constexpr int kButtonTop = 9600;

    // Per-household state; kept across loads.
    QString keyname;
    QString update_type;
    int chkchildren = 0;
    QString second_address_saved;
    bool save_second_Address = false;
    QString save_address2_flag;
    // DELETE in the second-address dialog: SAVE deletes the Address row in its transaction.
    bool delete_second_Address = false;
    QString college_add;

    // Names and titles rules.
    void txtLastName1_Change();
    void ChkFamilyLabel_Click();
    void ChkHyphen_Click();
    void TxtFirstName2_Change();
    // Empties person 2's details once first name 2 is left empty (leaving the box, saving).
    void clear_absent_person2();
    void person1_title_chosen(platform::OptionButton* button);
    void person2_title_chosen(platform::OptionButton* button);

    void check_required_fields();
    void Comsave_Click();
    void Comcancel_Click();
    void Cmdmain_Click();
    void Cmdchildren_Click();
    void Cmdaddress2_Click();
    // The four e-mail buttons: a message to the address in their box.
    void email_button_click(QLineEdit* address);
    void show_email_form();
    void unlock_fields();

    enum class Outcome { Stored, Duplicate, Failed };
    // Writes the household the form holds into the cursor's pending OVRAData row (a new row, or
    // the household's own row in edit), then its second-address and children rows, all in one
    // transaction. Leaves the cursor on the household.
    Outcome add_record();
    // Why the last store failed.
    QString failure_reason;
    // The same writer without the form: a new household as typed (keyname set), stored as the
    // form would store it. Leaves the form alone.
    Outcome add_household(common::AddressRecord household, const std::optional<common::ChildrenRecord>& children,
                          const std::optional<common::SecondAddressRecord>& second);
    // The stored form of typed values: names and address upper case, phones and e-mails trimmed.
    static common::AddressRecord normalized(common::AddressRecord household);

    // Forgets everything of the previous household's second address.
    void reset_second_address();

    QString error_flag;
    QString addnew_pending;

    // Set by a household change that ends in this form's SAVE: rows the change writes in the
    // save's own transaction, and the question asked before the form closes without saving
    // (false keeps it open).
    std::function<void()> rows_with_save;
    std::function<bool()> may_close;

protected:
    void build(QWidget* form, frmAddressRecord_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().Comcancel; }

private:
    void place_family_label();
    void mark(QWidget* control);
    common::AddressRecord household_from_form();
    // Writes the household into the cursor's pending row and its side rows in one transaction,
    // with more_rows if given; old_key is the household's key before an edit. Without a second
    // address to store, delete_second deletes the household's Address row.
    Outcome store_household(const common::AddressRecord& household, const QString& old_key,
                            std::optional<common::ChildrenRecord> children,
                            std::optional<common::SecondAddressRecord> second, bool delete_second,
                            const std::function<void()>& more_rows);
    void add_category_counts();
    void subtract_category_counts();
    void update_category_counts();
    void refresh_main_window();
};
