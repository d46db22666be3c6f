#include "household_generator.h"

#include <QRandomGenerator>
#include <QStringList>

#include "common/records.h"
#include "platform/cursor.h"

namespace {

const QStringList kLast = {"SMITH",    "O'BRIEN",  "MÜLLER",   "GARCÍA",  "D'ANGELO", "NGUYEN",
                           "JOHNSON",  "BROWN",    "LÓPEZ",    "O'NEILL", "KOWALSKI", "DUPONT",
                           "SCHÄFER",  "JONES",    "WILLIAMS", "TAYLOR",  "MARTIN",   "LEE",
                           "WALKER",   "HALL",     "ALLEN",    "YOUNG",   "KING",     "WRIGHT",
                           "SCOTT",    "GREEN",    "BAKER",    "ADAMS",   "NELSON",   "HILL",
                           "CAMPBELL", "MITCHELL", "ROBERTS",  "CARTER",  "PHILLIPS"};
const QStringList kFirst = {"ANN", "JOHN", "MARY",  "JOSÉ", "ZOË",  "BOB",  "CARA",
                            "DAN", "EVE",  "FRANK", "GINA", "HUGO", "IRIS", "JACK",
                            "KIM", "LIAM", "MIA",   "NOAH", "OLGA", "PAUL"};
const QStringList kStreet = {"MAIN ST",         "ELM STREET", "OAK AVE",
                             "RUE DE L'ÉGLISE", "PINE RD",    "LAKE DR"};
const QStringList kCity = {"SPRINGFIELD", "MADISON", "URBANA", "MONTRÉAL", "DECATUR", "SALEM"};

}  // namespace

void generate_households(const QString& database, int n) {
    QRandomGenerator random(20261206);
    platform::DataControl data;
    data.set_database_name(database);
    data.refresh();
    platform::Transaction t(data);
    auto pick = [&random](const QStringList& list) {
        return list[int(random.bounded(list.size()))];
    };
    for (int i = 0; i < n; ++i) {
        common::AddressRecord r;
        const QString last = kLast[i % kLast.size()] +
                             (i >= kLast.size() * kFirst.size() * 26
                                  ? QString::number(i / (kLast.size() * kFirst.size() * 26))
                                  : QString());
        const QString first = kFirst[(i / kLast.size()) % kFirst.size()] + QLatin1Char(' ') +
                              QChar(char16_t('A' + (i / (kLast.size() * kFirst.size())) % 26));
        r.keyname = last + QStringLiteral(", ") + first;
        r.address_1 = QStringLiteral("%1 %2").arg(random.bounded(1, 9999)).arg(pick(kStreet));
        r.city = pick(kCity);
        r.state = QStringLiteral("IL");
        r.zip = QStringLiteral("%1").arg(random.bounded(10000, 99999));
        r.home_phone = QStringLiteral("555-%1").arg(random.bounded(1000, 9999));
        r.option1 = QString::number(random.bounded(1, 6));
        if (random.bounded(10) < 6) {
            r.first_name_2 = pick(kFirst);
            r.last_name_2 = random.bounded(3) == 0 ? pick(kLast) : last;
            r.last_name_hyphen = r.last_name_2 != last && random.bounded(2) ? "Y" : "N";
            r.option2 = QString::number(random.bounded(1, 5));
        }
        for (int n = 1; n <= 12; ++n) r.category[n] = random.bounded(4) == 0 ? "Y" : "N";
        r.childflag = random.bounded(10) < 3 ? int(random.bounded(1, 4)) : 0;
        r.second_address = random.bounded(10) == 0 ? "Y" : "N";
        data.set_record_source(QStringLiteral("OVRAData"));
        data.refresh();
        data.add_new();
        r.write_to(data);
        data.update();
        if (r.childflag > 0) {
            common::ChildrenRecord kids;
            kids.keyname = r.keyname;
            for (int c = 1; c <= r.childflag; ++c) kids.child[c] = pick(kFirst);
            data.set_record_source(QStringLiteral("Children"));
            data.refresh();
            data.add_new();
            kids.write_to(data);
            data.update();
        }
        if (r.second_address == QLatin1String("Y")) {
            common::SecondAddressRecord second;
            second.keyname = r.keyname;
            second.address1 = QStringLiteral("1 COLLEGE WAY");
            second.city = pick(kCity);
            second.state = QStringLiteral("WI");
            second.zip = QStringLiteral("53703");
            data.set_record_source(QStringLiteral("Address"));
            data.refresh();
            data.add_new();
            second.write_to(data);
            data.update();
        }
    }
    t.commit();
}
