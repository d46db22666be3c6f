// Death and separation: the procedures ENTER runs. They change the two record images and ask
// the verifier for names and addresses; write_rows then stores the result in one transaction.
#include "common/keyname.h"
#include "frmRemoveName.h"

namespace changes {

QString shown_last_name2(const QString& lastname1, const QString& lastname2, const QString& hyphen,
                         const QString& reverse) {
    if (hyphen != QLatin1String("Y")) return lastname2;
    if (reverse == QLatin1String("Y")) return lastname1 + QLatin1Char('-') + lastname2;
    return lastname2 + QLatin1Char('-') + lastname1;
}

QString title_as_person1(const QString& option2, const QString& otherwise) {
    static const QStringList person2 = {"0", "1", "2", "3", "4", "5"};
    const int i = person2.indexOf(option2);
    return i < 0 ? otherwise : QString::number(i + 1);
}

}  // namespace changes

namespace {

QString yn(bool yes) {
    return yes ? QStringLiteral("Y") : QStringLiteral("N");
}

// The eight fields of a household's main address.
void copy_address(const common::AddressRecord& from, common::AddressRecord& to) {
    to.address_1 = from.address_1;
    to.address_2 = from.address_2;
    to.city = from.city;
    to.state = from.state;
    to.zip = from.zip;
    to.foreign_check = from.foreign_check;
    to.home_phone = from.home_phone;
    to.home_fax = from.home_fax;
}

void copy_address(const common::SecondAddressRecord& from, common::AddressRecord& to) {
    to.address_1 = from.address1;
    to.address_2 = from.address2;
    to.city = from.city;
    to.state = from.state;
    to.zip = from.zip;
    to.foreign_check = from.foreign_check;
    to.home_phone = from.phone;
    to.home_fax = from.fax;
}

}  // namespace

bool frmRemoveName::move_remove_name1() {
    return choice_.split ? split_name1() : remove_name1();
}

bool frmRemoveName::move_remove_name2() {
    return choice_.split ? split_name2() : remove_name2();
}

void frmRemoveName::clear_name1_fields() {
    auto& r = original_record;
    original_firstname1.clear();
    original_lastname1.clear();
    r.home_email_1.clear();
    r.work_email_1.clear();
    r.work_phone_1.clear();
    r.cell_phone_1.clear();
    r.sal1.clear();
    r.option1 = QStringLiteral("1");
}

void frmRemoveName::clear_name2_fields() {
    auto& r = original_record;
    original_firstname2.clear();
    original_lastname2.clear();
    r.home_email_2.clear();
    r.work_email_2.clear();
    r.work_phone_2.clear();
    r.cell_phone_2.clear();
    r.sal2.clear();
    r.last_name_hyphen = r.last_name_reverse = QStringLiteral("N");
    r.option2 = QStringLiteral("0");
}

void frmRemoveName::move_name2_to_name1() {
    auto& r = original_record;
    original_firstname1 = original_firstname2;
    original_lastname1 = original_lastname2;
    r.home_email_1 = r.home_email_2;
    r.work_email_1 = r.work_email_2;
    r.work_phone_1 = r.work_phone_2;
    r.cell_phone_1 = r.cell_phone_2;
    r.sal1 = r.sal2;
    r.option1 = changes::title_as_person1(r.option2, r.option1.value_or(QStringLiteral("1")));
}

void frmRemoveName::set_up_new_record_name1() {
    const auto& o = original_record;
    auto& n = new_record;
    new_keyname = original_keyname;
    new_firstname1 = original_firstname1;
    new_lastname1 = original_lastname1;
    n.home_email_1 = o.home_email_1;
    n.work_email_1 = o.work_email_1;
    n.work_phone_1 = o.work_phone_1;
    n.cell_phone_1 = o.cell_phone_1;
    n.sal1 = o.sal1;
    n.option1 = o.option1;
    n.category = o.category;
}

void frmRemoveName::set_up_new_record_name2() {
    const auto& o = original_record;
    auto& n = new_record;
    new_firstname1 = original_firstname2;
    n.home_email_1 = o.home_email_2;
    n.work_email_1 = o.work_email_2;
    n.work_phone_1 = o.work_phone_2;
    n.cell_phone_1 = o.cell_phone_2;
    n.sal1 = o.sal2;
    n.option1 = changes::title_as_person1(o.option2, n.option1.value_or(QStringLiteral("1")));
    n.category = o.category;
    // Proposed as the household shows person 2; the verifier lets the user correct it.
    new_lastname1 = changes::shown_last_name2(original_lastname1, original_lastname2,
                                              o.last_name_hyphen, o.last_name_reverse);
}

bool frmRemoveName::remove_name1() {
    clear_name1_fields();
    if (names_verified != QLatin1String("Y")) {
        prepare_verifier(make_new_ ? QStringList{new_keyname} : QStringList{});
        if (!verify_remaining_names()) return false;
    }
    move_name2_to_name1();
    clear_name2_fields();
    return true;
}

