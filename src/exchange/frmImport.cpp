#include "frmImport.h"

#include <QFile>
#include <QFocusEvent>
#include <QTimer>

#include "common/keyname.h"
#include "common/records.h"
#include "common/vbstring.h"
#include "editor/frmAddressRecord.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/errors.h"
#include "platform/file_dialog.h"
#include "platform/msgbox.h"
#include "printing/FrmInvalid.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"

using common::vb_trim;
using platform::form;
using platform::set_back_color;
namespace color = platform::color;

namespace {

const char* const kCaptions[frmImport::kBoxes + 1] = {"",
                                                      "* FIRST NAME 1",
                                                      "* LAST NAME 1",
                                                      "WORK PHONE 1",
                                                      "CELL PHONE 1",
                                                      "HOME EMAIL 1",
                                                      "WORK EMAIL1",
                                                      "FIRST NAME 2",
                                                      "LAST NAME 2",
                                                      "WORK PHONE 2",
                                                      "CELL PHONE 2",
                                                      "HOME EMAIL 2",
                                                      "WORK EMAIL2",
                                                      "* ADDRESS 1",
                                                      "ADDRESS 2",
                                                      "* CITY",
                                                      "* STATE",
                                                      "* ZIP",
                                                      "HOME PHONE",
                                                      "HOME FAX",
                                                      "CHILD 1",
                                                      "CHILD 2",
                                                      "CHILD 3",
                                                      "CHILD 4",
                                                      "CHILD 5",
                                                      "CHILD 6",
                                                      "SECONDARY ADDRESS 1",
                                                      "SECONDARY ADDRESS 2",
                                                      "SECONDARY CITY",
                                                      "SECONDARY STATE",
                                                      "SECONDARY ZIP",
                                                      "SECONDARY PHONE",
                                                      "SECONDARY FAX"};

const int kRequired[] = {1, 2, 13, 15, 16, 17};
constexpr std::uint32_t kLabelColor = 0x80000009;
const QString kDuplicate = QStringLiteral("RECORD ALREADY EXISTS");

// Typing into a selection box replaces its number.
class SelectOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* box = qobject_cast<QLineEdit*>(watched))
                QTimer::singleShot(0, box, [box] { box->selectAll(); });
        return false;
    }
};

// A mapping box's column: a whole number of digits only, or -1.
int box_number(const QString& text) {
    const QString t = vb_trim(text);
    if (!common::is_all_digits(t) || t.size() > 3) return -1;
    return t.toInt();
}

QString line_text(const common::text_records::Record& r) {
    if (r.last_line > r.line) return QStringLiteral("LINES %1-%2").arg(r.line).arg(r.last_line);
    return QStringLiteral("LINE %1").arg(r.line);
}

}  // namespace

frmImport::frmImport() : Form(QStringLiteral("frmImport")) {}

