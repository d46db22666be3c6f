#include "Frmchildprint.h"

#include <QFont>
#include <algorithm>

#include "platform/application.h"
#include "reports/label_window_print.h"

LineControl::LineControl(QWidget* parent, const char* name, int x1, int y1, int x2, int y2)
    : QFrame(parent), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {
    setObjectName(QString::fromLatin1(name));
    setFrameShape(x1 == x2 ? QFrame::VLine : QFrame::HLine);
    setFrameShadow(QFrame::Plain);
    set_ends(x1, y1, x2, y2);
}

void LineControl::set_ends(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    constexpr int kThickness = 30;
    if (x1 == x2)
        setGeometry(platform::tw(x1), platform::tw(std::min(y1, y2)), platform::tw(kThickness),
                    std::max(1, platform::tw(std::abs(y2 - y1))));
    else
        setGeometry(platform::tw(std::min(x1, x2)), platform::tw(y1),
                    std::max(1, platform::tw(std::abs(x2 - x1))), platform::tw(kThickness));
}

Frmchildprint::Frmchildprint() : Form(QStringLiteral("Frmchildprint")) {}

void Frmchildprint::build(QWidget* w, Frmchildprint_ui::Controls& c) {
    using namespace platform;
    w->setWindowTitle(QStringLiteral("ChildPrint"));
    set_window_height(kDesignHeight);
    c.lblHeading = make_label(w, "lblHeading", QStringLiteral("ChildPrint"), 540, 120, 5580, 375);
    QFont heading = c.lblHeading->font();
    heading.setBold(true);
    heading.setPointSize(12);
    c.lblHeading->setFont(heading);
    c.lblHeading->setAlignment(Qt::AlignCenter);
    c.Lbltitle = make_label(w, "Lbltitle", QStringLiteral("Who Do You Want To Print A Label For?"),
                            540, 540, 5580, 315);
    c.Lbltitle->setAlignment(Qt::AlignCenter);
    c.Line1 = new LineControl(w, "Line1", 540, 960, 6120, 960);
    c.Option1 = make_option(w, "Option1", QString(), 660, 1155, 300, 255);
    for (int i = 1; i <= 6; ++i) {
        const int top = 1155 + (i - 1) * 360;
        c.Check[i] = make_check(w, ("Check" + QByteArray::number(i)).constData(), QString(), 1080,
                                top, 255, 255);
        c.Label[i] = make_label(w, ("Label" + QByteArray::number(i)).constData(), QString(), 1440,
                                top, 4560, 255);
    }
    c.Line2 = new LineControl(w, "Line2", 540, 3360, 6120, 3360);
    c.Check[7] = make_check(w, "Check7", QString(), 1080, 3555, 255, 255);
    c.Label[7] = make_label(w, "Label7", QString(), 1440, 3555, 4560, 255);
    c.Check[8] = make_check(w, "Check8", QString(), 1080, 3900, 255, 255);
    c.Label[8] = make_label(w, "Label8", QString(), 1440, 3900, 4560, 255);
    c.Line3 = new LineControl(w, "Line3", 540, 4230, 6120, 4230);
    c.Option2 = make_option(w, "Option2", QString(), 660, 4440, 300, 255);
    c.Label[9] = make_label(w, "Label9", QStringLiteral("ENTIRE FAMILY"), 1080, 4440, 4920, 255);
    c.Option3 = make_option(w, "Option3", QString(), 660, 4800, 300, 255);
    c.Label[10] = make_label(w, "Label10", QString(), 1080, 4800, 4920, 255);
    c.Line4 = new LineControl(w, "Line4", 540, 5160, 6120, 5160);
    c.LineLeft = new LineControl(w, "LineLeft", 540, 960, 540, 5160);
    c.LineRight = new LineControl(w, "LineRight", 6120, 960, 6120, 5160);
    make_option_group({c.Option1, c.Option2, c.Option3});
    // A label shows "&&" as one "&", like the caption beside its box.
    for (int i = 1; i <= 8; ++i) c.Label[i]->setBuddy(c.Check[i]);
    c.Label[9]->setBuddy(c.Option2);
    c.Label[10]->setBuddy(c.Option3);
    c.cmdPrint = make_button(w, "cmdPrint", QStringLiteral("PRINT"), 1440, 5400, 1455, 495);
    c.cmdCancel = make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 3780, 5400, 1455, 495);
    on_chosen(c.Option1, [this] { Option1_Click(); });
    on_chosen(c.Option2, [this] { Option2_Click(); });
    on_chosen(c.Option3, [this] { Option3_Click(); });
    on_click(c.cmdPrint, [this] { cmdPrint_Click(); });
    on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void Frmchildprint::Option1_Click() {
    for (int i = 1; i <= 8; ++i) ui().Check[i]->setEnabled(true);
}

