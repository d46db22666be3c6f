#include <QTest>

#include "editor/Frmchildren.h"
#include "editor_fixture.h"
#include "platform/controls.h"

using platform::back_color;
using platform::form;
using platform::value;
namespace color = platform::color;

namespace {

using NewRecord = RecordFormTest;

TEST_F(NewRecord, OpensCleanWithTheAddCaptionsAndTheNamedCategoriesOnly) {
    new_record([this](Controls& c) {
        EXPECT_EQ(record().caption(), "Add New Record");
        EXPECT_FALSE(form<frmOVRA>().enabled());
        EXPECT_TRUE(c.Cmdmain->isHidden());
        EXPECT_TRUE(c.Opt1a->isChecked());
        EXPECT_FALSE(c.Opt2a->isEnabled());
        EXPECT_FALSE(c.sal1->isEnabled());
        EXPECT_EQ(back_color(c.sal2), color::kButtonFace);
        EXPECT_EQ(back_color(c.txtZip), color::kWhite);
        EXPECT_FALSE(c.txtlastname2->isEnabled());
        EXPECT_EQ(back_color(c.txtlastname2), color::kMenu);
        EXPECT_FALSE(c.Chkcat[1]->isHidden());
        EXPECT_EQ(c.Chkcat[1]->text(), "FAMILY");
        EXPECT_TRUE(c.Chkcat[2]->isHidden());
        EXPECT_EQ(c.Chkcat[3]->text(), "FRIENDS");
        EXPECT_TRUE(c.Chkcat[12]->isHidden());
        for (QPushButton* b : {c.cmdHEmail1, c.cmdHEmail2, c.cmdWEmail1, c.cmdWEmail2})
            EXPECT_TRUE(b->isHidden());
        // The form fits a 1280x800 screen.
        EXPECT_LE(record().widget()->height(), 770);
        EXPECT_LE(record().widget()->width(), 1280);
        // Typing starts at first name 1, then last name 1.
        auto next_stop = [](QWidget* w) {
            do w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || w->isHidden());
            return w->objectName().toStdString();
        };
        EXPECT_EQ(next_stop(c.TxtFirstName1), "txtLastName1");
        EXPECT_EQ(next_stop(c.txtLastName1), "TxtFirstName2");
        EXPECT_EQ(next_stop(c.txtZip), "TxtHomePhone");
    });
    EXPECT_TRUE(form<frmOVRA>().enabled());
    EXPECT_FALSE(record().is_loaded());
}

TEST_F(NewRecord, FamilyRowFollowsLastNameOneAndTheFamilyBox) {
    new_record([this](Controls& c) {
        type(c.txtLastName1, "smith");
        EXPECT_EQ(c.LblLastName->text(), "SMITH");

        struct Case {
            const char* last1;
            const char* last2;
            const char* shown;
        };
        const Case cases[] = {
            {"Smith", "Smith", "SMITH"},
            {"Smith", "Jones", "JONES-SMITH"},
            {"smith", "Smith", "SMITH-SMITH"},
            {"Smith", "", "SMITH"},  // one person: never "-SMITH"
        };
        type(c.TxtFirstName2, "mary");
        for (const Case& k : cases) {
            c.txtLastName1->setText(k.last1);
            c.txtlastname2->setText(k.last2);
            c.ChkFamilyLabel->click();
            EXPECT_EQ(c.LblLastName->text().toStdString(), k.shown) << k.last1 << "/" << k.last2;
            EXPECT_EQ(platform::left(c.Label9),
                      platform::left(c.LblLastName) + platform::width(c.LblLastName) + 50);
        }
        c.txtLastName1->setText(" ");
        c.txtlastname2->setText("Jones");
        c.LblLastName->setText("UNCHANGED");
        c.ChkFamilyLabel->click();
        EXPECT_EQ(c.LblLastName->text(), "UNCHANGED");
        c.txtLastName1->setText("");
        EXPECT_EQ(c.LblLastName->text(), "");
    });
}

