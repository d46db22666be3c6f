#include "modCategory_setup.h"

#include "common/settings.h"
#include "common/tracking_file.h"
#include "common/vbstring.h"
#include "frmOVRA.h"
#include "frmdatabase.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/errors.h"

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
    main.set_tracking_item(main.Trackfile != 0);
    main.set_record_items(main.record_count_shown() != 0);
}

bool recount_categories(std::array<int, 13>& catcount) {
    if (!Data1().is_open()) return false;
    // A damaged address book cannot be counted whole: the counts stay as they were.
    std::array<int, 13> counted{};
    const bool read = platform::resume_next([&] {
        platform::Transaction recount(Data1());
        // Children flags left by an earlier build or by hand heal with the counts, so every list
        // may go by the flag. One that can only be read keeps its flags.
        if (!Data1().read_only()) heal_children_flags();
        counted = count_category_members();
        recount.commit();
    });
    if (!read) return false;
    if (counted == catcount) return false;
    catcount = counted;
    return true;
}

bool recount_tracking_reports(int& Trackfile) {
    const int on_disk =
        int(common::tracking::report_files(platform::App::current().folder()).size());
    if (on_disk == Trackfile) return false;
    Trackfile = on_disk;
    return true;
}

void report_damaged_settings() {
    common::report_damaged_file(
        platform::App::current().path(QStringLiteral("storefile.ovr")),
        QStringLiteral("settings file"),
        QStringLiteral("What could not be read (category names, return-label lines) starts "
                       "empty; the category counts are taken from the address book and the "
                       "number of tracking reports from the program folder."),
        QStringLiteral("Settings File Damaged"));
}

}  // namespace modCategory_setup
