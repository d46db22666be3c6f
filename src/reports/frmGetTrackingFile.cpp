#include "frmGetTrackingFile.h"

#include "common/tracking_file.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "shell/frmOVRA.h"

using platform::form;

frmGetTrackingFile::frmGetTrackingFile() : Form(QStringLiteral("frmGetTrackingFile")) {}

void frmGetTrackingFile::build(QWidget* w, frmGetTrackingFile_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Tracking Reports"));
    platform::set_client_size(w, 4800, 4560);
    c.lblHeading = platform::make_label(w, "lblHeading", QStringLiteral("CHOOSE TRACKING REPORT"),
                                        0, 180, 4800, 375);
    c.lblHeading->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    c.lblHeading->setAlignment(Qt::AlignCenter);
    c.filGetTracking = new QListWidget(w);
    c.filGetTracking->setObjectName(QStringLiteral("filGetTracking"));
    platform::place(c.filGetTracking, 480, 720, 3840, 2775);
    c.cmdChoose =
        platform::make_button(w, "cmdChoose", QStringLiteral("GET REPORT"), 600, 3780, 1575, 495);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 2625, 3780, 1575, 495);
    c.cmdChoose->setDefault(true);
    platform::on_click(c.cmdChoose, [this] { cmdChoose_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
    QObject::connect(c.filGetTracking, &QListWidget::itemDoubleClicked, w, [this] {
        platform::guarded(QStringLiteral("filGetTracking_DblClick"),
                          [this] { filGetTracking_DblClick(); });
    });
}

void frmGetTrackingFile::set_path(const QString& folder) {
    auto* list = ui().filGetTracking;
    list->clear();
    list->addItems(common::tracking::report_files(folder));
}

void frmGetTrackingFile::cmdChoose_Click() {
    const auto items = ui().filGetTracking->selectedItems();
    form<frmOVRA>().filename = items.isEmpty() ? QString() : items.first()->text();
    unload();
}

void frmGetTrackingFile::filGetTracking_DblClick() {
    cmdChoose_Click();
}

void frmGetTrackingFile::cmdCancel_Click() {
    form<frmOVRA>().filename = QStringLiteral(" ");
    unload();
}
