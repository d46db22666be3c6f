#include "frmprint.h"

#include <QPainter>

#include "platform/application.h"
#include "printing/modSetUpPrinters.h"
#include "shell/frmOVRA.h"

using platform::form;
using platform::OptionButton;
using platform::set_value;
using platform::value;
namespace color = platform::color;

namespace {

// The picture of one label on a pictured sheet: a rounded outline, transparent inside so the
// picker's colour shows through.
class LabelOutline : public QWidget {
public:
    explicit LabelOutline(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(isEnabled() ? QColor(0x40, 0x40, 0x40) : QColor(0xA0, 0xA0, 0xA0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
};

constexpr std::uint32_t kLightGreen = 0x80FF80;
constexpr std::uint32_t kWarningBack = 0xE0E0E0;

struct PickerLayout {
    int first, last, columns, rows, label_width, label_height;
};
// Standard (5160) 3 x 10, Invite (5662) 2 x 7, Shipping (5163) 2 x 5, as the sheets lie.
constexpr PickerLayout kStandard{1, 30, 3, 10, 495, 255};
constexpr PickerLayout kInvite{31, 44, 2, 7, 1050, 375};
constexpr PickerLayout kShipping{45, 54, 2, 5, 1050, 600};
constexpr int kPickerWidth = 2415;
constexpr int kPickerHeight = 3735;

QFrame* make_frame(QWidget* parent, const char* name, int left, int top, int width, int height,
                   bool border = true) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
    platform::place(f, left, top, width, height);
    return f;
}

// The window's outline and the line between its columns.
class PrintForm : public platform::FormDialog {
public:
    using FormDialog::FormDialog;

protected:
    void paintEvent(QPaintEvent* e) override {
        FormDialog::paintEvent(e);
        QPainter p(this);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(0, 0, platform::tw(8175), platform::tw(7800));
        p.drawLine(platform::tw(3000), 0, platform::tw(3000), platform::tw(7800));
    }
};

}  // namespace

frmprint::frmprint() : Form(QStringLiteral("frmprint")) {}

QWidget* frmprint::create_widget() {
    return new PrintForm(this);
}

void frmprint::build(QWidget* w, frmprint_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Print Addresses"));
    w->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    platform::set_client_size(w, 8205, 7860);
    w->setFont(QFont(QStringLiteral("Arial"), 8));
    const QFont heading(QStringLiteral("Arial"), 8, QFont::Bold);

    // ---- Output type.
    c.Label1 = platform::make_label(w, "Label1", QStringLiteral("OUTPUT TYPE"), 240, 90, 2520, 240);
    c.Label1->setFont(heading);
    c.Frame1 = make_frame(w, "Frame1", 120, 330, 2760, 1950);
    c.optprint1 = platform::make_option(c.Frame1, "optprint1", QStringLiteral("Ph&one List"), 120,
                                        60, 2500, 240);
    c.chkallrecs = platform::make_check(c.Frame1, "chkallrecs", QStringLiteral("N&umbers Only"),
                                        420, 300, 2200, 240);
    c.Optprint2 = platform::make_option(c.Frame1, "Optprint2", QStringLiteral("Address &Book"), 120,
                                        555, 2500, 240);
    c.Optprint4 = platform::make_option(c.Frame1, "Optprint4", QStringLiteral("&Return Labels"),
                                        120, 810, 2500, 240);
    c.Optprint3 = platform::make_option(c.Frame1, "Optprint3", QStringLiteral("&Mailing Labels"),
                                        120, 1065, 2500, 240);
    c.Chkfamily = platform::make_check(c.Frame1, "Chkfamily", QStringLiteral("'THE &FAMILY'"), 420,
                                       1305, 1320, 240);
    c.Chktitle =
        platform::make_check(c.Frame1, "Chktitle", QStringLiteral("&TITLE"), 1800, 1305, 900, 240);
    c.ChkResident = platform::make_check(c.Frame1, "ChkResident", QStringLiteral("RESIDENT"), 420,
                                         1560, 1500, 240);
    platform::make_option_group({c.optprint1, c.Optprint2, c.Optprint3, c.Optprint4});
    c.Optprint3->setChecked(true);
    c.chkallrecs->setEnabled(false);

    c.Label2 = platform::make_label(
        w, "Label2",
        QStringLiteral(
            "If mailing labels, click on a label below for starting position. If no label is "
            "clicked, then the starting label will default to the upper left corner,"),
        180, 2310, 2760, 1020);
    c.Label2->setWordWrap(true);
    c.Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // ---- Pictured sheets: one outline per label with its position button on it.
    auto picker = [&](const char* name, const PickerLayout& l, bool shown) {
        QFrame* f = make_frame(w, name, 240, 3360, kPickerWidth, kPickerHeight, false);
        platform::set_back_color(f, color::kWhite);
        f->setVisible(shown);
        const int pitch_x = kPickerWidth / l.columns;
        const int pitch_y = kPickerHeight / l.rows;
        std::vector<OptionButton*> group;
        for (int i = l.first; i <= l.last; ++i) {
            const int row = (i - l.first) / l.columns;
            const int column = (i - l.first) % l.columns;
            const int x = column * pitch_x + (pitch_x - l.label_width) / 2;
            const int y = row * pitch_y + (pitch_y - l.label_height) / 2;
            auto* outline = new LabelOutline(f);
            outline->setObjectName(QStringLiteral("optlabel%1").arg(i));
            platform::place(outline, x, y, l.label_width, l.label_height);
            c.optlabel[i] = outline;
            const QByteArray opt_name = QStringLiteral("Opt(%1)").arg(i).toLatin1();
            auto* b = platform::make_option(f, opt_name.constData(), QString(),
                                            x + (l.label_width - 255) / 2,
                                            y + (l.label_height - 195) / 2, 255, 195);
            b->setToolTip(QStringLiteral("Label %1").arg(i - l.first + 1));
            platform::set_back_color(b, color::kWhite);
            c.Opt[i] = b;
            group.push_back(b);
        }
        for (OptionButton* b : group)
            QObject::connect(b, &QAbstractButton::toggled, b, [group, b](bool on) {
                if (!on) return;
                for (OptionButton* other : group)
                    if (other != b) other->setChecked(false);
            });
        c.Opt[l.first]->setChecked(true);
        return f;
    };
    c.Frame2 = picker("Frame2", kStandard, false);
    c.Frame5 = picker("Frame5", kInvite, true);
    c.Frame7 = picker("Frame7", kShipping, false);

    // ---- Label sheet.
    c.Frame6 = make_frame(w, "Frame6", 60, 7155, 2880, 555);
    c.Option5 =
        platform::make_option(c.Frame6, "Option5", QStringLiteral("Stan&dard"), 60, 150, 1005, 240);
    c.Option6 =
        platform::make_option(c.Frame6, "Option6", QStringLiteral("In&vite"), 1095, 150, 750, 240);
    c.Option7 = platform::make_option(c.Frame6, "Option7", QStringLiteral("Sh&ipping"), 1875, 150,
                                      960, 240);
    platform::make_option_group({c.Option5, c.Option6, c.Option7});
    c.Option5->setChecked(true);

    // ---- Records to print.
    c.Label3 =
        platform::make_label(w, "Label3", QStringLiteral("RECORDS TO PRINT"), 3240, 90, 4800, 240);
    c.Label3->setFont(heading);
    c.Frame3 = make_frame(w, "Frame3", 3120, 330, 4935, 3015);
    c.Option1 = platform::make_option(c.Frame3, "Option1", QStringLiteral("&All Records"), 120, 60,
                                      2000, 240);
    c.Option2 = platform::make_option(c.Frame3, "Option2", QStringLiteral("By &Category"), 120, 315,
                                      1500, 240);
    c.Chkchildsel = platform::make_check(c.Frame3, "Chkchildsel", QStringLiteral("C&hildPrint"),
                                         1800, 315, 1350, 240);
    c.chkTrack =
        platform::make_check(c.Frame3, "chkTrack", QStringLiteral("Trac&k"), 3300, 315, 1200, 240);
    for (int i = 1; i <= 12; ++i) {
        const int row = (i - 1) / 3;
        const int column = (i - 1) % 3;
        const QByteArray name = QStringLiteral("Check%1").arg(i).toLatin1();
        c.Check[i] = platform::make_check(c.Frame3, name.constData(), QString(),
                                          420 + column * 1500, 570 + row * 240, 1470, 240);
    }
    c.Option4 = platform::make_option(c.Frame3, "Option4", QStringLiteral("&QuickPrint"), 120, 1560,
                                      2000, 240);
    c.Option3 = platform::make_option(c.Frame3, "Option3", QStringLiteral("&Selected Printing"),
                                      120, 1815, 2000, 240);
    c.Chksingle = platform::make_check(c.Frame3, "Chksingle", QStringLiteral("Sin&glePrint"), 420,
                                       2070, 1500, 240);
    c.Chkchild = platform::make_check(c.Frame3, "Chkchild", QStringLiteral("Chi&ldPrint"), 1920,
                                      2070, 1500, 240);
    platform::make_option_group({c.Option1, c.Option2, c.Option3, c.Option4});
    c.Option2->setChecked(true);
    c.Chksingle->setEnabled(false);
    c.Chkchild->setEnabled(false);
    c.Frame4 = make_frame(c.Frame3, "Frame4", 60, 2370, 4815, 585, false);
    platform::set_back_color(c.Frame4, kLightGreen);
    c.lblselwarning = platform::make_label(c.Frame4, "lblselwarning", QString(), 60, 60, 4695, 465);
    platform::set_back_color(c.lblselwarning, kWarningBack);
    platform::set_fore_color(c.lblselwarning, color::kRed);
    c.lblselwarning->setAlignment(Qt::AlignCenter);
    c.lblselwarning->setWordWrap(true);
    c.lblselwarning->setFont(heading);

    c.lstselection = new QListWidget(w);
    c.lstselection->setObjectName(QStringLiteral("lstselection"));
    c.lstselection->setSelectionMode(QAbstractItemView::MultiSelection);
    platform::place(c.lstselection, 3120, 3450, 4935, 2775);
    c.lstselection->setEnabled(false);
    platform::set_back_color(c.lstselection, color::kMenu);

    c.Label5 =
        platform::make_label(w, "Label5", QStringLiteral("Printing To:"), 3120, 6360, 1080, 300);
    c.cmbPrinter = new QComboBox(w);
    c.cmbPrinter->setObjectName(QStringLiteral("cmbPrinter"));
    platform::place(c.cmbPrinter, 4200, 6330, 3855, 345);

    c.comprint =
        platform::make_button(w, "comprint", QStringLiteral("&PRINT"), 3900, 6930, 1695, 555);
    c.Comcancel =
        platform::make_button(w, "Comcancel", QStringLiteral("CA&NCEL"), 5880, 6930, 1695, 555);
    for (QPushButton* b : {c.comprint, c.Comcancel}) b->setFont(heading);
    c.lblflag = platform::make_label(w, "lblflag", QString(), 7200, 6360, 600, 240);
    c.lblflag->setVisible(false);
    c.lblflag->setEnabled(false);

    // ---- Rules, connected after the design state so building runs none of them.
    platform::on_chosen(c.optprint1, [this] { optprint1_Click(); });
    platform::on_chosen(c.Optprint2, [this] { Optprint2_Click(); });
    platform::on_chosen(c.Optprint3, [this] { Optprint3_Click(); });
    platform::on_chosen(c.Optprint4, [this] { Optprint4_Click(); });
    platform::on_chosen(c.Option1, [this] { Option1_Click(); });
    platform::on_chosen(c.Option2, [this] { Option2_Click(); });
    platform::on_chosen(c.Option3, [this] { Option3_Click(); });
    platform::on_chosen(c.Option4, [this] { Option4_Click(); });
    platform::on_chosen(c.Option5, [this] { Option5_Click(); });
    platform::on_chosen(c.Option6, [this] { Option6_Click(); });
    platform::on_chosen(c.Option7, [this] { Option7_Click(); });
    platform::on_toggle(c.Chkfamily, [this] { Chkfamily_Click(); });
    platform::on_toggle(c.Chktitle, [this] { Chktitle_Click(); });
    platform::on_toggle(c.ChkResident, [this] { ChkResident_Click(); });
    platform::on_toggle(c.Chksingle, [this] { Chksingle_Click(); });
    platform::on_toggle(c.Chkchild, [this] { Chkchild_Click(); });
    platform::on_toggle(c.Chkchildsel, [this] { Chkchildsel_Click(); });
    platform::on_toggle(c.chkTrack, [this] { chkTrack_Click(); });
    platform::on_click(c.comprint, [this] { comprint_Click(); });
    platform::on_click(c.Comcancel, [this] { Comcancel_Click(); });
}

void frmprint::Form_Load() {
    TopPosition = 0;
    Cancelmessage.clear();
    auto& printers = form<modSetUpPrinters>();
    if (!printers.printer_table_loaded) printers.load_printer_table();
}

void frmprint::Comcancel_Click() {
    unload();
}

// ---- Shared pieces of the rules.

bool frmprint::labels_without_quickprint() {
    auto& c = ui();
    return !c.optprint1->isChecked() && !c.Optprint2->isChecked() && !c.Optprint4->isChecked() &&
           !c.Option4->isChecked();
}

void frmprint::name_option_rule() {
    auto& c = ui();
    for (QCheckBox* b : {c.Chkfamily, c.Chktitle, c.ChkResident}) b->setEnabled(true);
    if (value(c.Chkfamily) == 1 || value(c.Chktitle) == 1) {
        c.ChkResident->setEnabled(false);
    } else if (value(c.ChkResident) == 1) {
        c.Chkfamily->setEnabled(false);
        c.Chktitle->setEnabled(false);
    }
}

void frmprint::deselect_all_lines() {
    QListWidget* list = ui().lstselection;
    for (int i = list->count() - 1; i >= 0; --i) list->item(i)->setSelected(false);
}

void frmprint::disable_list(std::uint32_t colour) {
    auto& c = ui();
    c.lstselection->setEnabled(false);
    platform::set_back_color(c.lstselection, colour);
    deselect_all_lines();
}

void frmprint::set_categories_enabled(bool enabled) {
    for (int i = 1; i <= 12; ++i) ui().Check[i]->setEnabled(enabled);
}

void frmprint::clear_categories() {
    for (int i = 1; i <= 12; ++i) set_value(ui().Check[i], 0);
}

void frmprint::grey_pickers() {
    auto& c = ui();
    for (int i = 1; i <= 54; ++i) {
        c.Opt[i]->setEnabled(false);
        c.Opt[i]->setChecked(false);
        platform::set_back_color(c.Opt[i], color::kButtonFace);
    }
    for (QFrame* f : {c.Frame2, c.Frame5, c.Frame7})
        platform::set_back_color(f, color::kButtonFace);
}

// ---- Name options: 'THE FAMILY' and TITLE each exclude RESIDENT.

void frmprint::name_option_unchecked(QCheckBox* other) {
    auto& c = ui();
    if (labels_without_quickprint() && value(other) == 0) c.ChkResident->setEnabled(true);
    if (value(c.Chksingle) == 1 || value(c.Chkchild) == 1) c.ChkResident->setEnabled(false);
}

void frmprint::Chkfamily_Click() {
    auto& c = ui();
    if (value(c.Chkfamily) == 1) {
        c.ChkResident->setEnabled(false);
        set_value(c.ChkResident, 0);
    } else {
        name_option_unchecked(c.Chktitle);
    }
}

void frmprint::Chktitle_Click() {
    auto& c = ui();
    if (value(c.Chktitle) == 1) {
        c.ChkResident->setEnabled(false);
        set_value(c.ChkResident, 0);
    } else {
        name_option_unchecked(c.Chkfamily);
    }
}

void frmprint::ChkResident_Click() {
    auto& c = ui();
    if (value(c.ChkResident) == 1) {
        c.Chkfamily->setEnabled(false);
        c.Chktitle->setEnabled(false);
        set_value(c.Chkfamily, 0);
        set_value(c.Chktitle, 0);
        if (c.Option2->isChecked()) {
            c.Chkchildsel->setEnabled(false);
            c.chkTrack->setEnabled(false);
            set_value(c.Chkchildsel, 0);
            set_value(c.chkTrack, 0);
        } else if (c.Option3->isChecked()) {
            c.Chksingle->setEnabled(false);
            c.Chkchild->setEnabled(false);
            set_value(c.Chksingle, 0);
            set_value(c.Chkchild, 0);
        }
        return;
    }
    if (labels_without_quickprint()) {
        c.Chkfamily->setEnabled(true);
        c.Chktitle->setEnabled(true);
    }
    // RESIDENT is also cleared while another output type is being chosen; the options of the
    // record choice only apply to mailing labels.
    if (!c.Optprint3->isChecked()) return;
    if (c.Option2->isChecked()) {
        c.Chkchildsel->setEnabled(true);
        c.chkTrack->setEnabled(true);
    }
    if (c.Option3->isChecked()) {
        c.Chksingle->setEnabled(true);
        c.Chkchild->setEnabled(true);
    }
}

// ---- SinglePrint, ChildPrint and Track each keep RESIDENT off while ticked.

void frmprint::partner_rule(QCheckBox* box, QCheckBox* partner) {
    auto& c = ui();
    if (value(box) == 1) {
        c.ChkResident->setEnabled(false);
        return;
    }
    if (c.ChkResident->isEnabled()) return;
    // Only for mailing labels typed from households: RESIDENT means nothing elsewhere.
    if (c.Optprint3->isEnabled() && labels_without_quickprint() && value(partner) == 0 &&
        value(c.Chkfamily) == 0 && value(c.Chktitle) == 0)
        c.ChkResident->setEnabled(true);
}

void frmprint::Chksingle_Click() {
    partner_rule(ui().Chksingle, ui().Chkchild);
}
void frmprint::Chkchild_Click() {
    partner_rule(ui().Chkchild, ui().Chksingle);
}
void frmprint::chkTrack_Click() {
    partner_rule(ui().chkTrack, ui().Chkchildsel);
}
void frmprint::Chkchildsel_Click() {
    partner_rule(ui().Chkchildsel, ui().chkTrack);
}

// ---- Record choice.

void frmprint::Option1_Click() {
    auto& c = ui();
    c.Chksingle->setEnabled(false);
    c.Chkchild->setEnabled(false);
    set_value(c.Chksingle, 0);
    set_value(c.Chkchild, 0);
    c.chkTrack->setEnabled(false);
    c.Chkchildsel->setEnabled(false);
    set_value(c.chkTrack, 0);
    set_value(c.Chkchildsel, 0);
    disable_list(color::kMenu);
    set_categories_enabled(false);
    clear_categories();
    if (c.Optprint3->isChecked()) name_option_rule();
}

void frmprint::Option2_Click() {
    auto& c = ui();
    if (value(c.ChkResident) == 1 || !c.Optprint3->isChecked()) {
        c.Chkchildsel->setEnabled(false);
        c.chkTrack->setEnabled(false);
        set_value(c.Chkchildsel, 0);
        set_value(c.chkTrack, 0);
    } else {
        c.Chkchildsel->setEnabled(true);
        c.chkTrack->setEnabled(true);
        if (c.Option6->isChecked()) set_value(c.chkTrack, 1);
    }
    c.Chksingle->setEnabled(false);
    set_value(c.Chksingle, 0);
    c.Chkchild->setEnabled(false);
    set_value(c.Chkchild, 0);
    disable_list(color::kMenu);
    for (int i = 1; i <= 12; ++i) c.Check[i]->setEnabled(!c.Check[i]->text().isEmpty());
    if (c.Optprint3->isChecked()) name_option_rule();
}

void frmprint::Option3_Click() {
    auto& c = ui();
    if (c.Optprint3->isChecked()) {
        c.Chksingle->setEnabled(true);
        c.Chkchild->setEnabled(true);
    } else {
        c.Chksingle->setEnabled(false);
        set_value(c.Chksingle, 0);
        c.Chkchild->setEnabled(false);
        set_value(c.Chkchild, 0);
    }
    if (value(c.ChkResident) == 1) {
        c.Chksingle->setEnabled(false);
        c.Chkchild->setEnabled(false);
        set_value(c.Chksingle, 0);
        set_value(c.Chkchild, 0);
    }
    c.lstselection->setEnabled(true);
    platform::set_back_color(c.lstselection, color::kWindow);
    c.Chkchildsel->setEnabled(false);
    c.chkTrack->setEnabled(false);
    set_value(c.Chkchildsel, 0);
    set_value(c.chkTrack, 0);
    set_categories_enabled(false);
    clear_categories();
    if (c.Optprint3->isChecked()) name_option_rule();
}

void frmprint::Option4_Click() {
    auto& c = ui();
    for (QCheckBox* b : {c.Chksingle, c.Chkchild, c.chkTrack, c.Chkchildsel}) {
        b->setEnabled(false);
        set_value(b, 0);
    }
    disable_list(color::kMenu);
    set_categories_enabled(false);
    clear_categories();
    for (QCheckBox* b : {c.Chkfamily, c.Chktitle, c.ChkResident}) b->setEnabled(false);
    for (QCheckBox* b : {c.Chkfamily, c.Chktitle, c.ChkResident}) set_value(b, 0);
}

// ---- Label sheet.

void frmprint::Option5_Click() {
    auto& c = ui();
    c.Frame2->show();
    c.Frame5->hide();
    c.Frame7->hide();
    set_value(c.chkTrack, 0);
}

void frmprint::Option6_Click() {
    auto& c = ui();
    c.Frame2->hide();
    c.Frame5->show();
    // Invitations are tracked by default, but never together with RESIDENT.
    if (c.Option2->isChecked() && value(c.ChkResident) == 0) set_value(c.chkTrack, 1);
    c.Frame7->hide();
}

void frmprint::Option7_Click() {
    auto& c = ui();
    c.Frame2->hide();
    c.Frame5->hide();
    c.Frame7->show();
    c.Opt[45]->setChecked(true);
}

// ---- Output type.

void frmprint::output_list_or_book(bool phone_list) {
    auto& c = ui();
    if (c.Option4->isChecked()) c.Option3->setChecked(true);
    c.Option4->setChecked(false);
    for (QWidget* b : {c.Option4, c.Option5, c.Option6, c.Option7}) b->setEnabled(false);
    for (QWidget* b : {c.Option1, c.Option2, c.Option3}) b->setEnabled(true);
    if (phone_list) {
        c.chkallrecs->setEnabled(true);
    } else {
        c.chkallrecs->setEnabled(false);
        set_value(c.chkallrecs, 0);
    }
    for (QCheckBox* b : {c.Chkfamily, c.Chktitle, c.ChkResident}) b->setEnabled(false);
    for (QCheckBox* b : {c.Chkfamily, c.Chktitle, c.ChkResident}) set_value(b, 0);
    c.Chkchildsel->setEnabled(false);
    set_value(c.Chkchildsel, 0);
    c.chkTrack->setEnabled(false);
    set_value(c.chkTrack, 0);
    c.Chksingle->setEnabled(false);
    c.Chkchild->setEnabled(false);
    set_value(c.Chksingle, 0);
    set_value(c.Chkchild, 0);
    if (c.Option2->isChecked()) set_categories_enabled(true);
    if (c.Option3->isChecked()) {
        c.lstselection->setEnabled(true);
        platform::set_back_color(c.lstselection, color::kWindow);
    }
    grey_pickers();
}

void frmprint::optprint1_Click() {
    output_list_or_book(true);
}
void frmprint::Optprint2_Click() {
    output_list_or_book(false);
}

void frmprint::Optprint3_Click() {
    auto& c = ui();
    for (QWidget* b : {c.Option4, c.Option5, c.Option6, c.Option7}) b->setEnabled(true);
    for (QFrame* f : {c.Frame7, c.Frame5, c.Frame2}) f->setEnabled(true);
    for (int i = 1; i <= 54; ++i) {
        c.Opt[i]->setEnabled(true);
        platform::set_back_color(c.Opt[i], color::kWindow);
    }
    for (int i : {1, 31, 45}) c.Opt[i]->setChecked(true);
    for (QFrame* f : {c.Frame2, c.Frame5, c.Frame7}) platform::set_back_color(f, color::kWindow);
    if (form<frmOVRA>().record_count_shown() <= 0) {
        c.Option4->setChecked(true);
        return;
    }
    for (QCheckBox* b : {c.Chkfamily, c.Chktitle, c.ChkResident}) b->setEnabled(true);
    c.chkallrecs->setEnabled(false);
    set_value(c.chkallrecs, 0);
    for (QWidget* b : {c.Option1, c.Option2, c.Option3}) b->setEnabled(true);
    if (c.Option2->isChecked()) {
        c.Chkchildsel->setEnabled(true);
        c.chkTrack->setEnabled(true);
        set_value(c.Chkchildsel, 0);
        set_value(c.chkTrack, 0);
        c.Chksingle->setEnabled(false);
        c.Chkchild->setEnabled(false);
        set_value(c.Chksingle, 0);
        set_value(c.Chkchild, 0);
        set_categories_enabled(true);
        if (c.Option6->isChecked()) set_value(c.chkTrack, 1);
    } else {
        c.Chkchildsel->setEnabled(false);
        c.chkTrack->setEnabled(false);
        set_value(c.Chkchildsel, 0);
        set_value(c.chkTrack, 0);
    }
    if (c.Option3->isChecked()) {
        c.Chksingle->setEnabled(true);
        c.Chkchild->setEnabled(true);
        c.Chkchildsel->setEnabled(false);
        set_value(c.Chkchildsel, 0);
        c.lstselection->setEnabled(true);
        platform::set_back_color(c.lstselection, color::kWindow);
    } else {
        c.Chksingle->setEnabled(false);
        c.Chkchild->setEnabled(false);
        set_value(c.Chksingle, 0);
        set_value(c.Chkchild, 0);
    }
    if (c.Option4->isChecked()) {
        for (QCheckBox* b : {c.Chkfamily, c.Chktitle, c.ChkResident}) b->setEnabled(false);
        for (QCheckBox* b : {c.Chkfamily, c.Chktitle, c.ChkResident}) set_value(b, 0);
    }
}

void frmprint::Optprint4_Click() {
    auto& c = ui();
    c.chkallrecs->setEnabled(false);
    for (QWidget* b : {c.Option1, c.Option2, c.Option3, c.Option4, c.Option5, c.Option6, c.Option7})
        b->setEnabled(false);
    c.Chkchildsel->setEnabled(false);
    c.chkTrack->setEnabled(false);
    set_value(c.Chkchildsel, 0);
    set_value(c.chkTrack, 0);
    for (QCheckBox* b : {c.Chkfamily, c.Chktitle, c.ChkResident}) {
        b->setEnabled(false);
        set_value(b, 0);
    }
    c.Chksingle->setEnabled(false);
    set_value(c.Chksingle, 0);
    set_value(c.Chkchild, 0);
    c.Chkchild->setEnabled(false);
    set_categories_enabled(false);
    set_value(c.chkallrecs, 0);
    set_value(c.Chkchildsel, 0);
    set_value(c.chkTrack, 0);
    clear_categories();
    c.lstselection->setEnabled(false);
    deselect_all_lines();
    for (QFrame* f : {c.Frame7, c.Frame5, c.Frame2}) f->setEnabled(false);
    grey_pickers();
    platform::set_back_color(c.lstselection, color::kButtonFace);
}

// ---- What PRINT hands to the runs.

printing::PrintRequest frmprint::print_request() {
    using namespace printing;
    auto& c = ui();
    PrintRequest r;
    r.output = c.optprint1->isChecked()   ? OutputType::PhoneList
               : c.Optprint2->isChecked() ? OutputType::AddressBook
               : c.Optprint4->isChecked() ? OutputType::ReturnLabels
                                          : OutputType::MailingLabels;
    r.choice = c.Option1->isChecked()   ? RecordChoice::All
               : c.Option2->isChecked() ? RecordChoice::ByCategory
               : c.Option4->isChecked() ? RecordChoice::QuickPrint
                                        : RecordChoice::Selected;
    r.sheet = c.Option5->isChecked()   ? Sheet::Standard
              : c.Option7->isChecked() ? Sheet::Shipping
              : c.Option6->isChecked() ? Sheet::Invite
                                       : Sheet::None;
    auto chosen = [&](const PickerLayout& l) {
        for (int i = l.first; i <= l.last; ++i)
            if (c.Opt[i]->isChecked()) return i - l.first + 1;
        return 0;
    };
    r.start_standard = chosen(kStandard);
    r.start_invite = chosen(kInvite);
    r.start_shipping = chosen(kShipping);
    for (int i = 1; i <= 12; ++i) r.category[i] = value(c.Check[i]);
    r.lines.reserve(c.lstselection->count());
    for (int i = 0; i < c.lstselection->count(); ++i) {
        const QListWidgetItem* item = c.lstselection->item(i);
        r.lines.push_back({item->text(), item->data(Qt::UserRole).toString(), item->isSelected()});
    }
    r.single_print = value(c.Chksingle) == 1;
    r.child_print = value(c.Chkchild) == 1;
    r.child_print_by_category = value(c.Chkchildsel) == 1;
    r.track = value(c.chkTrack) == 1;
    r.resident = value(c.ChkResident) == 1;
    r.the_family = value(c.Chkfamily) == 1;
    r.title = value(c.Chktitle) == 1;
    r.numbers_only = value(c.chkallrecs) == 1;
    r.printer = c.cmbPrinter->currentText();
    r.top_position = TopPosition;
    return r;
}

void frmprint::apply(const printing::PrintResult& result) {
    auto& c = ui();
    if (result.clear_categories) clear_categories();
    if (result.clear_single_child)
        for (QCheckBox* b : {c.Chksingle, c.Chkchild, c.Chkchildsel}) set_value(b, 0);
    if (result.clear_track) set_value(c.chkTrack, 0);
    if (result.deselect_lines) deselect_all_lines();
    if (!result.message.isEmpty()) c.lblselwarning->setText(result.message);
}
