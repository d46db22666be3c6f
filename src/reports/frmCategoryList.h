#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "lookup/record_list.h"
#include "platform/window.h"

namespace frmCategoryList_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QLabel* lblCategory = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmCategoryList_ui

// Every household of one category by display name, sorted, and its printout.
class frmCategoryList : public platform::Form<frmCategoryList_ui::Controls> {
public:
    frmCategoryList();

    QString category_number;  // "1".."12", set before the window loads

    void count_records();
    void list_category_records();
    void cmdPrint_Click();
    void cmdCancel_Click();

protected:
    void build(QWidget* form, frmCategoryList_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }

private:
    void list_current_row();

    int record_total_ = 0;
    std::vector<RecordLine> lines_;
};
