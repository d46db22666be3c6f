// Times filling the record picker for 1,000, 10,000 and 100,000 households, and opening one
// household for editing. Run: build/bench/bench_record_list [n ...]
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "common/schema.h"
#include "editor/frmAddressRecord.h"
#include "household_generator.h"
#include "lookup/FrmGetAddress.h"
#include "platform/application.h"
#include "shell/frmOVRA.h"
#include "shell/frmSplash.h"

using platform::form;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(atoi(argv[i]));
    if (sizes.empty()) sizes = {1000, 10000, 100000};

    std::printf("%10s %12s %14s %14s\n", "households", "generate ms", "fill list ms", "open one ms");
    for (int n : sizes) {
        QTemporaryDir dir;
        const QString db = dir.filePath("ovra.mdb");
        common::schema::create_database(db);
        QElapsedTimer clock;
        clock.start();
        generate_households(db, n);
        const qint64 generate = clock.elapsed();

        platform::App app(dir.path());
        app.set_quit_on_end(false);
        app.set_modal_hook([](platform::Window& w) { w.hide(); });
        form<frmSplash>().load();
        form<frmSplash>().tmrSplash_Timer();

        auto& picker = form<FrmGetAddress>();
        picker.set_caption(QStringLiteral("Edit Record"));
        picker.ui().ComGetAddress->setText(QStringLiteral("Retrieve Record To Edit"));
        clock.restart();
        form<frmOVRA>().load_record_list();
        const qint64 fill = clock.elapsed();

        picker.ui().LstGetAddress1->setCurrentRow(picker.ui().LstGetAddress1->count() / 2);
        clock.restart();
        picker.format_keyname();
        picker.get_record();
        picker.edit_record();
        const qint64 open = clock.elapsed();
        std::printf("%10d %12lld %14lld %14lld\n", form<frmOVRA>().records_found, generate, fill, open);
    }
    return 0;
}
