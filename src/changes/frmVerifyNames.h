#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <functional>

#include "platform/window.h"

namespace frmVerifyNames_ui {
struct Controls {
    QLabel* lblHeading = nullptr;
    QLabel* lblfirstname2 = nullptr;
    QLineEdit* txtlastname2 = nullptr;
    QLabel* lblSpouseHeading = nullptr;
    QLabel* lblfirstname1 = nullptr;
    QLineEdit* txtLastName1 = nullptr;
    QLabel* lbladdress1 = nullptr;
    QLineEdit* txtaddress1 = nullptr;
    QLabel* lblAddress2 = nullptr;
    QLineEdit* txtaddress2 = nullptr;
    QLabel* lblCity = nullptr;
    QLineEdit* txtCity = nullptr;
    QLabel* lblState = nullptr;
    QLineEdit* txtState = nullptr;
    QLabel* lblZip = nullptr;
    QLineEdit* txtZip = nullptr;
    QCheckBox* chkForeign = nullptr;
    QLabel* lblForeign = nullptr;
    QLabel* lblWarning = nullptr;
    QPushButton* cmdContinue = nullptr;
};
}  // namespace frmVerifyNames_ui

// Shows the names (and in one use the address) a household change is about to store and lets
// the user correct them. It closes itself only when everything shown is valid; its close box
// and Esc cancel the change instead.
class frmVerifyNames : public platform::Form<frmVerifyNames_ui::Controls> {
public:
    frmVerifyNames();

    // Client width, and the space below CONTINUE (twips).
    static constexpr int kWidth = 6480, kMargin = 315;

    // "GetAddress" for the switch of names, "RemoveName" for a removal.
    QString call_from_form;
    // Keys the change gives up, which it may therefore take again.
    QStringList free_keys;
    // For a removal: the keys the change will write, built from the boxes as they stand.
    std::function<QStringList()> keys_to_write;
    // Set when the user closed the dialog instead of continuing.
    bool cancelled = false;

    void cmdContinue_Click();
    void close_box() override;
    void escape_key() override { close_box(); }

protected:
    void build(QWidget* form, frmVerifyNames_ui::Controls& c) override;

private:
    void refuse(QWidget* box, const QString& message);
    // The first key of `keys` already held by another household (or twice in `keys`).
    QString taken_key(const QStringList& keys);

    bool error_flag_ = false;
    QString message_;
};
