#include "frmExport.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "common/keyname.h"
#include "common/records.h"
#include "common/schema.h"
#include "common/vbstring.h"
#include "common/write_line.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/errors.h"
#include "platform/file_dialog.h"
#include "platform/msgbox.h"
#include "shell/FrmHeadingCreate.h"
#include "shell/frmdatabase.h"

using platform::form;
namespace write_line = common::write_line;

namespace {

// In the order of the import's mapping boxes, so an exported file imports with box n mapped to
// column n. Every record has these thirty-two items and no more: other readers count on it.
const char* const kHeader[32] = {"FIRST NAME",   "LAST NAME",     "WORK PHONE 1",  "CELL PHONE 1",
                                 "HOME EMAIL 1", "WORK EMAIL 1",  "FIRST NAME 2",  "LAST NAME 2",
                                 "WORK PHONE 2", "CELL PHONE 2",  "HOME EMAIL 2",  "WORK EMAIL 2",
                                 "ADDRESS 1",    "ADDRESS 2",     "CITY",          "STATE",
                                 "ZIP",          "HOME PHONE",    "HOME FAX",      "CHILD 1",
                                 "CHILD 2",      "CHILD 3",       "CHILD 4",       "CHILD 5",
                                 "CHILD 6",      "2ND ADDRESS 1", "2ND ADDRESS 2", "2ND CITY",
                                 "2ND STATE",    "2ND ZIP",       "2ND PHONE",     "2ND FAX"};

// Items 3 to 19: fields of the household row, in column order.
const char* const kHouseholdFields[17] = {
    "work phone 1", "cell phone 1", "home email 1", "work email 1", "first name 2", "last name 2",
    "work phone 2", "cell phone 2", "home email 2", "work email 2", "address 1",    "address 2",
    "city",         "state",        "zip",          "home phone",   "home fax"};

const char* const kChildFields[7] = {"child1", "child2", "child3", "child4",
                                     "child5", "child6", nullptr};
const char* const kAddressFields[7] = {"address1", "address2", "city", "state",
                                       "zip",      "phone",    "fax"};

// A field as an item: its text, or #NULL# when it holds no value.
write_line::Item item(const QVariant& value) {
    if (value.isNull()) return write_line::Null{};
    return value.toString();
}

// Where items 3 to 19 stand among the household table's fields.
const std::array<int, 17>& household_columns() {
    static const std::array<int, 17> columns = [] {
        std::array<int, 17> c{};
        for (int i = 0; i < 17; ++i)
            c[i] =
                int(common::schema::household_fields().indexOf(QLatin1String(kHouseholdFields[i])));
        return c;
    }();
    return columns;
}

void write(QIODevice& out, const QByteArray& bytes) {
    if (out.write(bytes) != bytes.size())
        throw platform::VbError(platform::kErrPathFileAccess, out.errorString());
}

}  // namespace

frmExport::frmExport() : Form(QStringLiteral("frmExport")) {}

