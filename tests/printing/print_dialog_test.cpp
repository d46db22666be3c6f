// The print dialog driven as a user: its opening and the rules between its choices.
#include "print_dialog_fixture.h"

using platform::back_color;
using platform::form;
namespace color = platform::color;

namespace {

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}
// Every control is enabled or not as given, and every check box among them holds value
// (unless value is -1).
void expect_controls(std::initializer_list<QWidget*> controls, bool enabled, int value = -1) {
    for (QWidget* w : controls) {
        EXPECT_EQ(w->isEnabled(), enabled) << w->objectName().toStdString();
        if (auto* box = qobject_cast<QCheckBox*>(w); box && value >= 0) {
            EXPECT_EQ(platform::value(box), value) << w->objectName().toStdString();
        }
    }
}

TEST_F(PrintDialogTest, OpensWithTheUsersCategoriesPrintersAndHouseholdsAndCancels) {
    start_with(3, {"", "FRIENDS", "", "", "", "", "WORK", " "});
    in_dialog([this](Dialog& d) {
        EXPECT_EQ(main().print_flag, "Y");
        // Only named categories show a box, each in its own place; a blank name counts.
        for (int i = 1; i <= 12; ++i) {
            const bool named = i == 2 || i == 7 || i == 8;
            EXPECT_EQ(d.Check[i]->isVisible(), named) << i;
            EXPECT_TRUE(d.Check[i]->isEnabled()) << i;
            EXPECT_EQ(v(d.Check[i]), 0) << i;
        }
        EXPECT_EQ(d.Check[2]->text(), "FRIENDS");
        EXPECT_EQ(d.Check[8]->text(), " ");
        EXPECT_EQ(d.Check[7]->pos().y(), d.Check[8]->pos().y());

        EXPECT_TRUE(d.Optprint3->isChecked());
        EXPECT_TRUE(d.Option2->isChecked());
        EXPECT_TRUE(d.Option5->isChecked());
        EXPECT_TRUE(d.Frame2->isVisible());
        EXPECT_FALSE(d.Frame5->isVisible());
        EXPECT_FALSE(d.Frame7->isVisible());
        EXPECT_TRUE(d.Opt[1]->isChecked() && d.Opt[31]->isChecked() && d.Opt[45]->isChecked());
        expect_controls({d.Chkfamily, d.Chktitle, d.ChkResident, d.Chkchildsel, d.chkTrack}, true,
                        0);
        expect_controls({d.Chksingle, d.Chkchild, d.chkallrecs}, false);

        EXPECT_EQ(d.lstselection->count(), 3);
        EXPECT_EQ(d.lstselection->item(0)->text(), "SMITH, ANN1");
        EXPECT_FALSE(d.lstselection->isEnabled());
        EXPECT_EQ(back_color(d.lstselection), color::kMenu);
        EXPECT_EQ(items(d.cmbPrinter), (QStringList{"Office", "Lab", "PDF"}));
        EXPECT_EQ(d.cmbPrinter->currentText(), platform::printer().DeviceName());
        EXPECT_EQ(d.lblselwarning->text(), "");
        EXPECT_FALSE(d.lblflag->isVisible());
    });
    EXPECT_EQ(main().print_flag, "N");
    EXPECT_FALSE(dialog().is_loaded());

    // Esc and the close box cancel it.
    modals.on("frmprint", [](platform::Window& w) { w.escape_key(); });
    click(main().ui().Comprintrec);
    EXPECT_FALSE(dialog().is_loaded());
    modals.on("frmprint", [](platform::Window& w) { w.close_box(); });
    main().ui().MnuFilePrint->trigger();
    EXPECT_FALSE(dialog().is_loaded());
    EXPECT_EQ(main().print_flag, "N");

    // Without printer queues the PDF device is chosen.
    platform::printer().set_installed_queues(QStringList{});
    in_dialog([](Dialog& d) {
        EXPECT_EQ(items(d.cmbPrinter), QStringList{"PDF"});
        EXPECT_EQ(d.cmbPrinter->currentText(), "PDF");
    });
}

