#include "frmTrackGrid.h"

#include <QHeaderView>

#include "frmTrackSetup.h"
#include "frmTrackUpdate.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "shell/frmOVRA.h"
#include "tracking_dates.h"

using common::tracking::InviteeRecord;
using platform::form;

namespace {

constexpr int kColumns = 5;
const int kWidths[kColumns] = {600, 5000, 600, 600, 1200};
const Qt::Alignment kAlign[kColumns] = {Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter,
                                        Qt::AlignCenter, Qt::AlignCenter, Qt::AlignCenter};

bool is_answer(const QString& text) {
    return text == QLatin1String("y") || text == QLatin1String("n") || text == QLatin1String("Y") ||
           text == QLatin1String("N");
}

}  // namespace

frmTrackGrid::frmTrackGrid() : Form(QStringLiteral("frmTrackGrid")) {}

void frmTrackGrid::build(QWidget* w, frmTrackGrid_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Tracking Report"));
    platform::set_client_size(w, 9000, 7440);
    c.lblFileName = platform::make_label(w, "lblFileName", QString(), 240, 120, 8520, 375);
    c.lblFileName->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    c.lblFileName->setAlignment(Qt::AlignCenter);
    const QFont bold(QStringLiteral("Arial"), 9, QFont::Bold);
    platform::make_caption(w, QStringLiteral("Response Date:"), 240, 600, 1680)->setFont(bold);
    c.lblResponse = platform::make_label(w, "lblResponse", QString(), 2040, 600, 1800, 315);
    platform::make_caption(w, QStringLiteral("Event Date:"), 4320, 600, 1680)->setFont(bold);
    c.lblParty = platform::make_label(w, "lblParty", QString(), 6120, 600, 1800, 315);

    c.grdTrack = new QTableWidget(w);
    c.grdTrack->setObjectName(QStringLiteral("grdTrack"));
    platform::place(c.grdTrack, 240, 1080, 8520, 5040);
    c.grdTrack->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.grdTrack->setSelectionMode(QAbstractItemView::SingleSelection);
    c.grdTrack->verticalHeader()->hide();
    // The grid's small font keeps a whole phone number inside its 1200-twip column.
    c.grdTrack->setFont(QFont(QStringLiteral("Arial"), 8));
    c.grdTrack->verticalHeader()->setDefaultSectionSize(platform::tw(285));
    c.grdTrack->horizontalHeader()->setHighlightSections(false);
    c.txtEditCell = platform::make_text(w, "txtEditCell", 0, 240, 6180, 8520, 315);

    c.cmdAlter =
        platform::make_button(w, "cmdAlter", QStringLiteral("UPDATE"), 1560, 6720, 1575, 495);
    c.cmdPrint =
        platform::make_button(w, "cmdPrint", QStringLiteral("PRINT"), 3720, 6720, 1575, 495);
    c.cmdClose =
        platform::make_button(w, "cmdClose", QStringLiteral("CLOSE"), 5880, 6720, 1575, 495);

    QObject::connect(c.grdTrack, &QTableWidget::currentCellChanged, w, [this] {
        platform::guarded(QStringLiteral("follow_current_cell"), [this] { follow_current_cell(); });
    });
    platform::on_change(c.txtEditCell, [this] { txtEditCell_Change(); });
    platform::on_click(c.cmdAlter, [this] { cmdAlter_Click(); });
    platform::on_click(c.cmdPrint, [this] { cmdPrint_Click(); });
    platform::on_click(c.cmdClose, [this] { cmdClose_Click(); });
}

void frmTrackGrid::set_row(int k, const InviteeRecord& invitee) {
    auto* grid = ui().grdTrack;
    const QString texts[kColumns] = {QString::number(k), invitee.name, invitee.number,
                                     invitee.response, invitee.phone};
    for (int col = 0; col < kColumns; ++col) {
        auto* item = new QTableWidgetItem(texts[col]);
        item->setTextAlignment(kAlign[col]);
        if (col == 0) item->setFlags(Qt::ItemIsEnabled);
        grid->setItem(k - 1, col, item);
    }
}

