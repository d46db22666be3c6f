#include "frmCategoryList.h"

#include "common/display_name.h"
#include "common/records.h"
#include "lookup/record_list.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "printouts.h"
#include "shell/frmdatabase.h"

frmCategoryList::frmCategoryList() : Form(QStringLiteral("frmCategoryList")) {}

void frmCategoryList::build(QWidget* w, frmCategoryList_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Category List"));
    platform::set_client_size(w, 7200, 6360);
    const QFont heading(QStringLiteral("Arial"), 12, QFont::Bold);
    c.Label1 =
        platform::make_label(w, "Label1", QStringLiteral("CATEGORY LIST FOR"), 240, 180, 6720, 375);
    c.lblCategory = platform::make_label(w, "lblCategory", QString(), 240, 600, 6720, 375);
    for (QLabel* l : {c.Label1, c.lblCategory}) {
        l->setFont(heading);
        l->setAlignment(Qt::AlignCenter);
    }
    c.List1 = new QListWidget(w);
    c.List1->setObjectName(QStringLiteral("List1"));
    platform::place(c.List1, 240, 1140, 6720, 4275);
    c.cmdPrint =
        platform::make_button(w, "cmdPrint", QStringLiteral("PRINT"), 1560, 5640, 1575, 495);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 4080, 5640, 1575, 495);
    platform::on_click(c.cmdPrint, [this] { cmdPrint_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmCategoryList::Form_Load() {
    lines_.clear();
    count_records();
    // An empty table (the category counts can be out of step with it) lists nothing.
    if (record_total_ > 0) {
        Data1().move_first();
        list_current_row();
        list_category_records();
    }
    fill_sorted(ui().List1, std::move(lines_));
    lines_.clear();
}

void frmCategoryList::count_records() {
    record_total_ = household_count();
    if (record_total_ > 0) Data1().move_last();
}

void frmCategoryList::list_category_records() {
    for (int i = 2; i <= record_total_; ++i) {
        Data1().move_next();
        list_current_row();
    }
}

void frmCategoryList::list_current_row() {
    const auto& d = Data1();
    if (!common::yes_field(d, QStringLiteral("category") + category_number)) return;
    const QString key = common::text_field(d, QStringLiteral("keyname"));
    lines_.push_back(
        {common::display_name(key, common::text_field(d, QStringLiteral("first name 2")),
                              d.field(QStringLiteral("last name 2")),
                              common::text_field(d, QStringLiteral("last name hyphen")),
                              common::text_field(d, QStringLiteral("last-name-reverse")),
                              d.field(QStringLiteral("childflag")).toInt(), true),
         key});
}

void frmCategoryList::cmdPrint_Click() {
    auto& c = ui();
    QStringList lines;
    for (int i = 0; i < c.List1->count(); ++i) lines << c.List1->item(i)->text();
    try {
        platform::PrintCommand command(QStringLiteral("Category list.pdf"));
        if (command.cancelled()) return;
        reports::print_category_list(platform::printer(), c.lblCategory->text(), lines);
        command.finish();
    } catch (const platform::VbError& e) {
        platform::msgbox(e.description(), platform::vbExclamation, QStringLiteral("PRINT FAILED"));
        return;
    }
    unload();
}

void frmCategoryList::cmdCancel_Click() {
    unload();
}