TEST_F(PrintDialogTest, AnEmptyAddressBookOffersOnlyReturnLabels) {
    start_with(0);
    in_dialog([this](Dialog& d) {
        EXPECT_TRUE(d.Optprint4->isChecked());
        EXPECT_EQ(d.lstselection->count(), 0);
        expect_controls(
            {d.optprint1, d.Optprint2, d.Optprint3, d.chkallrecs, d.Option1, d.Option2, d.Option3,
             d.Option4, d.Option5, d.Option6, d.Option7, d.Chkchildsel, d.chkTrack, d.Chkfamily,
             d.Chktitle, d.ChkResident, d.Chksingle, d.Chkchild},
            false);
        for (int i = 1; i <= 12; ++i) EXPECT_FALSE(d.Check[i]->isEnabled());
        for (int i = 1; i <= 54; ++i) EXPECT_FALSE(d.Opt[i]->isChecked());
        EXPECT_TRUE(d.Frame2->isVisible());
        EXPECT_TRUE(d.comprint->isEnabled() && d.Comcancel->isEnabled() &&
                    d.cmbPrinter->isEnabled());
        // Mailing labels without households could only be typed by hand.
        d.Optprint3->setChecked(true);
        EXPECT_TRUE(d.Option4->isChecked());
        EXPECT_FALSE(d.ChkResident->isEnabled());
    });
    EXPECT_EQ(main().print_flag, "N");
}

TEST_F(PrintDialogTest, ResidentStaysOffWhileAnOptionThatExcludesItIsTicked) {
    start_with(2);
    in_dialog([this](Dialog& d) {
        click(d.Chkfamily);
        EXPECT_FALSE(d.ChkResident->isEnabled());
        click(d.Chktitle);
        click(d.Chkfamily);
        EXPECT_FALSE(d.ChkResident->isEnabled()) << "TITLE is still ticked";
        click(d.Chktitle);
        EXPECT_TRUE(d.ChkResident->isEnabled());

        // RESIDENT under By Category clears and locks the family options, ChildPrint and Track.
        click(d.ChkResident);
        expect_controls({d.Chkfamily, d.Chktitle, d.Chkchildsel, d.chkTrack}, false, 0);
        click(d.ChkResident);
        expect_controls({d.Chkfamily, d.Chktitle, d.Chkchildsel, d.chkTrack}, true, 0);

        // Under Selected Printing, SinglePrint keeps RESIDENT off when 'THE FAMILY' is unticked.
        click(d.Option3);
        click(d.Chksingle);
        click(d.Chkfamily);
        click(d.Chkfamily);
        EXPECT_FALSE(d.ChkResident->isEnabled());
        click(d.Chksingle);
        EXPECT_TRUE(d.ChkResident->isEnabled());
        click(d.ChkResident);
        EXPECT_FALSE(d.Chksingle->isEnabled());
        EXPECT_FALSE(d.Chkchild->isEnabled());
        // By Category chosen while RESIDENT is ticked keeps ChildPrint and Track off.
        click(d.Option2);
        expect_controls({d.Chkchildsel, d.chkTrack}, false, 0);
        click(d.ChkResident);
        expect_controls({d.Chkchildsel, d.chkTrack}, true);

        // Track and ChildPrint keep RESIDENT off until both are unticked.
        click(d.chkTrack);
        EXPECT_FALSE(d.ChkResident->isEnabled());
        click(d.Chkchildsel);
        click(d.chkTrack);
        EXPECT_FALSE(d.ChkResident->isEnabled()) << "ChildPrint is still ticked";
        click(d.Chkchildsel);
        EXPECT_TRUE(d.ChkResident->isEnabled());

        click(d.Chktitle);
        click(d.chkTrack);
        click(d.chkTrack);
        EXPECT_FALSE(d.ChkResident->isEnabled()) << "TITLE is still ticked";
    });
}

TEST_F(PrintDialogTest, SheetsShowTheirPickerAndSetTrack) {
    start_with(2);
    in_dialog([this](Dialog& d) {
        click(d.Option6);
        EXPECT_TRUE(d.Frame5->isVisible());
        EXPECT_FALSE(d.Frame2->isVisible() || d.Frame7->isVisible());
        EXPECT_EQ(v(d.chkTrack), 1) << "invitations under By Category are tracked";
        EXPECT_FALSE(d.ChkResident->isEnabled());
        click(d.Opt[36]);
        EXPECT_FALSE(d.Opt[31]->isChecked());
        EXPECT_TRUE(d.Opt[1]->isChecked()) << "each sheet keeps its own position";

        click(d.Option7);
        EXPECT_TRUE(d.Frame7->isVisible());
        EXPECT_EQ(v(d.chkTrack), 1) << "Shipping leaves Track as it was";
        click(d.Opt[48]);
        click(d.Option6);
        click(d.Option7);
        EXPECT_TRUE(d.Opt[45]->isChecked()) << "Shipping starts at its first label";
        EXPECT_FALSE(d.Opt[48]->isChecked());

        click(d.Option5);
        EXPECT_EQ(v(d.chkTrack), 0);
        EXPECT_TRUE(d.ChkResident->isEnabled());

        // RESIDENT and Track are never ticked together.
        click(d.ChkResident);
        click(d.Option6);
        EXPECT_EQ(v(d.chkTrack), 0);
        EXPECT_EQ(v(d.ChkResident), 1);

        // By Category chosen on the Invite sheet ticks Track too.
        click(d.ChkResident);
        click(d.Option1);
        EXPECT_EQ(v(d.chkTrack), 0);
        click(d.Option2);
        EXPECT_EQ(v(d.chkTrack), 1);
        // ... and so does coming back to mailing labels from another output type.
        click(d.optprint1);
        EXPECT_EQ(v(d.chkTrack), 0);
        click(d.Optprint3);
        EXPECT_EQ(v(d.chkTrack), 1);
    });
}

