// The children window filled for one household: captions, names, and rows by family size.
#include "printing/child_print_setup.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "platform/controls.h"
#include "printing/label_run.h"
#include "reports/Frmchildprint.h"

using namespace printing;
using platform::form;
using platform::top;

namespace {

class ChildPrintSetUp : public testing_support::OvraTest {
protected:
    static RecordImage family(int children, const QString& first2 = QStringLiteral("JANE")) {
        RecordImage h;
        h.firstname1 = "JOHN";
        h.lastname1 = "SMITH";
        h.firstname2 = first2;
        h.lastname2 = first2.isEmpty() ? QStringLiteral(" ") : QStringLiteral("SMITH");
        h.title1 = "None";
        h.hyphen = h.name_reverse = h.family_flag = "N";
        const char* names[] = {"", "TOMMY", "MARY ANN  ", "SUE", "BOB", "AL", "JO"};
        for (int k = 1; k <= children; ++k) h.child[k] = names[k];
        h.number_of_children = children;
        return h;
    }
    void set_up(int children, Sheet s = Sheet::Standard, bool track = false,
                bool selected = false) {
        LabelOptions o;
        o.sheet = s;
        o.track = track;
        o.child_print_by_category = true;
        set_up_child_print(family(children), o, selected);
    }
    Frmchildprint& w() { return form<Frmchildprint>(); }
    Frmchildprint_ui::Controls& ui() { return w().ui(); }
};

TEST_F(ChildPrintSetUp, CaptionsAndNamesForEachHousehold) {
    set_up(2);
    auto& c = ui();
    EXPECT_EQ(c.Label[1]->text(), "TOMMY SMITH");
    EXPECT_EQ(w().dialog.last_name_flag[1], "N");
    EXPECT_EQ(c.Label[2]->text(), "MARY ANN  ");  // the first blank splits; shown as stored
    EXPECT_EQ(w().dialog.first_name[2], "MARY");
    EXPECT_EQ(w().dialog.last_name[2], "ANN");
    EXPECT_EQ(w().dialog.last_name_flag[2], "Y");
    EXPECT_EQ(w().dialog.parent_type, "PARENTS");
    EXPECT_EQ(c.Label[8]->text(), "TO THE PARENTS OF ");
    EXPECT_EQ(c.Label[9]->text(), "THE SMITH FAMILY");
    EXPECT_EQ(c.Label[10]->text(), "JOHN && JANE SMITH");
    EXPECT_EQ(w().dialog.mailing_label_hold, "JOHN & JANE SMITH");

    // The next household: one person, last name 2 a blank; nothing of the last one is left.
    w().print_or_cancel_flag = "P";
    w().hold_line[1] = "THE SMITH CHILDREN";
    ui().Option3->setChecked(true);
    set_up_child_print(family(1, {}), LabelOptions{}, false);
    EXPECT_EQ(w().dialog.parent_type, "PARENT");
    EXPECT_EQ(ui().Label[8]->text(), "TO THE PARENT OF ");
    EXPECT_EQ(ui().Label[9]->text(), "JOHN SMITH && FAMILY");
    EXPECT_EQ(w().dialog.name_hold, "JOHN SMITH & FAMILY");
    EXPECT_EQ(w().dialog.last_name_flag[2], "N");
    EXPECT_EQ(w().print_or_cancel_flag, "");
    EXPECT_EQ(w().hold_line[1], "");
    EXPECT_TRUE(ui().Option1->isChecked());
}

TEST_F(ChildPrintSetUp, RowsByNumberOfChildren) {
    struct Row {
        int children;
        int line2, label8, line3, option2, option3, line4, buttons;
    } rows[] = {
        {1, 1560, 1755, 2160, 2355, 2715, 3120, 3360},
        {2, 1920, 2115, 2520, 2715, 3075, 3480, 3720},
        {3, 2280, 2835, 3240, 3360, 3720, 4080, 4440},
        {4, 2640, 3195, 3600, 3720, 4080, 4440, 4800},
        {5, 3000, 3550, 3960, 4080, 4440, 4800, 5160},
        {6, 3360, 3910, 4320, 4440, 4800, 5160, 5520},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.children);
        set_up(r.children);
        auto& c = ui();
        EXPECT_EQ(c.Line2->y1(), r.line2);
        EXPECT_EQ(top(c.Label[8]), r.label8);
        EXPECT_EQ(c.Line3->y1(), r.line3);
        EXPECT_EQ(top(c.Option2), r.option2);
        EXPECT_EQ(top(c.Label[10]), r.option3);
        EXPECT_EQ(c.Line4->y1(), r.line4);
        EXPECT_EQ(c.LineRight->y2(), r.line4);
        EXPECT_EQ(top(c.cmdCancel), r.buttons);
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(c.Label[k]->isHidden(), k > r.children) << k;
        EXPECT_EQ(c.Check[1]->isHidden(), r.children == 1);
        EXPECT_EQ(c.Check[7]->isHidden(), r.children <= 2);
        EXPECT_EQ(c.Label[7]->isHidden(), r.children == 2);
        EXPECT_EQ(c.Lbltitle->text().isEmpty(), r.children == 1);
        EXPECT_EQ(w().window_height(), Frmchildprint::kDesignHeight);
    }
    EXPECT_EQ(top(ui().Check[7]), 3550);
}