void frmTrackGrid::Form_Load() {
    auto* grid = ui().grdTrack;
    row_count_ = int(invitees.size()) + 1;
    grid->setColumnCount(kColumns);
    grid->setRowCount(row_count_ - 1);
    grid->setHorizontalHeaderLabels(
        QStringLiteral("|Guests Names|#|Y/N|Phone").split(QLatin1Char('|')));
    for (int col = 0; col < kColumns; ++col) {
        grid->horizontalHeaderItem(col)->setTextAlignment(kAlign[col]);
        grid->setColumnWidth(col, platform::tw(kWidths[col]));
    }
    for (int k = 1; k < row_count_; ++k) set_row(k, invitees[size_t(k - 1)]);
    invitees.clear();
    // Start on the first name, with the edit box showing what it edits.
    if (row_count_ > 1) grid->setCurrentCell(0, 1);
}

void frmTrackGrid::follow_current_cell() {
    auto& c = ui();
    const auto* item = c.grdTrack->currentItem();
    c.txtEditCell->setText(item ? item->text() : QString());
}

void frmTrackGrid::txtEditCell_Change() {
    auto& c = ui();
    QTableWidgetItem* item = c.grdTrack->currentItem();
    if (!item) return;
    const QString e = c.txtEditCell->text();
    switch (item->column()) {
        case 0:
            return;
        case 3:
            if (is_answer(e)) item->setText(e.toUpper());
            return;
        default:
            if (e != item->text()) item->setText(e.toUpper());
    }
}

InviteeRecord frmTrackGrid::invitee(int k) {
    auto* grid = ui().grdTrack;
    auto text = [&](int col) {
        const auto* item = grid->item(k - 1, col);
        return item ? item->text() : QString();
    };
    return {text(1), text(2), text(3), text(4)};
}

std::vector<InviteeRecord> frmTrackGrid::grid_invitees() {
    std::vector<InviteeRecord> out;
    for (int k = 1; k < row_count_; ++k) out.push_back(invitee(k));
    return out;
}

void frmTrackGrid::cmdAlter_Click() {
    auto& entry = form<frmTrackUpdate>();
    entry.set_help_context_id(8250);
    entry.show_modal();
    if (entry.blSubmit) {
        const auto& main = form<frmOVRA>();
        auto& c = ui();
        c.lblParty->setText(reports::short_date(main.Party_Date));
        c.lblResponse->setText(reports::short_date(main.Response_Date));
        auto& e = entry.ui();
        if (!e.txtName->text().isEmpty()) {
            const int n = row_count_;
            ++row_count_;
            c.grdTrack->setRowCount(row_count_ - 1);
            set_row(n, {e.txtName->text().toUpper(), e.txtNumber->text(), QStringLiteral("?"),
                        e.txtPhone->text()});
        }
    }
    entry.unload();
}

void frmTrackGrid::cmdPrint_Click() {
    auto& setup = form<frmTrackSetup>();
    setup.set_help_context_id(8070);
    setup.show_modal();
}

void frmTrackGrid::cmdClose_Click() {
    auto& main = form<frmOVRA>();
    common::tracking::TrackingReport report;
    report.header = {row_count_ - 1, main.trackfilename, main.Response_Date, main.Party_Date};
    report.invitees = grid_invitees();
    try {
        common::tracking::write_report(platform::App::current().path(main.filename), report,
                                       common::tracking::PartyNumber::Quoted);
    } catch (const platform::VbError& e) {
        // The grid stays open with every change, so nothing typed is lost.
        platform::msgbox(
            QStringLiteral("THE TRACKING REPORT COULD NOT BE SAVED\n%1").arg(e.description()),
            platform::vbExclamation, QStringLiteral("File Error"));
        return;
    }
    main.RecordCount = row_count_ - 1;
    unload();
}