bool frmRemoveName::remove_name2() {
    clear_name2_fields();
    return true;
}

bool frmRemoveName::split_name1() {
    if (!choice_.keep) {
        if (!remove_name1()) return false;
        // The children leave with a person who is not kept.
        if (choice_.children) children_go_ = Goes::nowhere;
        return true;
    }
    if (choice_.keep_address) {
        address_go_ = choice_.children ? Goes::staying : Goes::leaving;
    } else if (choice_.move_address) {
        address_go_ = Goes::nowhere;
        copy_address(second_address_image, new_record);
    }

    make_new_ = true;
    if (!choice_.children) {
        // Person 1 leaves alone; person 2 keeps the household and the children.
        set_up_new_record_name1();
        prepare_verifier({});
        if (choice_.move_address) {
            split_name_flag = QStringLiteral("N");
            if (!check_name1()) return false;
            // Person 2's last name as verified, which remove_name1 makes person 1's.
            original_lastname2 = original_lastname1;
        } else if (!verify_new_name()) {
            return false;
        }
        return remove_name1();
    }

    // Person 1 leaves with the children and keeps the household's row; person 2 gets a new one
    // at the old address.
    set_up_new_record_name2();
    copy_address(original_record, new_record);
    prepare_verifier({});
    if (choice_.move_address) {
        copy_address(second_address_image, original_record);
        split_name_flag = QStringLiteral("Y");
        if (!check_name1()) return false;
    } else {
        if (!verify_names_address()) return false;
        original_record.home_phone = original_record.home_fax = QStringLiteral(" ");
    }
    clear_name2_fields();
    return true;
}

bool frmRemoveName::split_name2() {
    if (choice_.children) children_go_ = choice_.keep ? Goes::leaving : Goes::nowhere;
    if (!choice_.keep) {
        clear_name2_fields();
        return true;
    }
    set_up_new_record_name2();
    make_new_ = true;
    if (choice_.move_address) {
        copy_address(second_address_image, new_record);
        address_go_ = Goes::nowhere;
        prepare_verifier({});
        if (!check_name1()) return false;
    } else {
        // Person 1 stays under the household's key.
        prepare_verifier({original_keyname});
        if (!verify_new_name()) return false;
    }
    clear_name2_fields();
    if (choice_.keep_address) address_go_ = Goes::leaving;
    return true;
}

void frmRemoveName::write_rows() {
    // Children are the names in the row, stored packed whatever the flag said.
    const auto as_read = children_image.child;
    children_image.child = common::packed_children(as_read);
    const int children = children_found_ ? common::count_children(as_read) : 0;
    auto key_of = [this](Goes g) {
        return g == Goes::staying ? original_keyname : g == Goes::leaving ? new_keyname : QString();
    };
    // The markers say exactly which household holds which side row.
    original_record.childflag = children_go_ == Goes::staying ? children : 0;
    new_record.childflag = children_go_ == Goes::leaving ? children : 0;
    original_record.second_address = yn(address_found_ && address_go_ == Goes::staying);
    new_record.second_address = yn(address_found_ && address_go_ == Goes::leaving);

    const QString children_to = children > 0 ? key_of(children_go_) : QString();
    const QString children_last =
        children_go_ == Goes::leaving ? new_lastname1 : original_lastname1;
    const bool complete_names = !children_to.isEmpty() && children_last != family_lastname;
    const bool move_children =
        children_found_ &&
        (children_to != loaded_keyname || complete_names || children_image.child != as_read);
    const QString address_to = address_found_ ? key_of(address_go_) : QString();
    const bool move_address = address_found_ && address_to != loaded_keyname;

    // Side rows leave the old key first, so either household may take it.
    keyname = loaded_keyname;
    if (drop_address_ || move_address) {
        table_name = QStringLiteral("Address");
        delete_keyname_row();
    }
    if (move_children) {
        table_name = QStringLiteral("Children");
        delete_keyname_row();
    }

    if (original_keyname == loaded_keyname) {
        keyname = loaded_keyname;
        seek_edit_record();
    } else {
        // A new first person means a new key: the row is stored again under it.
        table_name = QStringLiteral("OVRAData");
        keyname = loaded_keyname;
        if (!delete_keyname_row()) throw changes::missing_household(loaded_keyname);
        keyname = original_keyname;
        seek_add_record();
    }
    write_original_record();
    update_record();

    if (make_new_) {
        keyname = new_keyname;
        seek_add_record();
        write_new_record();
        update_record();
        add_category_counts();
    }

    if (move_children && !children_to.isEmpty()) {
        children_image.keyname = children_to;
        if (complete_names) add_child_last_names();
        add_children();
    }
    if (move_address && !address_to.isEmpty()) {
        second_address_image.keyname = address_to;
        add_second_address();
    }
}
