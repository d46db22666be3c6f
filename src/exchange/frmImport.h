#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <memory>

#include "common/text_records.h"
#include "platform/window.h"

namespace frmImport_ui {
struct Controls {
    QLabel* lblHeading = nullptr;
    std::array<QLabel*, 49> LblImport{};        // [1]..[48]
    std::array<QPushButton*, 49> cmdField{};    // [1]..[48]
    std::array<QPushButton*, 33> cmdColumn{};   // [1]..[32]
    std::array<QLineEdit*, 33> txtSelection{};  // [1]..[32]
    QListWidget* lstFirstLine = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdProceed = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmImport_ui

// The import window: shows the first record of the chosen file, maps its columns onto the
// household fields and turns every record into a household through the record form.
class frmImport : public platform::Form<frmImport_ui::Controls> {
public:
    static constexpr int kMaxColumns = 48;
    // The household fields a column can be mapped onto; a file's further columns go unused.
    static constexpr int kBoxes = 32;

    frmImport();

    QString filename;
    int fieldfinder = 0;
    bool EOF_ = true;
    bool blDuplicateFlag = false;

    // Households and lines left out of the last run, each with its line number and reason.
    QStringList refused;

    void open_import_file();
    void read_import_line();
    void cmdField_Click(int index);
    void cmdColumn_Click(int index);
    void cmdProceed_Click();
    void cmdCancel_Click();
    void import_record();

    // The mapping checks; true when every one passes.
    bool check_mapping();

protected:
    void build(QWidget* form, frmImport_ui::Controls& c) override;
    void Form_Load() override;
    void Form_Unload() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }

private:
    void show_fields();
    void close_import_file();
    void refuse(const QString& name, const QString& reason);
    // The value the mapping gives household field box (1..32).
    const QString& mapped(int box) const;
    void run_import();
    void show_refused(const QString& heading);

    std::array<QString, kMaxColumns + 1> import_fields{};
    std::array<int, kBoxes + 1> columns_{};
    int chosen_column = 0;
    std::unique_ptr<common::text_records::RecordReader> reader_;
    common::text_records::Record record_;
    int refused_other_ = 0;
};
