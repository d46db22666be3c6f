#pragma once

// Variables of the printer set-up module.
struct modSetUpPrinters {
    // True (-1) once printers.ovr has been read in this run; 0 makes the next user read it again.
    int printer_table_loaded = 0;
};
