#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QIODevice>
#include <QLabel>
#include <QPushButton>
#include <QVariant>
#include <array>

#include "platform/controls.h"
#include "platform/window.h"

namespace frmExport_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QLabel* lblStatus = nullptr;
    QGroupBox* Frame1 = nullptr;
    platform::OptionButton* optAll = nullptr;
    platform::OptionButton* OptCategory = nullptr;
    std::array<QCheckBox*, 13> Check{};  // Check(1)..Check(12)
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmExport_ui

// The export window: writes every household, or those of the ticked categories, to a text
// file of one header record and one record of thirty-two items per household.
class frmExport : public platform::Form<frmExport_ui::Controls> {
public:
    frmExport();

    void optAll_Click();
    void OptCategory_Click();
    void cmdExport_Click();
    void cmdCancel_Click();

    // Writes the whole export to out: the header, then the households in the household table's
    // walk order. Returns the number of households written.
    int write_export(QIODevice& out);
    // The record of the cursor's current household, or nothing when the filter leaves it out.
    void export_record(QIODevice& out);

protected:
    void build(QWidget* form, frmExport_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }

private:
    // Which categories the run takes; all households when by_category is false.
    bool by_category_ = false;
    std::array<bool, 13> ticked_{};
    // The side rows of the run by key: child1..child6, and address1..fax of the second address.
    using SideItems = std::array<QVariant, 7>;
    QHash<QString, SideItems> children_;
    QHash<QString, SideItems> addresses_;
};
