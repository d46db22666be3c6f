#pragma once

#include <QLabel>
#include <QTimer>
#include <array>

#include "platform/window.h"

namespace frmSplash_ui {
struct Controls {
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QTimer* tmrSplash = nullptr;
};
}  // namespace frmSplash_ui

// The first window: refuses a second copy, then after three seconds opens the database, reads
// the settings file and shows the main window.
class frmSplash : public platform::Form<frmSplash_ui::Controls> {
public:
    frmSplash();

    int totalrecords = 0;
    std::array<QString, 13> heading{};
    std::array<int, 13> catcount{};
    std::array<QString, 4> ReturnLabel{};
    int Trackfile = 0;
    int lblrecnum = 0;

    void tmrSplash_Timer();

protected:
    void build(QWidget* form, frmSplash_ui::Controls& c) override;
    void Form_Load() override;

private:
    void open_database();
};