void frmImport::build(QWidget* w, frmImport_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Import Utility"));
    platform::set_client_size(w, 12720, 8880);
    set_back_color(w, color::kGrey);

    c.lblHeading = platform::make_label(w, "lblHeading", QStringLiteral("IMPORT UTILITY"), 120, 120,
                                        12480, 420);
    c.lblHeading->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
    c.lblHeading->setAlignment(Qt::AlignCenter);

    // The file's fields: four columns of twelve, each a button and the field's text.
    for (int i = 1; i <= kMaxColumns; ++i) {
        const int column = (i - 1) / 12;
        const int row = (i - 1) % 12;
        const int left = 120 + column * 3150;
        const int top = 660 + row * 300;
        const QByteArray field = "cmdField(" + QByteArray::number(i) + ")";
        c.cmdField[i] =
            platform::make_button(w, field.constData(), QString::number(i), left, top, 480, 285);
        const QByteArray label = "LblImport(" + QByteArray::number(i) + ")";
        c.LblImport[i] =
            platform::make_label(w, label.constData(), QString(), left + 540, top, 2520, 285);
        c.LblImport[i]->setAutoFillBackground(true);
        set_back_color(c.LblImport[i], kLabelColor);
        platform::on_click(c.cmdField[i], [this, i] { cmdField_Click(i); });
    }

    // The household fields: four columns of eight, each a button and its selection box.
    auto* selector = new SelectOnFocus(w);
    for (int k = 1; k <= kBoxes; ++k) {
        const int column = (k - 1) / 8;
        const int row = (k - 1) % 8;
        const int left = 120 + column * 3150;
        const int top = 4440 + row * 390;
        const QByteArray button = "cmdColumn(" + QByteArray::number(k) + ")";
        c.cmdColumn[k] = platform::make_button(
            w, button.constData(), QString::fromLatin1(kCaptions[k]), left, top, 2400, 345);
        const QByteArray box = "txtSelection(" + QByteArray::number(k) + ")";
        c.txtSelection[k] = platform::make_text(w, box.constData(), 2, left + 2460, top, 540, 345);
        c.txtSelection[k]->setText(QStringLiteral("0"));
        c.txtSelection[k]->installEventFilter(selector);
        set_back_color(c.txtSelection[k], color::kWindow);
        platform::on_click(c.cmdColumn[k], [this, k] { cmdColumn_Click(k); });
    }

    auto* first = platform::make_label(w, "lblFirstLine", QStringLiteral("First Line:"), 120, 7740,
                                       1080, 285);
    first->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.lstFirstLine = new QListWidget(w);
    c.lstFirstLine->setObjectName(QStringLiteral("lstFirstLine"));
    c.lstFirstLine->addItems({QStringLiteral("HEADER"), QStringLiteral("DATA")});
    c.lstFirstLine->setCurrentRow(-1);
    c.lstFirstLine->clearSelection();
    platform::place(c.lstFirstLine, 1260, 7620, 1200, 600);
    set_back_color(c.lstFirstLine, color::kWindow);

    c.lblStatus = platform::make_label(w, "lblStatus", QString(), 2640, 7620, 5160, 600);
    c.lblStatus->setAlignment(Qt::AlignCenter);
    c.lblStatus->setWordWrap(true);
    c.lblStatus->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    platform::set_fore_color(c.lblStatus, color::kRed);

    c.cmdProceed =
        platform::make_button(w, "cmdProceed", QStringLiteral("PROCEED"), 8040, 7620, 2100, 600);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 10380, 7620, 2100, 600);
    platform::on_click(c.cmdProceed, [this] { cmdProceed_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmImport::Form_Load() {
    for (int i = 1; i <= kMaxColumns; ++i) {
        ui().LblImport[i]->setText(QString());
        import_fields[i].clear();
    }
    open_import_file();
    if (!is_loaded()) return;
    auto& c = ui();
    for (int i = 1; i <= kMaxColumns; ++i) {
        const bool used = i <= fieldfinder;
        set_back_color(c.LblImport[i], used ? kLabelColor : color::kGrey);
        c.cmdField[i]->setEnabled(used);
    }
}

void frmImport::Form_Unload() {
    close_import_file();
}

void frmImport::close_import_file() {
    reader_.reset();
    EOF_ = true;
}

// Reads the whole file, counts the columns of its first record and reads that record. A file
// that cannot be used is refused here, and the window unloads itself.
void frmImport::open_import_file() {
    refused.clear();
    refused_other_ = 0;
    fieldfinder = 0;
    chosen_column = 0;
    close_import_file();
    QString text;
    QString error;
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly)) {
        error =
            QStringLiteral("The file %1 could not be opened: %2").arg(filename, file.errorString());
    } else {
        common::text_records::read_text(file, &text, &error);
    }
    if (error.isEmpty()) {
        reader_ = std::make_unique<common::text_records::RecordReader>(std::move(text));
        if (!reader_->next(record_)) {
            error = QStringLiteral("The file %1 holds no records.").arg(filename);
        } else if (record_.problem == common::text_records::Record::Problem::UnclosedQuote) {
            error = QStringLiteral("The first line of the file has a quote that is never closed.");
        } else if (record_.items.size() > kMaxColumns) {
            error = QStringLiteral("The file has %1 columns; at most %2 can be imported.")
                        .arg(record_.items.size())
                        .arg(kMaxColumns);
        }
    }
    if (!error.isEmpty()) {
        reader_.reset();
        platform::msgbox(error, platform::vbExclamation, QStringLiteral("Import File"));
        // Unloading while loading tells whoever opened the window that it could not.
        unload();
        return;
    }
    fieldfinder = int(record_.items.size());
    EOF_ = false;
    import_fields.fill(QString());
    for (int i = 1; i <= fieldfinder; ++i) import_fields[i] = record_.items[i - 1];
    show_fields();
}

