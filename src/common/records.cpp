#include "records.h"

#include <algorithm>

#include "platform/cursor.h"
#include "vbstring.h"

namespace common {

using platform::DataControl;

QString text_field(const DataControl& data, const QString& name) {
    const QVariant v = data.field(name);
    return v.isNull() ? QString() : v.toString();
}

bool yes_field(const DataControl& data, const QString& name) {
    return text_field(data, name) == QLatin1String("Y");
}

void AddressRecord::write_to(DataControl& d) const {
    d.set_field("keyname", keyname);
    d.set_field("home email 1", home_email_1);
    d.set_field("work email 1", work_email_1);
    d.set_field("work phone 1", work_phone_1);
    d.set_field("cell phone 1", cell_phone_1);
    d.set_field("first name 2", first_name_2);
    d.set_field("last name 2", last_name_2);
    d.set_field("home email 2", home_email_2);
    d.set_field("work email 2", work_email_2);
    d.set_field("work phone 2", work_phone_2);
    d.set_field("cell phone 2", cell_phone_2);
    d.set_field("address 1", address_1);
    d.set_field("address 2", address_2);
    d.set_field("city", city);
    d.set_field("state", state);
    d.set_field("zip", zip);
    d.set_field("home phone", home_phone);
    d.set_field("home fax", home_fax);
    d.set_field("sal1", sal1);
    d.set_field("sal2", sal2);
    d.set_field("childflag", childflag);
    d.set_field("foreign check", foreign_check);
    d.set_field("last name check", last_name_check);
    d.set_field("last name hyphen", last_name_hyphen);
    d.set_field("last-name-reverse", last_name_reverse);
    if (option1) d.set_field("option1", *option1);
    d.set_field("option2", option2);
    for (int n = 1; n <= 12; ++n) d.set_field(QStringLiteral("category%1").arg(n), category[n]);
    d.set_field("second address", second_address);
}

AddressRecord AddressRecord::read_from(const DataControl& d) {
    AddressRecord r;
    r.keyname = text_field(d, "keyname");
    r.home_email_1 = text_field(d, "home email 1");
    r.work_email_1 = text_field(d, "work email 1");
    r.work_phone_1 = text_field(d, "work phone 1");
    r.cell_phone_1 = text_field(d, "cell phone 1");
    r.first_name_2 = text_field(d, "first name 2");
    r.last_name_2 = text_field(d, "last name 2");
    r.home_email_2 = text_field(d, "home email 2");
    r.work_email_2 = text_field(d, "work email 2");
    r.work_phone_2 = text_field(d, "work phone 2");
    r.cell_phone_2 = text_field(d, "cell phone 2");
    r.address_1 = text_field(d, "address 1");
    r.address_2 = text_field(d, "address 2");
    r.city = text_field(d, "city");
    r.state = text_field(d, "state");
    r.zip = text_field(d, "zip");
    r.home_phone = text_field(d, "home phone");
    r.home_fax = text_field(d, "home fax");
    r.sal1 = text_field(d, "sal1");
    r.sal2 = text_field(d, "sal2");
    r.childflag = d.field("childflag").toInt();
    r.foreign_check = text_field(d, "foreign check");
    r.last_name_check = text_field(d, "last name check");
    r.last_name_hyphen = text_field(d, "last name hyphen");
    r.last_name_reverse = text_field(d, "last-name-reverse");
    const QVariant option1 = d.field("option1");
    if (!option1.isNull()) r.option1 = option1.toString();
    r.option2 = text_field(d, "option2");
    for (int n = 1; n <= 12; ++n)
        r.category[n] = text_field(d, QStringLiteral("category%1").arg(n));
    r.second_address = text_field(d, "second address");
    return r;
}

void ChildrenRecord::write_to(DataControl& d) const {
    d.set_field("keyname", keyname);
    for (int i = 1; i <= 6; ++i) d.set_field(QStringLiteral("child%1").arg(i), child[i]);
}

ChildrenRecord ChildrenRecord::read_from(const DataControl& d) {
    ChildrenRecord r;
    r.keyname = text_field(d, "keyname");
    for (int i = 1; i <= 6; ++i) r.child[i] = text_field(d, QStringLiteral("child%1").arg(i));
    return r;
}

std::array<QString, 7> packed_children(const std::array<QString, 7>& child) {
    std::array<QString, 7> out{};
    int n = 0;
    for (int i = 1; i <= 6; ++i)
        if (!is_blank(child[i])) out[++n] = child[i];
    return out;
}

int count_children(const std::array<QString, 7>& child) {
    return int(std::count_if(child.begin() + 1, child.end(),
                             [](const QString& name) { return !is_blank(name); }));
}

std::array<QString, 7> stored_children(DataControl& data, const QString& key) {
    static DataControl::KeyedRead children{
        QStringLiteral("Children"),
        {QStringLiteral("child1"), QStringLiteral("child2"), QStringLiteral("child3"),
         QStringLiteral("child4"), QStringLiteral("child5"), QStringLiteral("child6")},
        {}};
    std::array<QString, 7> child{};
    const QVector<QVariant> row = data.row_by_key(children, key);
    for (int i = 0; i < row.size() && i < 6; ++i)
        child[i + 1] = row[i].isNull() ? QString() : row[i].toString();
    return packed_children(child);
}

void SecondAddressRecord::write_to(DataControl& d) const {
    d.set_field("keyname", keyname);
    d.set_field("address1", address1);
    d.set_field("address2", address2);
    d.set_field("city", city);
    d.set_field("state", state);
    d.set_field("zip", zip);
    d.set_field("foreign check", foreign_check);
    d.set_field("phone", phone);
    d.set_field("fax", fax);
}

SecondAddressRecord SecondAddressRecord::read_from(const DataControl& d) {
    SecondAddressRecord r;
    r.keyname = text_field(d, "keyname");
    r.address1 = text_field(d, "address1");
    r.address2 = text_field(d, "address2");
    r.city = text_field(d, "city");
    r.state = text_field(d, "state");
    r.zip = text_field(d, "zip");
    r.foreign_check = text_field(d, "foreign check");
    r.phone = text_field(d, "phone");
    r.fax = text_field(d, "fax");
    return r;
}

}  // namespace common