TEST_F(ChildPrintSetUp, WithoutTheParentsRowTheChoicesMoveUp) {
    // One child, Invite: the child's name moves left, the inner lines go.
    set_up(1, Sheet::Invite);
    EXPECT_TRUE(ui().Check[8]->isHidden() && ui().Label[8]->isHidden());
    EXPECT_TRUE(ui().Line2->isHidden() && ui().Line3->isHidden());
    EXPECT_EQ(platform::left(ui().Label[1]), 1080);
    EXPECT_EQ(top(ui().Option2), 1515);
    EXPECT_EQ(top(ui().Option3), 1875);
    EXPECT_EQ(ui().Line4->y1(), 2280);
    EXPECT_EQ(top(ui().cmdPrint), 2520);

    // Two children, Track: under the second child's row.
    set_up(2, Sheet::Standard, true);
    EXPECT_TRUE(ui().Line2->isHidden());
    EXPECT_EQ(ui().Line3->y1(), 1515 + 405);
    EXPECT_EQ(top(ui().Label[9]), 1920 + 195);
    EXPECT_EQ(ui().Line4->y1(), 2115 + 360 + 405);
    EXPECT_EQ(w().window_height(), 2880 + 240 + 975);

    // Selected Printing, Invite, three children: the group choices go, the box closes at Line3.
    set_up(3, Sheet::Invite, false, true);
    auto& c = ui();
    for (QWidget* x : {static_cast<QWidget*>(c.Option1), static_cast<QWidget*>(c.Option3),
                       static_cast<QWidget*>(c.Label[9]), static_cast<QWidget*>(c.Line4)})
        EXPECT_TRUE(x->isHidden()) << x->objectName().toStdString();
    EXPECT_EQ(c.Line3->y1(), 2475 + 405);
    EXPECT_EQ(c.LineLeft->y2(), 2880);
    EXPECT_EQ(top(c.cmdPrint), 3120);
    EXPECT_EQ(w().window_height(), 3120 + 975);
}

TEST_F(ChildPrintSetUp, TheWindowsAnswerReachesTheRun) {
    // Closed with Esc: CANCEL.
    modals.on("Frmchildprint", [](platform::Window& w) { w.escape_key(); });
    EXPECT_EQ(show_child_print(family(2), {}, false).print_or_cancel_flag, "C");

    modals.on("Frmchildprint", [](platform::Window& win) {
        auto& c = static_cast<Frmchildprint&>(win);
        c.print_or_cancel_flag = "P";
        c.hold_line[2] = "       MARY ANN";
        c.LongNameFlag = true;
        c.whole_name_line = "TOMMY SMITH & MARY ANN";
        c.number_in_party = 2;
        c.unload();
    });
    ChildPrintResult r = show_child_print(family(2), {}, false);
    EXPECT_EQ(r.print_or_cancel_flag, "P");
    EXPECT_EQ(r.label.lines[2], "       MARY ANN");
    EXPECT_EQ(r.label.whole_name_line, "TOMMY SMITH & MARY ANN");
    EXPECT_EQ(r.label.number_in_party, 2);

    // Hidden without an answer counts as CANCEL, with none of the last household's lines.
    modals.on("Frmchildprint", [](platform::Window& w) { w.hide(); });
    r = show_child_print(family(3), {}, false);
    EXPECT_EQ(r.print_or_cancel_flag, "C");
    EXPECT_EQ(r.label.lines[2], "");
}

}  // namespace
