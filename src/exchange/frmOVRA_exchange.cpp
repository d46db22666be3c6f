// The main window's import and export commands.
#include "exchange/frmExport.h"
#include "exchange/frmImport.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/file_dialog.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"

using platform::form;

void frmOVRA::mnuImport_Click() {
    if (!address_book_available()) return;
    const QString chosen =
        platform::get_open_file_name(QStringLiteral("Import File"), platform::documents_folder(),
                                     QStringLiteral("*.csv (*.csv);;*.txt (*.txt)"));
    if (chosen.isEmpty()) return;
    auto& import = form<frmImport>();
    import.filename = chosen;
    // A file the window refuses at load has been reported there already.
    platform::resume_next([&import] {
        import.set_help_context_id(8210);
        import.show_modal();
    });
}

void frmOVRA::mnuExport_Click() {
    if (!address_book_available()) return;
    auto& exporter = form<frmExport>();
    exporter.set_help_context_id(8200);
    exporter.show_modal();
}
