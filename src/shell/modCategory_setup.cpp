#include "modCategory_setup.h"

#include "common/vbstring.h"
#include "frmOVRA.h"
#include "platform/application.h"

namespace modCategory_setup {

void set_up_categories() {
    auto& main = platform::form<frmOVRA>();
    auto& c = main.ui();
    for (int n = 1; n <= 12; ++n) {
        const QString& name = main.heading[n];
        c.Label[n]->setText(name);
        const bool named = !common::is_blank(name);
        c.lblcatcount[n]->setText(named ? QString::number(main.catcount[n]) : QString());
        c.cmdButton[n]->setVisible(named);
        c.Label_equals[n]->setVisible(named);
    }
    c.mnuTrackingReports->setEnabled(main.Trackfile != 0);
    main.set_record_items(main.record_count_shown() != 0);
}

}  // namespace modCategory_setup
