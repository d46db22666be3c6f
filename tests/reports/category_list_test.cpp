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
        r.childflag = children;
        store_household(r);
    }

    // The lines the category button shows; with `print`, what PRINT printed instead.
    QStringList shown(int button, bool print = false) {
        QStringList lines;
        auto& rec = platform::use_print_recorder();
        rec.clear();
        modals.on("frmCategoryList", [&](platform::Window&) {
            auto& c = form<frmCategoryList>().ui();
            EXPECT_EQ(c.lblCategory->text(), m().heading[button]);
            for (int i = 0; i < c.List1->count(); ++i) lines << c.List1->item(i)->text();
            click(print ? c.cmdPrint : c.cmdCancel);
        });
        click(m().ui().cmdButton[button]);
        EXPECT_FALSE(form<frmCategoryList>().is_loaded());
        if (!print) return lines;
        EXPECT_EQ(rec.jobs.size(), 1u);
        EXPECT_TRUE(rec.jobs.front().ended);
        lines.clear();
        for (const auto& t : rec.texts) lines << t.text;
        // The heading in 14 point, the list in 11.
        EXPECT_EQ(rec.texts.front().size, 14);
        if (rec.texts.size() > 2) {
            EXPECT_EQ(rec.texts.back().size, 11);
        }
        return lines;
    }
};

TEST_F(CategoryList, ListsAndPrintsTheCategorysHouseholdsByDisplayNameInOrder) {
    // An empty list prints its heading only.
    EXPECT_TRUE(shown(2).isEmpty());
    EXPECT_EQ(shown(2, true), QStringList({"CATEGORY LIST FOR FRIENDS", " "}));

    add("Smith", "John", 2);
    add("smith", "Anne", 2, {}, {}, "N", "N", 2);
    add("Jones", "Bob", 2, "MARY", QString("JONES"));
    add("Adams", "Tom", 2, "MARY", QString("KING"), "N", "N", 1);
    add("Brown", "Ed", 2, "SUE", QString("WHITE"), "Y");
    add("Clark", "Al", 2, "LIZ", QString("GRAY"), "Y", "Y");
    add("Doe", "Jim", 2, "KIM", QString(), "N", "N", 1);
    add("Other", "Only", 3);
    const QStringList names = {"ADAMS, TOM & MARY KING AND FAMILY",
                               "BROWN, ED & SUE WHITE-BROWN",
                               "CLARK, AL & LIZ CLARK-GRAY",
                               "DOE, JIM & KIM  AND FAMILY",
                               "JONES, BOB & MARY",
                               "SMITH, ANNE AND FAMILY",
                               "SMITH, JOHN"};
    EXPECT_EQ(shown(2), names);
    QStringList numbered = {"CATEGORY LIST FOR FRIENDS", " "};
    for (int i = 0; i < names.size(); ++i) numbered << QString("%1)  %2").arg(i + 1).arg(names[i]);
    EXPECT_EQ(shown(2, true), numbered);
}

}  // namespace