void frmImport::show_fields() {
    auto& c = ui();
    for (int i = 1; i <= kMaxColumns; ++i) c.LblImport[i]->setText(import_fields[i]);
}

void frmImport::refuse(const QString& name, const QString& reason) {
    refused << QStringLiteral("%1: %2%3")
                   .arg(line_text(record_), name.isEmpty() ? QString() : name + " - ", reason);
    if (reason != kDuplicate) ++refused_other_;
}

// The next record into import_fields. Lines that cannot be a record are listed and passed; a
// record with a line break inside an item is listed by import_record, which has its name.
void frmImport::read_import_line() {
    using Problem = common::text_records::Record::Problem;
    for (;;) {
        if (!reader_ || !reader_->next(record_)) {
            EOF_ = true;
            return;
        }
        if (record_.problem == Problem::UnclosedQuote) {
            refuse(QString(), QStringLiteral("QUOTE NOT CLOSED"));
            continue;
        }
        if (record_.problem == Problem::None && record_.items.size() > fieldfinder) {
            refuse(QString(), QStringLiteral("MORE ITEMS (%1) THAN COLUMNS (%2)")
                                  .arg(record_.items.size())
                                  .arg(fieldfinder));
            continue;
        }
        break;
    }
    for (int i = 1; i <= fieldfinder; ++i)
        import_fields[i] = i <= record_.items.size() ? record_.items[i - 1] : QString();
}

void frmImport::cmdField_Click(int index) {
    chosen_column = index;
}

void frmImport::cmdColumn_Click(int index) {
    ui().txtSelection[index]->setText(QString::number(chosen_column));
}

void frmImport::cmdCancel_Click() {
    close_import_file();
    unload();
}

bool frmImport::check_mapping() {
    auto& c = ui();
    auto paint = [](QWidget* w, bool bad) {
        set_back_color(w, bad ? color::kLightRed : color::kWindow);
    };
    auto fail = [&c](const QString& message) {
        c.lblStatus->setText(message);
        return false;
    };

    const bool chosen =
        c.lstFirstLine->currentRow() >= 0 && c.lstFirstLine->currentItem()->isSelected();
    paint(c.lstFirstLine, !chosen);
    if (!chosen) return fail(QStringLiteral("Please select HEADER or DATA"));

    std::array<int, kBoxes + 1> number{};
    bool bad = false;
    for (int k = 1; k <= kBoxes; ++k) {
        number[k] = box_number(c.txtSelection[k]->text());
        paint(c.txtSelection[k], number[k] < 0);
        bad = bad || number[k] < 0;
    }
    if (bad) return fail(QStringLiteral("Selection Box Not Numeric"));

    for (int k = 1; k <= kBoxes; ++k) {
        paint(c.txtSelection[k], number[k] > fieldfinder);
        bad = bad || number[k] > fieldfinder;
    }
    if (bad) return fail(QStringLiteral("Selection Box Must Be Less Than %1").arg(fieldfinder + 1));

    for (int k : kRequired) {
        paint(c.txtSelection[k], number[k] == 0);
        bad = bad || number[k] == 0;
    }
    if (bad) return fail(QStringLiteral("Required Field Cannot Be 0"));

    for (int i = 1; i <= kBoxes; ++i) {
        paint(c.txtSelection[i], false);
        bool duplicate = false;
        for (int j = i + 1; j <= kBoxes; ++j) {
            const bool same = number[j] == number[i] && number[i] != 0;
            if (same) paint(c.txtSelection[i], true);
            paint(c.txtSelection[j], same);
            duplicate = duplicate || same;
        }
        if (duplicate) return fail(QStringLiteral("Duplicate Field Numbers"));
    }
    columns_ = number;
    return true;
}

