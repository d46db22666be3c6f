#include "child_print_setup.h"

#include <algorithm>

#include "common/vbstring.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "reports/Frmchildprint.h"

namespace printing {

namespace {

// Where the rows below the children go for each number of children (twips).
struct RowLayout {
    int line2;
    int check7, label7;
    int check8, label8;
    int line3;
    int option2;
    int option3;
    int line4;
    int buttons;
};

// [n]: n children; [0]: one child with the parents row hidden (Track or Invite).
constexpr RowLayout kRows[7] = {
    {0, 0, 0, 0, 0, 0, 1515, 1875, 2280, 2520},
    {1560, 0, 0, 1755, 1755, 2160, 2355, 2715, 3120, 3360},
    {1920, 0, 0, 2115, 2115, 2520, 2715, 3075, 3480, 3720},
    {2280, 2400, 2475, 2760, 2835, 3240, 3360, 3720, 4080, 4440},
    {2640, 2835, 2835, 3195, 3195, 3600, 3720, 4080, 4440, 4800},
    {3000, 3190, 3190, 3550, 3550, 3960, 4080, 4440, 4800, 5160},
    {3360, 3550, 3550, 3910, 3910, 4320, 4440, 4800, 5160, 5520},
};

void set_box_bottom(Frmchildprint_ui::Controls& c, int y) {
    c.LineLeft->set_ends(c.LineLeft->x1(), c.LineLeft->y1(), c.LineLeft->x2(), y);
    c.LineRight->set_ends(c.LineRight->x1(), c.LineRight->y1(), c.LineRight->x2(), y);
}

void set_buttons_top(Frmchildprint_ui::Controls& c, int top) {
    platform::set_top(c.cmdPrint, top);
    platform::set_top(c.cmdCancel, top);
}

void apply_rows(Frmchildprint_ui::Controls& c, const RowLayout& r, bool has_line2_and_3) {
    using platform::set_top;
    if (has_line2_and_3) {
        c.Line2->set_y(r.line2);
        c.Line3->set_y(r.line3);
    }
    if (r.check7) {
        set_top(c.Check[7], r.check7);
        set_top(c.Label[7], r.label7);
    }
    if (r.check8) {
        set_top(c.Check[8], r.check8);
        set_top(c.Label[8], r.label8);
    }
    set_top(c.Option2, r.option2);
    set_top(c.Label[9], r.option2);
    set_top(c.Option3, r.option3);
    set_top(c.Label[10], r.option3);
    c.Line4->set_y(r.line4);
    set_box_bottom(c, r.line4);
    set_buttons_top(c, r.buttons);
}

}  // namespace

void set_up_child_print(const RecordImage& h, const LabelOptions& o, bool selected_printing) {
    auto& w = platform::form<Frmchildprint>();
    w.unload();  // every household starts from the design layout
    w.reset_result();
    auto& c = w.ui();
    auto& names = w.dialog;
    names = {};
    names.number_of_children = h.number_of_children;

    for (int k = 1; k <= 6; ++k) {
        names.last_name_flag[k] = QStringLiteral("N");
        if (k > h.number_of_children) {
            c.Label[k]->setText(QString());
            continue;
        }
        const QString& field = h.child[k];
        QString name = field;
        while (name.endsWith(QLatin1Char(' '))) name.chop(1);
        const qsizetype blank = name.indexOf(QLatin1Char(' '));
        if (blank >= 0) {
            c.Label[k]->setText(platform::typed_caption(field));
            names.first_name[k] = name.left(blank);
            names.last_name[k] = name.mid(blank + 1);
            names.last_name_flag[k] = QStringLiteral("Y");
        } else {
            c.Label[k]->setText(platform::typed_caption(field + QLatin1Char(' ') + h.lastname1));
        }
    }
    c.Label[7]->setText(platform::typed_caption(QStringLiteral("THE ") + h.lastname1 +
                                                QStringLiteral(" CHILDREN")));
    names.parent_type =
        h.firstname2.isEmpty() ? QStringLiteral("PARENT") : QStringLiteral("PARENTS");

    c.Option1->setChecked(true);
    const bool whole_group = !selected_printing;
    for (QWidget* x : std::initializer_list<QWidget*>{c.Option1, c.Option2, c.Option3, c.Label[9],
                                                      c.Label[10], c.Line4})
        x->setVisible(whole_group);
    if (whole_group) {
        c.Option2->setChecked(false);
        c.Option3->setChecked(false);
    }
    c.Label[8]->setText(QStringLiteral("TO THE ") + names.parent_type + QStringLiteral(" OF "));

    if (!common::is_blank(h.lastname2)) {
        names.name_hold = QStringLiteral("THE ") + h.lastname1 + QStringLiteral(" FAMILY");
        c.Label[9]->setText(platform::typed_caption(names.name_hold));
    } else {
        const QString person = h.firstname1 + QLatin1Char(' ') + h.lastname1;
        names.name_hold = person + QStringLiteral(" & FAMILY");
        c.Label[9]->setText(platform::typed_caption(names.name_hold));
    }

    const bool no_parents_row = o.track || o.sheet == Sheet::Invite;
    if (no_parents_row) {
        c.Check[8]->hide();
        c.Label[8]->hide();
    }

    const NameLine own = compose_name_line(h, o);
    names.mailing_label_hold = own.line;
    c.Label[10]->setText(own.caption);

    const int n = std::clamp(h.number_of_children, 1, 6);
    for (int k = n + 1; k <= 6; ++k) {
        c.Check[k]->setChecked(false);
        c.Check[k]->hide();
        c.Label[k]->hide();
    }
    if (n == 6) {
        c.Check[6]->show();
        c.Label[6]->show();
    }
    if (n <= 2) c.Check[7]->hide();
    if (n == 2) c.Label[7]->hide();
    if (n == 1) {
        c.Check[1]->hide();
        c.Lbltitle->setText(QString());
        c.Label[7]->setText(QString());
    }
    apply_rows(c, kRows[n], true);
    if (n == 1 && no_parents_row) {
        c.Line2->hide();
        c.Line3->hide();
        platform::set_left(c.Label[1], 1080);
        apply_rows(c, kRows[0], false);
    } else if (n >= 2 && no_parents_row) {
        arrange_child_print_rows(n);
    }

    if (selected_printing) {
        for (QWidget* x : std::initializer_list<QWidget*>{c.Option2, c.Label[9], c.Option3,
                                                          c.Label[10], c.Line4})
            x->hide();
        set_box_bottom(c, c.Line3->y1());
        set_buttons_top(c, c.Line3->y1() + 240);
        w.set_window_height(platform::top(c.cmdPrint) + 975);
    }
}

void arrange_child_print_rows(int number_of_children) {
    auto& w = platform::form<Frmchildprint>();
    auto& c = w.ui();
    int base;
    if (number_of_children == 2) {
        c.Line2->hide();
        base = platform::top(c.Label[2]);
    } else {
        base = platform::top(c.Label[7]);
    }
    c.Line3->set_y(base + 405);
    const int option2 = c.Line3->y1() + 195;
    platform::set_top(c.Option2, option2);
    platform::set_top(c.Label[9], option2);
    platform::set_top(c.Option3, option2 + 360);
    platform::set_top(c.Label[10], option2 + 360);
    c.Line4->set_y(option2 + 360 + 405);
    set_box_bottom(c, c.Line4->y1());
    set_buttons_top(c, c.LineLeft->y2() + 240);
    w.set_window_height(platform::top(c.cmdPrint) + 975);
}

}  // namespace printing
