#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "common/records.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/window.h"
#include "remove_name_rules.h"

namespace frmRemoveName_ui {
struct Controls {
    QLabel* lblHeading = nullptr;
    platform::OptionButton* optName1 = nullptr;
    platform::OptionButton* optName2 = nullptr;
    QLabel* lblName1 = nullptr;
    QLabel* lblName2 = nullptr;
    platform::OptionButton* optDeath1 = nullptr;
    platform::OptionButton* optSplit1 = nullptr;
    platform::OptionButton* optDeath2 = nullptr;
    platform::OptionButton* optSplit2 = nullptr;
    QCheckBox* chkkeep1 = nullptr;
    QCheckBox* chkKeep2 = nullptr;
    QCheckBox* chkChild1 = nullptr;
    QCheckBox* chkChild2 = nullptr;
    QCheckBox* chkSecondAddress = nullptr;
    platform::OptionButton* optMoveAddress1 = nullptr;
    platform::OptionButton* optKeepAddress1 = nullptr;
    platform::OptionButton* optMoveAddress2 = nullptr;
    platform::OptionButton* optKeepAddress2 = nullptr;
    QCheckBox* chkAddressDelete = nullptr;
    QLabel* imgCheckboxOn = nullptr;
    QLabel* imgCheckboxOff = nullptr;
    QPushButton* cmdEnter = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdMainMenu = nullptr;
};
}  // namespace frmRemoveName_ui

// The name-removal window. It holds the household that stays and the one made for a person
// who moves out as two record images, changes them in memory and writes them only when the
// user confirms. Setting or reading its variables and running its procedures never loads it.
class frmRemoveName : public platform::Form<frmRemoveName_ui::Controls> {
public:
    frmRemoveName();

    // The household to change, set by the caller before the window loads.
    QString firstname1, lastname1, firstname2, lastname2, name_reverse, hyphen, addressflag;
    int childflag = 0;

    // Names of the two households: person 1 lives only inside a key, so these are never
    // written as fields; the keys and person 2 of the household that stays are.
    QString original_keyname, original_firstname1, original_lastname1, original_firstname2,
        original_lastname2;
    QString new_keyname, new_firstname1, new_lastname1;

    // The key the next cursor operation looks for.
    QString keyname;
    // The table delete_keyname_row deletes from.
    QString table_name;
    // The key at load, under which the household's rows are found.
    QString loaded_keyname;
    // Person 1's last name when the household was loaded; completes one-word children.
    QString family_lastname;
    // "Y" once check_name1 has verified both persons.
    QString names_verified;
    // "N" when the person of the main row of check_name1 moves out.
    QString split_name_flag;

    // The two record images; their keyname, first name 2 and last name 2 are replaced by the
    // public fields above when written.
    common::AddressRecord original_record;
    common::AddressRecord new_record = new_record_image();
    // Side-row images.
    common::ChildrenRecord children_image;
    common::SecondAddressRecord second_address_image;

    // The new-record image as a change starts it.
    static common::AddressRecord new_record_image();
    // Fills the original-record image from the cursor's current household row, under keyname.
    void read_original_record();

    // ---- Row writers. Each throws when its row is not there, so the change is rolled back.
    void seek_edit_record();
    void seek_add_record();
    void write_original_record();
    void write_new_record();
    void update_record();
    // Counts the new-record image's categories; they reach the main window and storefile.ovr
    // when the change commits.
    void add_category_counts();

    // ---- Side rows. A row the household's markers promise but that is missing counts as
    // none: the image is left empty and false is returned; no other row is read or deleted.
    bool get_children();
    bool get_second_address();
    // Deletes the row of keyname from table_name; false when there is none.
    bool delete_keyname_row();
    void add_children();
    void add_second_address();
    void add_child_last_names();

    // Writes the rows of one change in one transaction. Any failure rolls every row back,
    // tells the user and returns false; the counts move only after the commit.
    bool write_change(const std::function<void()>& rows);

    // ---- Name verification through frmVerifyNames. Each returns false when the user closed
    // the dialog, which cancels the change; nothing has been written then.
    bool verify_new_name();
    bool verify_names_address();
    bool check_name1();
    bool verify_remaining_names();

    // ---- The window. Its click rules live in rules(); the controls mirror them.
    const changes::RemoveNameRules& rules() const { return rules_; }
    void cmdEnter_Click();
    void cmdCancel_Click();
    void cmdMainMenu_Click();

    // ---- The change ENTER carries out. Each procedure changes the images and asks the
    // verifier; it returns false when the user closed the verifier. Rows are written
    // afterwards, all in one transaction (write_rows).
    bool move_remove_name1();
    bool move_remove_name2();
    bool remove_name1();
    bool remove_name2();
    bool split_name1();
    bool split_name2();
    void clear_name1_fields();
    void clear_name2_fields();
    void move_name2_to_name1();
    void set_up_new_record_name1();
    void set_up_new_record_name2();
    void write_rows();

protected:
    void build(QWidget* form, frmRemoveName_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }

private:
    // Who ends up with the household's Children or Address row.
    enum class Goes { nowhere, staying, leaving };

    QWidget* control(changes::Ctl c);
    void rule_clicked(changes::Ctl c);
    void show_rules();
    // Before each use of the verifier: the keys this change has already given a household.
    void prepare_verifier(const QStringList& claimed);

    changes::RemoveNameRules rules_;
    bool showing_rules_ = false;
    changes::RemoveChoice choice_;
    // The plan ENTER writes.
    bool children_found_ = false, address_found_ = false, drop_address_ = false;
    bool make_new_ = false;
    Goes children_go_ = Goes::staying, address_go_ = Goes::staying;
    QStringList claimed_keys_;

    std::array<int, 13> counts_to_add_{};
};

namespace changes {
// The error of a change whose household has gone from the address book.
platform::VbError missing_household(const QString& key);
// Person 2's last name as the household shows it: joined to person 1's by a hyphen when
// `hyphen` is "Y", person 1's first when `reverse` is "Y" too.
QString shown_last_name2(const QString& lastname1, const QString& lastname2, const QString& hyphen,
                         const QString& reverse);
// A person-2 title choice ("0" none to "5" own title) as the same person-1 choice ("1" to "6");
// any other value gives `otherwise`.
QString title_as_person1(const QString& option2, const QString& otherwise);
// A child recorded by one name gets the family's last name: an entry that is not blank and
// has no blank between its second and next-to-last character.
QString with_family_name(const QString& child, const QString& last_name);
}  // namespace changes
