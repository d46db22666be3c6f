#pragma once

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/window.h"

namespace frmSetUpPrinters_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* lstPrinters = nullptr;
    QComboBox* cmbPrinter = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* cmbLineNumber = nullptr;
    QPushButton* cmdComplete = nullptr;    // UPDATE
    QPushButton* cmdPrintSetUp = nullptr;  // PRINT SETUP
    QPushButton* cmdCancel = nullptr;      // EXIT
};
}  // namespace frmSetUpPrinters_ui

// Printer calibration: prints the calibration page and stores a line number per printer.
class frmSetUpPrinters : public platform::Form<frmSetUpPrinters_ui::Controls> {
public:
    frmSetUpPrinters();

    static const QString kInstructions;

    void cmdComplete_Click();
    void cmdPrintSetUp_Click();
    void cmdCancel_Click();

private:
    bool table_changed = false;

protected:
    void build(QWidget* form, frmSetUpPrinters_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }
};