void frmImport::cmdProceed_Click() {
    if (!check_mapping()) return;
    run_import();
}

void frmImport::run_import() {
    auto& c = ui();
    auto& data = Data1();
    const bool data_first = c.lstFirstLine->currentRow() == 1;
    QString failure;
    {
        // One transaction for the run, a savepoint per household inside add_record: a crash
        // leaves the address book as it was, and a refused household leaves nothing behind.
        std::unique_ptr<platform::Transaction> run;
        try {
            use_household_table();
            run = std::make_unique<platform::Transaction>(data);
            if (data_first) import_record();
            while (!EOF_ && data.in_transaction()) {
                read_import_line();
                import_record();
            }
            if (!data.in_transaction()) {
                failure = QStringLiteral("The import stopped at %1")
                              .arg(refused.value(refused.size() - 1));
            } else {
                run->commit();
            }
        } catch (const platform::VbError& e) {
            failure = e.description();
        }
    }
    close_import_file();

    auto& main = form<frmOVRA>();
    int count = 0;
    platform::resume_next([&] {
        use_household_table();
        count = data.record_count();
    });
    main.show_record_count(count);
    if (count > 0) main.set_record_items(true);

    if (!failure.isEmpty()) {
        hide();
        platform::msgbox(
            failure + QStringLiteral("\nNothing was imported; the address book is as it was."),
            platform::vbExclamation, QStringLiteral("Import Failed"));
        unload();
        return;
    }
    if (!refused.isEmpty()) {
        unload();
        show_refused(refused_other_ == 0 ? QStringLiteral("DUPLICATE RECORDS")
                                         : QStringLiteral("RECORDS NOT IMPORTED"));
        return;
    }
    hide();
    platform::msgbox(QStringLiteral("Import Completed"), platform::vbExclamation,
                     QStringLiteral("Import Completed"));
    unload();
}

const QString& frmImport::mapped(int box) const {
    return import_fields[columns_[box]];
}