TEST_F(NewRecord, SecondPersonBoxesFollowFirstNameTwo) {
    new_record([this](Controls& c) {
        QLineEdit* person2[] = {c.txtlastname2, c.TxtHomeEmail2, c.TxtWorkEmail2, c.TxtWorkPhone2,
                                c.TxtCellPhone2};
        // With "None" for person 1 the person-2 titles stay unavailable.
        type(c.TxtFirstName2, "m");
        for (QLineEdit* b : person2) {
            EXPECT_TRUE(b->isEnabled());
            EXPECT_EQ(back_color(b), color::kWhite);
        }
        EXPECT_TRUE(c.ChkHyphen->isEnabled());
        EXPECT_FALSE(c.Opt2a->isEnabled());
        click(c.Opt1b);
        EXPECT_TRUE(c.Opt2a->isEnabled());
        EXPECT_FALSE(c.Opt2a->isChecked());

        click(c.Opt2b);
        type(c.txtlastname2, "jones");
        click(c.ChkHyphen);
        click(c.Chkreverse);
        EXPECT_EQ(value(c.Chkreverse), 1);
        type(c.TxtWorkEmail2, "ann@example.org");
        // Deleting the last character takes person 2 out of use for now; nothing is lost yet.
        QTest::keyClick(c.TxtFirstName2, Qt::Key_Backspace);
        for (QLineEdit* b : person2) {
            EXPECT_FALSE(b->isEnabled());
            EXPECT_EQ(back_color(b), color::kMenu);
        }
        EXPECT_EQ(c.txtlastname2->text(), "jones");
        EXPECT_FALSE(c.ChkHyphen->isEnabled());
        EXPECT_FALSE(c.Chkreverse->isEnabled());
        EXPECT_FALSE(c.Opt2b->isEnabled());
        EXPECT_TRUE(c.Opt2b->isChecked());
        EXPECT_FALSE(c.sal2->isEnabled());
        // Retyping the name is a correction: everything of person 2 is still there.
        QTest::keyClicks(c.TxtFirstName2, "m");
        EXPECT_TRUE(c.Opt2b->isEnabled());
        EXPECT_TRUE(c.txtlastname2->isEnabled());
        EXPECT_EQ(c.txtlastname2->text(), "jones");
        EXPECT_EQ(c.TxtWorkEmail2->text(), "ann@example.org");
        EXPECT_EQ(value(c.ChkHyphen), 1);
        EXPECT_TRUE(c.Chkreverse->isEnabled());
        EXPECT_EQ(value(c.Chkreverse), 1);
        // Leaving the box empty takes person 2 away.
        QTest::keyClick(c.TxtFirstName2, Qt::Key_Backspace);
        emit c.TxtFirstName2->editingFinished();
        for (QLineEdit* b : person2) EXPECT_EQ(b->text(), "");
        EXPECT_EQ(value(c.ChkHyphen), 0);
        EXPECT_EQ(value(c.Chkreverse), 0);
        EXPECT_FALSE(c.sal2->isEnabled());
    });
}

TEST_F(NewRecord, TitleButtonsFollowTheirRules) {
    new_record([this](Controls& c) {
        // Person 1 titled while there is no person 2: person-2 titles greyed as unused.
        click(c.Opt1e);
        EXPECT_FALSE(c.Opt2a->isChecked());
        EXPECT_EQ(back_color(c.Opt2c), color::kMenu);
        EXPECT_EQ(back_color(c.sal2), color::kMenu);

        type(c.TxtFirstName2, "ann");
        click(c.Opt2b);
        click(c.Opt1f);
        EXPECT_TRUE(c.sal1->isEnabled());
        EXPECT_EQ(back_color(c.sal1), color::kWhite);
        EXPECT_TRUE(c.sal2->isEnabled());
        type(c.sal1, "reverend");
        EXPECT_EQ(c.sal1->text(), "reverend");
        click(c.Opt2e);
        EXPECT_EQ(back_color(c.sal2), color::kWhite);
        type(c.sal2, "prof.");
        click(c.Opt2b);
        EXPECT_FALSE(c.sal2->isEnabled());
        EXPECT_EQ(c.sal2->text(), "");
        EXPECT_EQ(back_color(c.sal2), color::kButtonFace);

        // Any other person-1 title empties the free text; None also clears person 2's choice.
        click(c.Opt1d);
        EXPECT_EQ(c.sal1->text(), "");
        EXPECT_FALSE(c.sal1->isEnabled());
        EXPECT_TRUE(c.Opt2b->isChecked());
        click(c.Opt1a);
        EXPECT_FALSE(c.Opt2b->isChecked());
        EXPECT_FALSE(c.Opt2a->isEnabled());
        click(c.Opt1e);
        for (auto* b : {c.Opt2a, c.Opt2b, c.Opt2c, c.Opt2d, c.Opt2e}) EXPECT_FALSE(b->isChecked());
    });
}