TEST_F(PrintDialogTest, OutputTypesSwitchTheRecordChoiceAndThePickers) {
    start_with(4);
    in_dialog([this](Dialog& d) {
        click(d.Option4);
        EXPECT_FALSE(d.Chkfamily->isEnabled());
        click(d.optprint1);
        EXPECT_TRUE(d.Option3->isChecked()) << "QuickPrint gives way to Selected Printing";
        EXPECT_TRUE(d.lstselection->isEnabled());
        EXPECT_EQ(back_color(d.lstselection), color::kWindow);
        EXPECT_TRUE(d.chkallrecs->isEnabled());
        expect_controls({d.Option4, d.Option5, d.Option6, d.Option7, d.Chkfamily}, false);
        for (int i = 1; i <= 54; ++i) {
            EXPECT_FALSE(d.Opt[i]->isChecked()) << i;
            EXPECT_FALSE(d.Opt[i]->isEnabled()) << i;
        }
        EXPECT_EQ(back_color(d.Frame2), color::kButtonFace);

        click(d.chkallrecs);
        click(d.Optprint2);
        EXPECT_FALSE(d.chkallrecs->isEnabled());
        EXPECT_EQ(v(d.chkallrecs), 0);

        // Selected lines survive changes between phone list, address book and labels.
        select_lines(d.lstselection, {0, 2});
        click(d.optprint1);
        click(d.Optprint3);
        EXPECT_EQ(selected_lines(d.lstselection), 2);
        EXPECT_TRUE(d.Opt[1]->isChecked() && d.Opt[31]->isChecked() && d.Opt[45]->isChecked());
        EXPECT_EQ(back_color(d.Frame2), color::kWindow);
        EXPECT_TRUE(d.Chksingle->isEnabled() && d.Chkchild->isEnabled());

        click(d.Optprint4);
        EXPECT_EQ(selected_lines(d.lstselection), 0);
        EXPECT_EQ(back_color(d.lstselection), color::kButtonFace);
        EXPECT_FALSE(d.lstselection->isEnabled());
        expect_controls({d.Option1, d.Option2, d.Option3, d.Option4, d.Option5}, false);

        // Every other record choice drops the selection.
        for (platform::OptionButton* choice : {d.Option1, d.Option2, d.Option4}) {
            click(d.Optprint3);
            click(d.Option3);
            select_lines(d.lstselection, {1, 3});
            click(choice);
            EXPECT_EQ(selected_lines(d.lstselection), 0) << choice->objectName().toStdString();
            EXPECT_FALSE(d.lstselection->isEnabled());
        }

        // Options of labels stay off for other output types, whatever was ticked before.
        click(d.Option2);
        click(d.ChkResident);
        click(d.Optprint4);
        expect_controls({d.Chkchildsel, d.chkTrack}, false);
        click(d.Optprint3);
        click(d.Chkchildsel);
        click(d.optprint1);
        EXPECT_FALSE(d.ChkResident->isEnabled());
        EXPECT_EQ(v(d.Chkchildsel), 0);
    });
}

TEST_F(PrintDialogTest, CategoryBoxesFollowTheRecordChoice) {
    start_with(2, {"FRIENDS", "", "WORK"});
    in_dialog([this](Dialog& d) {
        click(d.Check[3]);
        click(d.Option3);
        EXPECT_EQ(v(d.Check[3]), 0);
        EXPECT_FALSE(d.Check[3]->isEnabled());
        click(d.Option2);
        EXPECT_TRUE(d.Check[1]->isEnabled());
        EXPECT_FALSE(d.Check[2]->isEnabled()) << "an unnamed category stays off";
        EXPECT_FALSE(d.Check[2]->isVisible());
        click(d.Check[1]);
        click(d.optprint1);
        EXPECT_EQ(v(d.Check[1]), 1) << "the phone list prints the same categories";
        EXPECT_FALSE(d.Check[2]->isVisible());

        // All Records clears them, and on labels frees the name options QuickPrint locked.
        click(d.Optprint3);
        click(d.Option1);
        EXPECT_EQ(v(d.Check[1]), 0);
        click(d.Option4);
        click(d.Option1);
        expect_controls({d.Chkfamily, d.Chktitle, d.ChkResident}, true);
    });
}

}  // namespace
