#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include "platform/window.h"

namespace FrmInvalid_ui {
struct Controls {
    QLabel* lblHeading = nullptr;
    QListWidget* LstInvalid = nullptr;
    QPushButton* Command1 = nullptr;  // PRINT
    QPushButton* Command2 = nullptr;  // CLOSE WINDOW
};
}  // namespace FrmInvalid_ui

// The list of labels that did not print (the import reuses it for duplicate records). Its list
// belongs to one use: the run that shows it calls clear_list() first.
class FrmInvalid : public platform::Form<FrmInvalid_ui::Controls> {
public:
    FrmInvalid();

    static inline const QString kLabelsHeading = QStringLiteral(" LABELS NOT PRINTED");

    // Empties the list and gives it the design heading (loads the window, hidden).
    void clear_list();
    void add_entry(const QString& entry);
    // The heading of the current use, e.g. "DUPLICATE RECORDS"; the title follows it.
    void set_heading(const QString& heading);
    QStringList entries();

    // Prints the list on the current printer, then unloads. A printer error is shown and the
    // window stays, with its list.
    void Command1_Click();
    void Command2_Click();

    // The printed heading of the current use.
    QString printed_heading();
    // Prints heading and entries as one job (raises VbError on a printer error).
    void print_list();

protected:
    void build(QWidget* form, FrmInvalid_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().Command2; }
};