void Frmchildprint::Option2_Click() {
    for (int i = 1; i <= 8; ++i) {
        ui().Check[i]->setChecked(false);
        ui().Check[i]->setEnabled(false);
    }
}

void Frmchildprint::Option3_Click() {
    Option2_Click();
}

reports::ChildNames Frmchildprint::child_names() {
    auto& c = ui();
    reports::ChildNames n;
    for (int k = 1; k <= 6; ++k) {
        n.display[k] = c.Label[k]->text();
        n.first_name[k] = dialog.first_name[k];
        n.last_name[k] = dialog.last_name[k];
        n.last_name_flag[k] = dialog.last_name_flag[k];
    }
    n.all_children = c.Label[7]->text();
    n.parents = c.Label[8]->text();
    n.name_hold = dialog.name_hold;
    n.mailing_label_hold = dialog.mailing_label_hold;
    n.parent_type = dialog.parent_type;
    n.number_of_children = dialog.number_of_children;
    return n;
}

void Frmchildprint::cmdPrint_Click() {
    auto& c = ui();
    print_or_cancel_flag = QStringLiteral("P");
    const reports::ChildNames names = child_names();
    reports::ChildChoice choice;
    choice.option = c.Option3->isChecked() ? 3 : c.Option2->isChecked() ? 2 : 1;
    for (int k = 1; k <= 6; ++k) choice.ticked[k] = c.Check[k]->isChecked();
    choice.all_children = c.Check[7]->isChecked();
    choice.parents = c.Check[8]->isChecked();
    if (names.display[2].isEmpty()) {
        c.Lbltitle->setText(QString());
    } else {
        c.Lbltitle->setText(QStringLiteral("Who Do You Want To Print A Label For?"));
        platform::set_fore_color(c.Lbltitle, platform::color::kButtonText);
    }
    choice = reports::effective_choice(names, choice);
    if (choice.option == 1 && choice.all_children) c.Check[7]->setChecked(true);
    if (!reports::child_choice_complete(choice)) {
        c.Lbltitle->setText(QStringLiteral("        PLEASE CHECK 1 OR 2 NAMES"));
        platform::set_fore_color(c.Lbltitle, platform::color::kLightRed);
        return;
    }

    const reports::ChildLabel label =
        reports::compose_child_label(names, choice, sheet, address, selected_use);
    number_in_party = label.number_in_party;
    LongNameFlag = label.long_name;
    whole_name_line = label.whole_name;
    for (int j = 1; j <= 5; ++j) hold_line[j] = label.lines[j];
    if (!selected_use) {
        unload();
        return;
    }
    if (label.too_long) {
        // The window stays for another choice; the list shows this label only.
        labels_printed = 0;
        reports::show_too_long_label(label.lines);
        return;
    }
    try {
        labels_printed =
            reports::print_label_sheet(sheet, label.lines, maillabelstart, TopPosition);
    } catch (const platform::VbError& e) {
        failure = e;
    }
    unload();
}

void Frmchildprint::reset_result() {
    print_or_cancel_flag.clear();
    LongNameFlag = false;
    whole_name_line.clear();
    number_in_party = 0;
    hold_line = {};
    labels_printed = 0;
}

void Frmchildprint::cmdCancel_Click() {
    print_or_cancel_flag = QStringLiteral("C");
    labels_printed = 0;
    list_cleared = true;
    unload();
}

void Frmchildprint::set_window_height(int twips) {
    height_ = twips;
    platform::set_client_size(widget(), kWidth, twips - kFrameHeight);
}
