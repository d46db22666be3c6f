#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "platform/window.h"

namespace FrmHeadingCreate_ui {
struct Controls {
    std::array<QLineEdit*, 13> Text{};  // Text(1)..Text(12)
    QPushButton* Command1 = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* Label1 = nullptr;
};
}  // namespace FrmHeadingCreate_ui

// The category names editor. Its twelve boxes are also the store other windows read the
// current category names from: box i holds the name of category i.
class FrmHeadingCreate : public platform::Form<FrmHeadingCreate_ui::Controls> {
public:
    FrmHeadingCreate();

    void Command1_Click();
    void cmdCancel_Click();
    void check_categories_in_use();
    void uppercase_next_heading();

    int heading_index = 0;
    int blank_count = 0;
    QString in_use_flag;

protected:
    void build(QWidget* form, FrmHeadingCreate_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }

private:
    void redraw_category_rows();
};

// The name of category n as the category-name store holds it (loads the store when needed).
QString category_name(int n);
