// The children window filled for one household: captions, names, and rows by family size.
#include "printing/child_print_setup.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "platform/controls.h"
#include "printing/label_run.h"
#include "reports/Frmchildprint.h"

using namespace printing;
using platform::form;

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

// The rows below the children stand where the family puts them (twips from the window's top;
// 0: hidden or not moved). That every control lies inside the window in each layout is
// checked with every window (windows_fit_test.cpp).
TEST_F(ChildPrintSetUp, RowsFollowTheFamily) {
    struct Case {
        int children;
        Sheet sheet;
        bool track, selected;
        int line2, check7, label7, check8, label8, line3, option2, option3, box_bottom, buttons;
        int height;
    } cases[] = {
        {1, Sheet::Standard, false, false, 1560, 0, 0, 1755, 1755, 2160, 2355, 2715, 3120, 3360,
         6495},
        {2, Sheet::Standard, false, false, 1920, 0, 0, 2115, 2115, 2520, 2715, 3075, 3480, 3720,
         6495},
        {3, Sheet::Standard, false, false, 2280, 2400, 2475, 2760, 2835, 3240, 3360, 3720, 4080,
         4440, 6495},
        {4, Sheet::Standard, false, false, 2640, 2835, 2835, 3195, 3195, 3600, 3720, 4080, 4440,
         4800, 6495},
        {5, Sheet::Standard, false, false, 3000, 3190, 3190, 3550, 3550, 3960, 4080, 4440, 4800,
         5160, 6495},
        {6, Sheet::Standard, false, false, 3360, 3550, 3550, 3910, 3910, 4320, 4440, 4800, 5160,
         5520, 6495},
        // Without the parents row (Invite or Track) the rows close up under the children.
        {1, Sheet::Invite, false, false, 0, 0, 0, 0, 0, 0, 1515, 1875, 2280, 2520, 6495},
        {2, Sheet::Standard, true, false, 0, 0, 0, 0, 0, 1920, 2115, 2475, 2880, 3120, 4095},
        {4, Sheet::Standard, true, false, 2640, 2835, 2835, 0, 0, 3240, 3435, 3795, 4200, 4440,
         5415},
        // Selected Printing: no whole-group choices, the box closes under the children.
        {3, Sheet::Invite, false, true, 2280, 2400, 2475, 0, 0, 2880, 0, 0, 2880, 3120, 4095}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.children << " children, case " << &k - cases);
        set_up(k.children, k.sheet, k.track, k.selected);
        auto& c = ui();
        auto expect_top = [](QWidget* x, int want) {
            if (want == 0) return;
            EXPECT_FALSE(x->isHidden()) << x->objectName().toStdString();
            EXPECT_EQ(platform::top(x), want) << x->objectName().toStdString();
        };
        auto expect_line = [](const LineControl* line, int want) {
            EXPECT_EQ(line->isHidden(), want == 0) << line->objectName().toStdString();
            if (want) {
                EXPECT_EQ(line->y1(), want) << line->objectName().toStdString();
            }
        };
        expect_line(c.Line2, k.line2);
        expect_line(c.Line3, k.line3);
        expect_top(c.Check[7], k.check7);
        expect_top(c.Label[7], k.label7);
        expect_top(c.Check[8], k.check8);
        expect_top(c.Label[8], k.label8);
        EXPECT_EQ(c.Label[8]->isHidden(), k.label8 == 0);
        for (QWidget* x : {static_cast<QWidget*>(c.Option2), static_cast<QWidget*>(c.Label[9])})
            expect_top(x, k.option2);
        for (QWidget* x : {static_cast<QWidget*>(c.Option3), static_cast<QWidget*>(c.Label[10])})
            expect_top(x, k.option3);
        EXPECT_EQ(c.Option3->isHidden(), k.option3 == 0);
        if (!k.selected) {
            EXPECT_EQ(c.Line4->y1(), k.box_bottom);
        }
        EXPECT_EQ(c.LineLeft->y2(), k.box_bottom);
        EXPECT_EQ(c.LineRight->y2(), k.box_bottom);
        expect_top(c.cmdPrint, k.buttons);
        expect_top(c.cmdCancel, k.buttons);
        EXPECT_EQ(w().window_height(), k.height);

        for (int i = 1; i <= 6; ++i) EXPECT_EQ(c.Label[i]->isHidden(), i > k.children) << i;
        if (k.sheet == Sheet::Standard && !k.track) {
            EXPECT_EQ(c.Check[1]->isHidden(), k.children == 1);
            EXPECT_EQ(c.Check[7]->isHidden(), k.children <= 2);
            EXPECT_EQ(c.Lbltitle->text().isEmpty(), k.children == 1);
        }
        if (k.children == 1 && k.sheet == Sheet::Invite) {
            EXPECT_EQ(platform::left(c.Label[1]), 1080);
        }
    }
    // Selected Printing on Invite leaves only the children to choose from.
    EXPECT_TRUE(ui().Option1->isHidden());
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