TEST_F(NewRecord, ChildrenDialogTidiesKeepsAndRestoresNames) {
    new_record([this](Controls& c) {
        children_dialog(c, [this](auto& d) {
            EXPECT_FALSE(d.Comsave->isHidden());
            type(d.Txtchild[2], "ann");
            type(d.Txtchild[4], "bob smith");
            click(d.Comsave);
        });
        EXPECT_EQ(record().chkchildren, 2);
        auto& d = form<Frmchildren>().ui();
        EXPECT_EQ(d.Txtchild[1]->text(), "ANN");
        EXPECT_EQ(d.Txtchild[2]->text(), "BOB SMITH");
        EXPECT_EQ(d.Txtchild[3]->text(), "");

        // Esc cancels: it puts back what the dialog showed when it opened, deleted names included.
        children_dialog(c, [this](auto& d) {
            EXPECT_EQ(d.Txtchild[2]->text(), "BOB SMITH");
            type(d.Txtchild[1], "");
            type(d.Txtchild[5], "zed");
            form<Frmchildren>().escape_key();
        });
        EXPECT_EQ(d.Txtchild[1]->text(), "ANN");
        EXPECT_EQ(d.Txtchild[5]->text(), "");
        EXPECT_EQ(record().chkchildren, 2);

        // Saving with every box empty gives no children.
        children_dialog(c, [this](auto& d) {
            for (int i = 1; i <= 6; ++i) d.Txtchild[i]->clear();
            click(d.Comsave);
        });
        EXPECT_EQ(record().chkchildren, 0);
        children_dialog(c, [this](auto& d) {
            type(d.Txtchild[1], "kim");
            click(d.Comsave);
        });
    });
    // The next new household starts without the children of the one cancelled.
    new_record([this](Controls& c) {
        children_dialog(c, [](auto& d) {
            for (int i = 1; i <= 6; ++i) {
                EXPECT_EQ(d.Txtchild[i]->text(), "");
                EXPECT_TRUE(d.Txtchild[i]->isEnabled());
            }
            d.Comcancel->click();
        });
    });
}

TEST_F(NewRecord, ViewOnlyChildrenShowExactlyTheNames) {
    struct Case {
        std::vector<const char*> names;
        int rows;
    };
    // How the window fits its rows is the windows' own test; here which rows show and how tight.
    const Case cases[] = {{{}, 1}, {{"A", "", "C"}, 3}};
    for (const Case& k : cases) {
        new_record([&](Controls& c) {
            record().chkchildren = int(k.names.size());
            c.Comsave->setText("");  // browsing
            c.Cmdchildren->setText("VIEW CHILDREN");
            for (int i = 1; i <= 6; ++i)
                form<Frmchildren>().ui().Txtchild[i]->setText(
                    i <= int(k.names.size()) ? k.names[i - 1] : "");
            children_dialog(c, [&](auto& d) {
                EXPECT_TRUE(d.Comsave->isHidden());
                for (int i = 1; i <= 6; ++i) EXPECT_EQ(d.Txtchild[i]->isHidden(), i > k.rows) << i;
                // CANCEL follows the last row shown and the window closes just below it, each
                // within one row's height.
                const QRect cancel = d.Comcancel->geometry();
                const int last = d.Txtchild[k.rows]->geometry().bottom();
                const int row = d.Txtchild[2]->y() - d.Txtchild[1]->y();
                EXPECT_GT(cancel.top(), last);
                EXPECT_LT(cancel.top() - last, row);
                EXPECT_LT(form<Frmchildren>().widget()->height() - cancel.bottom(), row);
                click(d.Comcancel);
            });
        });
    }
}

}  // namespace
