#include "frmdatabase.h"

#include "platform/application.h"
#include "platform/errors.h"

frmdatabase::frmdatabase() : Form(QStringLiteral("frmdatabase")) {}

void frmdatabase::build(QWidget* form, frmdatabase_ui::Controls&) {
    form->setWindowTitle(QStringLiteral("Main Database"));
}

platform::DataControl& Data1() { return platform::form<frmdatabase>().ui().Data1; }

int open_database_file() {
    try {
        Data1().set_database_name(platform::App::current().path(QStringLiteral("ovra.mdb")));
        Data1().refresh();
        Data1().move_last();
        return Data1().record_count();
    } catch (const platform::VbError&) {
        return 0;
    }
}

void open_table(const QString& table) {
    Data1().set_record_source(table);
    Data1().refresh();
}

bool seek_key(const QString& keyname) {
    Data1().set_index(QStringLiteral("keyname"));
    Data1().seek(QStringLiteral("="), keyname);
    return !Data1().no_match();
}

void use_household_table() {
    if (!Data1().is_open() ||
        Data1().record_source().compare(QLatin1String("OVRAData"), Qt::CaseInsensitive) != 0)
        open_table(QStringLiteral("OVRAData"));
}

int household_count() {
    try {
        use_household_table();
        return Data1().record_count();
    } catch (const platform::VbError&) {
        return 0;
    }
}
