// The main window's printer calibration command.
#include "frmSetUpPrinters.h"
#include "platform/application.h"
#include "shell/frmOVRA.h"

void frmOVRA::mnuSetupPrinters_Click() {
    auto& setup = platform::form<frmSetUpPrinters>();
    setup.set_help_context_id(8080);
    setup.show_modal();
}