void frmImport::import_record() {
    if (EOF_) return;
    // A name as the record's first line has it, for the list of households left out.
    auto first_line = [](const QString& item) {
        qsizetype end = 0;
        while (end < item.size() && item[end] != QLatin1Char('\r') &&
               item[end] != QLatin1Char('\n'))
            ++end;
        return vb_trim(item.left(end)).toUpper();
    };
    const QString first1 = first_line(mapped(1));
    const QString last1 = first_line(mapped(2));
    const QString name = vb_trim(first1 + QLatin1Char(' ') + last1);
    // A line break inside an item is a cell over several lines or a quote left open: either
    // way no field may hold it, so the record is left out whole.
    if (record_.problem == common::text_records::Record::Problem::LineBreak)
        return refuse(name, QStringLiteral("LINE BREAK INSIDE AN ITEM"));

    common::AddressRecord h;
    h.keyname = common::build_keyname(last1, first1);
    h.work_phone_1 = mapped(3).toUpper();
    h.cell_phone_1 = mapped(4).toUpper();
    h.home_email_1 = mapped(5);
    h.work_email_1 = mapped(6);
    h.first_name_2 = mapped(7).toUpper();
    h.work_phone_2 = mapped(9).toUpper();
    h.cell_phone_2 = mapped(10).toUpper();
    h.home_email_2 = mapped(11);
    h.work_email_2 = mapped(12);
    h.address_1 = mapped(13).toUpper();
    h.address_2 = mapped(14).toUpper();
    h.city = mapped(15).toUpper();
    h.state = mapped(16).toUpper();
    h.zip = mapped(17).toUpper();
    h.home_phone = mapped(18).toUpper();
    h.home_fax = mapped(19).toUpper();

    // "A-B" where A or B is last name 1 is person 2's double name, and which end last name 1
    // stands at says whether it is reversed. Any other last name 2 is kept whole: taking one
    // side of its hyphen would drop part of a name.
    h.last_name_2 = vb_trim(mapped(8)).toUpper();
    const QString& last2 = h.last_name_2;
    const qsizetype first = last2.indexOf(QLatin1Char('-'));
    const qsizetype last = last2.lastIndexOf(QLatin1Char('-'));
    const QString head = vb_trim(last2.left(first)), tail = vb_trim(last2.mid(first + 1));
    const QString front = vb_trim(last2.left(last)), back = vb_trim(last2.mid(last + 1));
    if (first >= 0 && head == last1 && !tail.isEmpty()) {
        h.last_name_hyphen = h.last_name_reverse = QStringLiteral("Y");
        h.last_name_2 = tail;
    } else if (last >= 0 && back == last1 && !front.isEmpty()) {
        h.last_name_hyphen = QStringLiteral("Y");
        h.last_name_2 = front;
    }

    // Children are stored packed; a blank name is no child.
    std::optional<common::ChildrenRecord> children;
    for (int n = 1; n <= 6; ++n) {
        const QString child = vb_trim(mapped(19 + n)).toUpper();
        if (child.isEmpty()) continue;
        if (!children) children.emplace();
        children->child[++h.childflag] = child;
    }

    std::optional<common::SecondAddressRecord> second;
    for (int k = 26; k <= 32; ++k)
        if (!vb_trim(mapped(k)).isEmpty()) second.emplace();
    if (second) {
        second->address1 = mapped(26).toUpper();
        second->address2 = mapped(27).toUpper();
        second->city = mapped(28).toUpper();
        second->state = mapped(29).toUpper();
        second->zip = mapped(30).toUpper();
        second->phone = mapped(31).toUpper();
        second->fax = mapped(32).toUpper();
    }
    h.second_address = second ? "Y" : "N";

    // What the file does not carry: no titles, flags or categories.
    h.option1 = QStringLiteral("1");
    h.option2 = QStringLiteral("0");
    for (int n = 1; n <= 12; ++n) h.category[n] = QStringLiteral("N");
    blDuplicateFlag = false;

    if (first1.isEmpty()) return refuse(name, QStringLiteral("FIRST NAME 1 IS BLANK"));
    if (last1.isEmpty()) return refuse(name, QStringLiteral("LAST NAME 1 IS BLANK"));
    // The key is "LAST, FIRST": a comma in the last name would split it in the wrong place.
    if (last1.contains(QLatin1Char(',')))
        return refuse(name, QStringLiteral("LAST NAME 1 HOLDS A COMMA"));

    auto& record = form<frmAddressRecord>();
    record.update_type = "ADD";
    switch (record.add_household(std::move(h), children, second)) {
        case frmAddressRecord::Outcome::Stored:
            break;
        case frmAddressRecord::Outcome::Duplicate:
            blDuplicateFlag = true;
            refuse(name, kDuplicate);
            break;
        case frmAddressRecord::Outcome::Failed:
            refuse(name, QStringLiteral("NOT SAVED: %1").arg(record.failure_reason));
            break;
    }
}

void frmImport::show_refused(const QString& heading) {
    auto& list = form<FrmInvalid>();
    list.clear_list();
    for (const QString& line : std::as_const(refused)) list.add_entry(line);
    list.set_heading(heading);
    list.set_help_context_id(6101);
    list.show_modal();
}
