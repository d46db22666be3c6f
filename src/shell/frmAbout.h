#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "platform/window.h"

namespace frmAbout_ui {
struct Controls {
    QLabel* picIcon = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
    std::array<QFrame*, 2> Line1{};
    QPushButton* cmdOK = nullptr;
};
}  // namespace frmAbout_ui

// The about box: name, description, the maker's web address, legal notice and version.
class frmAbout : public platform::Form<frmAbout_ui::Controls> {
public:
    frmAbout();

    void cmdOK_Click();
    // Starts the system information tool the registry names, or says it is unavailable.
    void StartSysInfo();
    // Reads one registry value as text; false and an empty value when it cannot be read.
    bool GetKeyValue(long KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal);

    // "Version major.minor.revision".
    static QString version_text(int major, int minor, int revision);

protected:
    void build(QWidget* form, frmAbout_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdOK; }
};
