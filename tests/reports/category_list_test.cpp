#include <QListWidget>

#include "fixture.h"
#include "platform/printer.h"
#include "reports/frmCategoryList.h"
#include "shell/frmOVRA.h"
#include "shell/modCategory_setup.h"

using platform::form;

namespace {

class CategoryList : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        start_program();
        m().heading[2] = "FRIENDS";
        m().catcount[2] = 5;
        modCategory_setup::set_up_categories();
    }
    frmOVRA& m() { return form<frmOVRA>(); }

    void add(const QString& last, const QString& first, int category, const QString& first2 = {},
             std::optional<QString> last2 = {}, const QString& hyphen = "N",
             const QString& reverse = "N", int children = 0) {
        common::AddressRecord r = household(last, first);
        r.category[category] = "Y";
        r.first_name_2 = first2;
        if (last2) r.last_name_2 = *last2;
        r.last_name_hyphen = hyphen;
        r.last_name_reverse = reverse;
        // A stale childflag on purpose: the children are the names of the Children row.
        r.childflag = children > 0 ? 0 : 3;
        store_household(r);
        common::ChildrenRecord kids;
        kids.keyname = r.keyname;
        if (children > 0) kids.child[children] = "CY";
        store_children(kids);
    }

    // The lines the category button shows.
    QStringList shown(int button) {
        QStringList lines;
        modals.on("frmCategoryList", [&](platform::Window& w) {
            auto& c = form<frmCategoryList>().ui();
            snapshot(w.widget(), "frmCategoryList");
            EXPECT_EQ(c.lblCategory->text(), m().heading[button]);
            for (int i = 0; i < c.List1->count(); ++i) lines << c.List1->item(i)->text();
            click(c.cmdCancel);
        });
        click(m().ui().cmdButton[button]);
        return lines;
    }
};

TEST_F(CategoryList, ListsTheCategorysHouseholdsByDisplayNameInOrder) {
    add("Smith", "John", 2);
    add("smith", "Anne", 2, {}, {}, "N", "N", 2);
    add("Jones", "Bob", 2, "MARY", QString("JONES"));
    add("Adams", "Tom", 2, "MARY", QString("KING"), "N", "N", 1);
    add("Brown", "Ed", 2, "SUE", QString("WHITE"), "Y");
    add("Clark", "Al", 2, "LIZ", QString("GRAY"), "Y", "Y");
    add("Doe", "Jim", 2, "KIM", QString(), "N", "N", 1);
    add("Other", "Only", 3);
    EXPECT_EQ(shown(2),
              QStringList({"ADAMS, TOM & MARY KING AND FAMILY", "BROWN, ED & SUE WHITE-BROWN",
                           "CLARK, AL & LIZ CLARK-GRAY", "DOE, JIM & KIM  AND FAMILY",
                           "JONES, BOB & MARY", "SMITH, ANNE AND FAMILY", "SMITH, JOHN"}));
}

TEST_F(CategoryList, AnEmptyAddressBookGivesAnEmptyListThatPrintsItsHeadingOnly) {
    EXPECT_TRUE(shown(2).isEmpty());
    auto& rec = platform::use_print_recorder();
    modals.on("frmCategoryList",
              [](platform::Window&) { click(form<frmCategoryList>().ui().cmdPrint); });
    click(m().ui().cmdButton[2]);
    ASSERT_EQ(rec.texts.size(), 2u);
    EXPECT_EQ(rec.texts[0].text, "CATEGORY LIST FOR FRIENDS");
}

}  // namespace
