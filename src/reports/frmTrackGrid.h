#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <vector>

#include "common/tracking_file.h"
#include "platform/window.h"

namespace frmTrackGrid_ui {
struct Controls {
    QLabel* lblFileName = nullptr;
    QLabel* lblResponse = nullptr;
    QLabel* lblParty = nullptr;
    // Column 0 the row number, then name, number in party, response, phone; invitee k is
    // table row k - 1 (the headings are the table's header).
    QTableWidget* grdTrack = nullptr;
    QLineEdit* txtEditCell = nullptr;
    QPushButton* cmdAlter = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;
};
}  // namespace frmTrackGrid_ui

// The invitees of the open tracking report: answers and cells are changed through the edit
// box, invitees added through UPDATE, and CLOSE writes the report back.
class frmTrackGrid : public platform::Form<frmTrackGrid_ui::Controls> {
public:
    frmTrackGrid();

    // The invitees read from the report, set before the window loads.
    std::vector<common::tracking::InviteeRecord> invitees;

    void follow_current_cell();
    void txtEditCell_Change();
    void cmdAlter_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

    // Invitee k (from 1), as the grid shows it now.
    common::tracking::InviteeRecord invitee(int k);
    std::vector<common::tracking::InviteeRecord> grid_invitees();
    // Invitees + 1, as the heading row counts too.
    int row_count() const { return row_count_; }

protected:
    void build(QWidget* form, frmTrackGrid_ui::Controls& c) override;
    void Form_Load() override;

private:
    void set_row(int k, const common::tracking::InviteeRecord& invitee);

    int row_count_ = 1;
};