void frmExport::build(QWidget* w, frmExport_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Form1"));
    platform::set_client_size(w, 8400, 5160);

    c.Label1 =
        platform::make_label(w, "Label1", QStringLiteral("EXPORT UTILITY"), 120, 120, 8160, 420);
    c.Label1->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
    c.Label1->setAlignment(Qt::AlignCenter);
    c.lblStatus = platform::make_label(w, "lblStatus", QString(), 120, 600, 8160, 360);
    c.lblStatus->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    c.lblStatus->setAlignment(Qt::AlignCenter);
    platform::set_fore_color(c.lblStatus, platform::color::kLightRed);
    c.lblStatus->hide();

    c.Frame1 = new QGroupBox(w);
    c.Frame1->setObjectName(QStringLiteral("Frame1"));
    platform::place(c.Frame1, 240, 1080, 7920, 3060);
    c.optAll = platform::make_option(
        c.Frame1, "optAll", QStringLiteral("Export Entire Database To ASCII"), 240, 180, 5400, 315);
    c.OptCategory = platform::make_option(
        c.Frame1, "OptCategory", QStringLiteral("Export By Category"), 240, 600, 5400, 315);
    platform::make_option_group({c.optAll, c.OptCategory});
    for (int n = 1; n <= 12; ++n) {
        const QByteArray name = "Check(" + QByteArray::number(n) + ")";
        c.Check[n] =
            platform::make_check(c.Frame1, name.constData(), QString(), 240 + ((n - 1) % 3) * 2520,
                                 1140 + ((n - 1) / 3) * 420, 2400, 315);
    }
    c.cmdExport =
        platform::make_button(w, "cmdExport", QStringLiteral("EXPORT"), 1560, 4380, 2100, 555);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 4740, 4380, 2100, 555);

    platform::on_chosen(c.optAll, [this] { optAll_Click(); });
    platform::on_chosen(c.OptCategory, [this] { OptCategory_Click(); });
    platform::on_click(c.cmdExport, [this] { cmdExport_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmExport::Form_Load() {
    auto& c = ui();
    c.optAll->setChecked(false);
    c.OptCategory->setChecked(false);
    for (int n = 1; n <= 12; ++n) {
        c.Check[n]->setEnabled(false);
        platform::set_value(c.Check[n], 0);
        c.Check[n]->setText(platform::typed_caption(category_name(n)));
        c.Check[n]->setVisible(!c.Check[n]->text().isEmpty());
    }
}

void frmExport::optAll_Click() {
    for (int n = 1; n <= 12; ++n) ui().Check[n]->setEnabled(false);
}

void frmExport::OptCategory_Click() {
    for (int n = 1; n <= 12; ++n) ui().Check[n]->setEnabled(true);
}

void frmExport::cmdCancel_Click() {
    unload();
}

void frmExport::cmdExport_Click() {
    auto& c = ui();
    c.lblStatus->hide();
    auto status = [&c](const QString& text) {
        c.lblStatus->setText(text);
        c.lblStatus->show();
    };
    if (!c.optAll->isChecked() && !c.OptCategory->isChecked())
        return status(QStringLiteral("PICK AN EXPORT OPTION"));
    by_category_ = c.OptCategory->isChecked();
    bool any = false;
    for (int n = 1; n <= 12; ++n) {
        ticked_[n] = platform::value(c.Check[n]) == 1;
        any = any || ticked_[n];
    }
    if (by_category_ && !any) return status(QStringLiteral("PICK AT LEAST ONE CATEGORY"));

    QString path =
        platform::get_save_file_name(QStringLiteral("File Export"), platform::documents_folder(),
                                     QString(), QStringLiteral("*.txt (*.txt)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");

    // The finished file replaces the chosen one in one step; a failed run leaves no part of one.
    QSaveFile file(path);
    QString failure;
    try {
        if (!file.open(QIODevice::WriteOnly))
            throw platform::VbError(platform::kErrPathFileAccess, file.errorString());
        write_export(file);
        if (!file.commit())
            throw platform::VbError(platform::kErrPathFileAccess, file.errorString());
    } catch (const platform::VbError& e) {
        failure = e.description();
        file.cancelWriting();
    }
    platform::resume_next([] { use_household_table(); });
    if (!failure.isEmpty()) {
        platform::msgbox(
            QStringLiteral("The export file %1 could not be written; no file was created.\n%2")
                .arg(QDir::toNativeSeparators(path), failure),
            platform::vbExclamation, QStringLiteral("Export Failed"));
        return;
    }
    status(QStringLiteral("EXPORT FILE CREATED"));
}

int frmExport::write_export(QIODevice& out) {
    auto& data = Data1();
    std::vector<write_line::Item> header;
    for (const char* h : kHeader) header.emplace_back(QString::fromLatin1(h));
    write(out, write_line::format(header));

    // The side rows are read once, so the walk of the household table never leaves it.
    auto load_side = [&data](const char* table, const char* const* fields, bool packed,
                             QHash<QString, SideItems>& into) {
        into.clear();
        open_table(QString::fromLatin1(table));
        for (bool row = data.has_current(); row; row = (data.move_next(), !data.eof())) {
            SideItems items;
            int n = 0;
            for (int i = 0; i < 7 && fields[i]; ++i) {
                const QVariant value = data.field(QString::fromLatin1(fields[i]));
                // Children are the non-blank names, in order, whatever childflag says.
                if (packed && common::is_blank(value.toString())) continue;
                items[n++] = value;
            }
            for (; packed && n < 7; ++n) items[n] = QString();
            into.insert(common::text_field(data, QStringLiteral("keyname")).toUpper(), items);
        }
    };
    load_side("Children", kChildFields, true, children_);
    load_side("Address", kAddressFields, false, addresses_);

    open_table(QStringLiteral("OVRAData"));
    int written = 0;
    for (bool row = data.has_current(); row; row = (data.move_next(), !data.eof())) {
        const qint64 before = out.pos();
        export_record(out);
        if (out.pos() != before) ++written;
    }
    children_.clear();
    addresses_.clear();
    return written;
}

void frmExport::export_record(QIODevice& out) {
    auto& data = Data1();
    if (by_category_) {
        bool selected = false;
        for (int n = 1; n <= 12; ++n)
            selected = selected ||
                       (ticked_[n] && common::yes_field(data, QStringLiteral("category%1").arg(n)));
        if (!selected) return;
    }
    // The row's fields in the table's order, which the cursor finds fastest.
    const QStringList& fields = common::schema::household_fields();
    std::array<QVariant, 40> row;
    for (int i = 0; i < fields.size() && i < 40; ++i) row[i] = data.field(fields[i]);
    auto value = [&](const char* name) { return row[fields.indexOf(QLatin1String(name))]; };
    const QString key = value("keyname").toString();
    const common::KeyNames names = common::split_keyname(key);
    std::vector<write_line::Item> items;
    items.reserve(std::size(kHeader));
    items.emplace_back(names.first_name1);
    items.emplace_back(names.last_name1);
    for (int i : household_columns()) items.push_back(item(row[i]));
    // A household whose side row is missing still writes its line, with those items empty.
    auto side = [&](bool wanted, const QHash<QString, SideItems>& rows, int count) {
        const auto it = wanted ? rows.constFind(key.toUpper()) : rows.constEnd();
        for (int i = 0; i < count; ++i)
            items.push_back(it == rows.constEnd() ? write_line::Item(QString()) : item((*it)[i]));
    };
    side(true, children_, 6);
    side(value("second address").toString() == QLatin1String("Y"), addresses_, 7);
    write(out, write_line::format(items));
}
