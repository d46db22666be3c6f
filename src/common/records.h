#pragma once

#include <QString>
#include <QVariant>
#include <array>
#include <optional>

namespace platform {
class DataControl;
}

namespace common {

// A row of OVRAData. Texts read as "" where the row holds no value.
struct AddressRecord {
    QString keyname;
    QString home_email_1, work_email_1, work_phone_1, cell_phone_1;
    QString first_name_2, last_name_2;
    QString home_email_2, work_email_2, work_phone_2, cell_phone_2;
    QString address_1, address_2, city, state, zip;
    QString home_phone, home_fax;
    QString sal1, sal2;
    int childflag = 0;
    QString foreign_check = "N", last_name_check = "N", last_name_hyphen = "N",
            last_name_reverse = "N";
    // Absent when person 1 has no title chosen; the writer then leaves the field as it is.
    std::optional<QString> option1;
    QString option2 = "0";
    std::array<QString, 13> category{};  // [1]..[12]: "Y" or "N"
    QString second_address = "N";

    // Fills the cursor's edit buffer in the writer's field order.
    void write_to(platform::DataControl& data) const;
    static AddressRecord read_from(const platform::DataControl& data);
};

// A row of Children.
struct ChildrenRecord {
    QString keyname;
    std::array<QString, 7> child{};  // [1]..[6]

    void write_to(platform::DataControl& data) const;
    static ChildrenRecord read_from(const platform::DataControl& data);
};

// A household's children are the names that are not blank, in order, whatever `childflag` says;
// writers store them packed ([1]..[n]) with `childflag` n.
std::array<QString, 7> packed_children(const std::array<QString, 7>& child);
int count_children(const std::array<QString, 7>& child);
// The children of household `key`, packed, read from its Children row without moving the cursor;
// none when it has no row.
std::array<QString, 7> stored_children(platform::DataControl& data, const QString& key);

// A row of Address: the household's second address.
struct SecondAddressRecord {
    QString keyname;
    QString address1, address2, city, state, zip;
    QString foreign_check = "N";
    QString phone, fax;

    void write_to(platform::DataControl& data) const;
    static SecondAddressRecord read_from(const platform::DataControl& data);
};

// A field's text; "" when the row holds no value.
QString text_field(const platform::DataControl& data, const QString& name);
// A yes/no field counts as yes exactly when it holds "Y".
bool yes_field(const platform::DataControl& data, const QString& name);

}  // namespace common
