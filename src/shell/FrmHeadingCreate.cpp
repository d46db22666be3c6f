#include "FrmHeadingCreate.h"

#include "frmOVRA.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/msgbox.h"

using platform::form;
namespace color = platform::color;

FrmHeadingCreate::FrmHeadingCreate() : Form(QStringLiteral("FrmHeadingCreate")) {}

void FrmHeadingCreate::build(QWidget* w, FrmHeadingCreate_ui::Controls& c) {
    // No title bar: only the window's own buttons close it.
    w->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    w->setWindowTitle(QStringLiteral("Create Category File "));
    platform::set_client_size(w, 5790, 3360);
    platform::set_back_color(w, color::kGrey);

    // The heading spans the window: its captions are wider than the design's system font drew.
    c.Label1 = platform::make_label(w, "Label1", QStringLiteral("CAPTION"), 120, 240, 5550, 375);
    c.Label1->setFont(QFont(QStringLiteral("Arial"), 15.75, QFont::Bold));
    c.Label1->setAlignment(Qt::AlignCenter);
    platform::set_back_color(c.Label1, color::kGrey);

    // Ten wide capitals need 1710 twips.
    static const int kColumns[] = {180, 2010, 3840};
    static const int kRows[] = {840, 1320, 1800, 2280};
    for (int i = 1; i <= 12; ++i) {
        const int row = (i + 2) / 3;
        const int column = i - 3 * (row - 1);
        const QByteArray name = "Text(" + QByteArray::number(i) + ")";
        c.Text[i] = platform::make_text(w, name.constData(), 10, kColumns[column - 1],
                                        kRows[row - 1], 1770, 285);
    }
    platform::set_back_color(c.Text[1], color::kWhite);
    c.Command1 =
        platform::make_button(w, "Command1", QStringLiteral("ENTER"), 1500, 2760, 1095, 375);
    c.Command1->setDefault(true);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 3180, 2760, 1095, 375);
    platform::on_click(c.Command1, [this] { Command1_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void FrmHeadingCreate::Form_Load() {
    const auto& main = form<frmOVRA>();
    for (int i = 1; i <= 12; ++i) ui().Text[i]->setText(main.heading[i]);
}

void FrmHeadingCreate::check_categories_in_use() {
    const auto& main = form<frmOVRA>();
    auto& c = ui();
    in_use_flag = "N";
    for (int i = 1; i <= 12; ++i) {
        if (!main.heading[i].isEmpty() && c.Text[i]->text().isEmpty() && main.catcount[i] != 0) {
            in_use_flag = "Y";
            platform::set_back_color(c.Text[i], color::kRed);
            c.Text[i]->setText(main.heading[i]);
        } else {
            platform::set_back_color(c.Text[i], color::kWhite);
        }
    }
}

void FrmHeadingCreate::uppercase_next_heading() {
    ++heading_index;
    QLineEdit* box = ui().Text[heading_index];
    box->setText(box->text().toUpper());
}

void FrmHeadingCreate::Command1_Click() {
    auto& c = ui();
    check_categories_in_use();
    blank_count = 0;
    for (heading_index = 1; heading_index <= 12; ++heading_index)
        if (c.Text[heading_index]->text().isEmpty()) ++blank_count;
    if (in_use_flag == "Y") {
        c.Label1->setText(QStringLiteral("CATEGORY IN USE"));
        return;
    }
    if (blank_count == 12) {
        platform::msgbox(QStringLiteral("You must choose at least one category!"),
                         platform::vbExclamation, QStringLiteral("No Categories"));
        unload();
        return;
    }
    blank_count = 0;
    heading_index = 0;
    while (heading_index < 12) uppercase_next_heading();

    auto& main = form<frmOVRA>();
    common::StorefileRecord rec = main.storefile_record();
    for (int i = 1; i <= 12; ++i) rec.heading[i] = c.Text[i]->text();
    // Nothing is taken over unless the file was written; the user can try again or cancel.
    if (!main.write_storefile(rec)) return;
    main.heading = rec.heading;
    hide();
    redraw_category_rows();
    unload();
}

void FrmHeadingCreate::cmdCancel_Click() {
    unload();
}

void FrmHeadingCreate::redraw_category_rows() {
    auto& main = form<frmOVRA>();
    auto& m = main.ui();
    for (int i = 1; i <= 12; ++i) {
        const QString name = ui().Text[i]->text();
        m.Label[i]->setText(name);
        const bool named = !name.isEmpty();
        m.lblcatcount[i]->setText(named ? QString::number(main.catcount[i]) : QString());
        m.cmdButton[i]->setVisible(named);
        m.Label_equals[i]->setVisible(named);
    }
}

QString category_name(int n) {
    return form<FrmHeadingCreate>().ui().Text[n]->text();
}
