#pragma once

#include <QString>
#include <array>
#include <functional>

#include "common/records.h"
#include "platform/window.h"

namespace frmRemoveName_ui {
struct Controls {};
}  // namespace frmRemoveName_ui

// The name-removal window. It holds the household that stays and the one made for a person
// who moves out as two record images, changes them in memory and writes them only when the
// user confirms. Setting or reading its variables and running its procedures never loads it.
class frmRemoveName : public platform::Form<frmRemoveName_ui::Controls> {
public:
    frmRemoveName() : Form(QStringLiteral("frmRemoveName")) {}

    // Names of the two households: person 1 lives only inside a key, so these are never
    // written as fields; the keys and person 2 of the household that stays are.
    QString original_keyname, original_firstname1, original_lastname1, original_firstname2,
        original_lastname2;
    QString new_keyname, new_firstname1, new_lastname1;

    // The key the next cursor operation looks for.
    QString keyname;
    // The table delete_keyname_row deletes from.
    QString table_name;
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

protected:
    void build(QWidget*, frmRemoveName_ui::Controls&) override {}

private:
    std::array<int, 13> counts_to_add_{};
};

namespace changes {
// A child recorded by one name gets the family's last name: an entry that is not blank and
// has no blank between its second and next-to-last character.
QString with_family_name(const QString& child, const QString& last_name);
// The children that are not blank (empty or all blanks), in order.
std::array<QString, 7> packed_children(const std::array<QString, 7>& child);
int count_children(const std::array<QString, 7>& child);
}  // namespace changes
