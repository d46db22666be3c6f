// The print dialog's mailing labels, as a user prints them: load prompt, too-long list, count.
#include "print_dialog_fixture.h"
#include "printing/FrmInvalid.h"

using platform::form;

namespace {

constexpr int kLoadStyle = platform::vbOKCancel + platform::vbExclamation;

class MailingLabels : public PrintDialogTest {};

TEST_F(MailingLabels, PrintsTheLabelsListsTheTooLongOneAndCountsWhatPrinted) {
    store_household(household("WORTHINGTONSMYTHEBARTHOLOMEW", "ALEXANDERJONATHAN"));
    start_with(3);
    auto& rec = platform::use_print_recorder();
    form<FrmInvalid>().add_entry("LEFT FROM AN EARLIER USE");
    in_dialog([this](Dialog& d) {
        click(d.Optprint3);
        click(d.Option1);
        click(d.Option5);
        msgs.expect("LOAD AVERY 5160 LABELS INTO PRINTER", platform::vbOK, kLoadStyle,
                    "LOAD LABELS");
        modals.on("FrmInvalid", [](platform::Window& w) {
            auto& list = static_cast<FrmInvalid&>(w);
            EXPECT_EQ(list.entries(),
                      QStringList({"", "       ALEXANDERJONATHAN WORTHINGTONSMYTHEBARTHOLOMEW",
                                   "1 MAIN ST", "SPRINGFIELD, IL 62701", ""}));
            click(list.ui().Command2);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 3 OF 4 LABELS");
        EXPECT_TRUE(d.comprint->isEnabled() && d.Comcancel->isEnabled());

        // Cancelling the load prompt prints nothing.
        msgs.expect("LOAD AVERY 5160 LABELS INTO PRINTER", platform::vbCancel, kLoadStyle,
                    "LOAD LABELS");
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINT CANCELLED");
    });
    ASSERT_EQ(rec.jobs.size(), 1u);
    QStringList printed;
    for (const auto& t : rec.job_texts(0))
        if (!t.text.isEmpty()) printed << t.text;
    EXPECT_TRUE(printed.contains("ANN1 SMITH"));
    EXPECT_TRUE(printed.contains("CARL1 SMITH"));
    EXPECT_FALSE(printed.join(' ').contains("WORTHINGTON"));
}

}  // namespace
