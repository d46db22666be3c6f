#pragma once

#include <QString>

// The CUPS side of printing on a queue. Both calls raise VbError(kErrPrinter) naming the queue
// and why it cannot print.
namespace platform {

// Refuses, before anything is drawn, a queue that is stopped, rejects jobs or cannot take US
// Letter, and one whose print server cannot be reached. A stopped queue would take the job
// and hold it unprinted, so its state is asked for rather than left to the job.
void check_print_queue(const QString& queue);

// Sends a finished PDF to the queue as one job on US Letter at actual size, whatever paper
// and scaling the queue defaults to, so each label lands where the PDF shows it.
void send_print_job(const QString& queue, const QString& pdf_file, const QString& title);

}  // namespace platform
