// The children window filled for one household: captions, names, and rows by family size.
#include "printing/child_print_setup.h"

#include <gtest/gtest.h>

#include <QLabel>

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

// The rows follow the family; whatever rows stay, nothing drawn reaches the buttons and the
// window closes below them.
TEST_F(ChildPrintSetUp, RowsFollowTheFamilyAndTheWindowClosesBelowTheButtons) {
    struct Case {
        int children;
        Sheet sheet;
        bool track, selected;
    } cases[] = {{1, Sheet::Standard, false, false}, {2, Sheet::Standard, false, false},
                 {3, Sheet::Standard, false, false}, {6, Sheet::Standard, false, false},
                 {1, Sheet::Invite, false, false},   {2, Sheet::Standard, true, false},
                 {3, Sheet::Invite, false, true}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.children << " children, case " << &k - cases);
        set_up(k.children, k.sheet, k.track, k.selected);
        auto& c = ui();
        for (int i = 1; i <= 6; ++i) EXPECT_EQ(c.Label[i]->isHidden(), i > k.children) << i;
        if (k.sheet == Sheet::Standard && !k.track) {
            EXPECT_EQ(c.Check[1]->isHidden(), k.children == 1);
            EXPECT_EQ(c.Check[7]->isHidden(), k.children <= 2);
            EXPECT_EQ(c.Lbltitle->text().isEmpty(), k.children == 1);
        }
        const QRect print = c.cmdPrint->geometry();
        for (QWidget* x : w().widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (x->isHidden() || x == c.cmdPrint || x == c.cmdCancel) continue;
            // An empty caption draws nothing wherever it stands.
            if (auto* label = qobject_cast<QLabel*>(x); label && label->text().isEmpty()) continue;
            EXPECT_LE(x->geometry().bottom(), print.top()) << x->objectName().toStdString();
        }
        EXPECT_LE(print.bottom(), w().widget()->height());
        EXPECT_EQ(c.cmdCancel->geometry().top(), print.top());
    }
    // Selected Printing on Invite leaves only the children to choose from.
    for (QWidget* x : {static_cast<QWidget*>(ui().Option1), static_cast<QWidget*>(ui().Option3)})
        EXPECT_TRUE(x->isHidden()) << x->objectName().toStdString();
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
