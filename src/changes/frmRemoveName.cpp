#include "frmRemoveName.h"

#include "common/vbstring.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"
#include "shell/modCategory_setup.h"

using platform::form;
using platform::VbError;

namespace changes {

QString with_family_name(const QString& child, const QString& last_name) {
    if (common::is_blank(child)) return child;
    for (int i = 1; i < child.size() - 1; ++i)
        if (child[i] == QLatin1Char(' ')) return child;
    return child + QLatin1Char(' ') + last_name;
}

}  // namespace changes

namespace changes {

VbError missing_household(const QString& key) {
    return VbError(platform::kErrNoCurrentRecord,
                   QStringLiteral("The household %1 is no longer in the address book.").arg(key));
}

}  // namespace changes

common::AddressRecord frmRemoveName::new_record_image() {
    common::AddressRecord r;
    r.option1 = QStringLiteral("1");
    r.option2 = QStringLiteral("0");
    r.foreign_check = r.last_name_check = r.last_name_hyphen = r.last_name_reverse =
        r.second_address = QStringLiteral("N");
    // Categories start empty, not "N": they count only once filled from a household.
    for (int n = 1; n <= 12; ++n) r.category[n].clear();
    r.childflag = 0;
    return r;
}

void frmRemoveName::read_original_record() {
    original_record = common::AddressRecord::read_from(Data1());
    original_record.keyname = original_keyname = keyname;
    // Imported households may hold no value in their code fields.
    auto& r = original_record;
    auto or_default = [](QString& field, const char* value) {
        if (field.isEmpty()) field = QString::fromLatin1(value);
    };
    if (!r.option1 || r.option1->isEmpty()) r.option1 = QStringLiteral("1");
    or_default(r.option2, "0");
    for (QString* flag : {&r.foreign_check, &r.last_name_check, &r.last_name_hyphen,
                          &r.last_name_reverse, &r.second_address})
        or_default(*flag, "N");
    for (int n = 1; n <= 12; ++n) or_default(r.category[n], "N");
    original_firstname2 = original_record.first_name_2;
    original_lastname2 = original_record.last_name_2;
}

void frmRemoveName::seek_edit_record() {
    open_table(QStringLiteral("OVRAData"));
    if (!seek_key(keyname)) throw changes::missing_household(keyname);
    Data1().edit();
}

void frmRemoveName::seek_add_record() {
    open_table(QStringLiteral("OVRAData"));
    seek_key(keyname);
    Data1().add_new();
}

void frmRemoveName::write_original_record() {
    common::AddressRecord r = original_record;
    r.keyname = original_keyname;
    r.first_name_2 = original_firstname2;
    r.last_name_2 = original_lastname2;
    r.write_to(Data1());
}

void frmRemoveName::write_new_record() {
    common::AddressRecord r = new_record;
    r.keyname = new_keyname;
    r.write_to(Data1());
}

void frmRemoveName::update_record() {
    Data1().update();
    form<frmOVRA>().show_record_count(Data1().record_count());
}

void frmRemoveName::add_category_counts() {
    for (int n = 1; n <= 12; ++n)
        if (new_record.category[n] == QLatin1String("Y")) ++counts_to_add_[n];
}

bool frmRemoveName::get_children() {
    children_image = {};
    open_table(QStringLiteral("children"));
    const bool found = seek_key(keyname);
    if (found) children_image = common::ChildrenRecord::read_from(Data1());
    open_table(QStringLiteral("OVRAData"));
    return found;
}

bool frmRemoveName::get_second_address() {
    second_address_image = {};
    open_table(QStringLiteral("address"));
    const bool found = seek_key(keyname);
    if (found) second_address_image = common::SecondAddressRecord::read_from(Data1());
    open_table(QStringLiteral("OVRAData"));
    return found;
}

bool frmRemoveName::delete_keyname_row() {
    open_table(table_name);
    const bool found = seek_key(keyname);
    if (found) Data1().delete_row();
    open_table(QStringLiteral("OVRAData"));
    return found;
}

void frmRemoveName::add_children() {
    open_table(QStringLiteral("children"));
    Data1().add_new();
    children_image.write_to(Data1());
    Data1().update();
    open_table(QStringLiteral("OVRAData"));
}

void frmRemoveName::add_second_address() {
    open_table(QStringLiteral("Address"));
    Data1().add_new();
    second_address_image.write_to(Data1());
    Data1().update();
    open_table(QStringLiteral("OVRAData"));
}

void frmRemoveName::add_child_last_names() {
    for (int i = 1; i <= 6; ++i)
        children_image.child[i] =
            changes::with_family_name(children_image.child[i], family_lastname);
}

bool frmRemoveName::write_change(const std::function<void()>& rows) {
    counts_to_add_ = {};
    auto& main = form<frmOVRA>();
    try {
        platform::Transaction t(Data1());
        rows();
        open_table(QStringLiteral("OVRAData"));
        t.commit();
    } catch (const VbError& e) {
        counts_to_add_ = {};
        platform::resume_next([] { open_table(QStringLiteral("OVRAData")); });
        main.show_record_count(household_count());
        platform::msgbox(QStringLiteral("The change could not be saved; nothing was changed.\n%1")
                             .arg(e.description()),
                         platform::vbExclamation, QStringLiteral("Change Failed"));
        return false;
    }
    bool moved = false;
    for (int n = 1; n <= 12; ++n) {
        main.catcount[n] += counts_to_add_[n];
        moved = moved || counts_to_add_[n] != 0;
    }
    counts_to_add_ = {};
    modCategory_setup::set_up_categories();
    if (moved) main.write_storefile();
    return true;
}
