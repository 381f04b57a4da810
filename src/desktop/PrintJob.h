#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace desktop {

// A finished PDF handed to a CUPS queue. Qt's own CUPS print engine drops
// the answer of the server, so a queue that refuses the job would go
// unnoticed; this submits the file itself and reports what CUPS says. The
// server is the one the CUPS client library picks (CUPS_SERVER, client.conf,
// or the local scheduler).
struct PrintJob {
    QString printer;  // queue name
    QString file;     // PDF to print; CUPS has read it when submit() returns
    QString title;    // the job's name in the queue
    QList<QPair<QString, QString>> options;  // CUPS job options, e.g. {"copies", "2"}
};

// Submits the job and returns its id. Throws std::runtime_error with CUPS's
// own description when the job is refused (no such queue, a queue that does
// not accept jobs, no scheduler).
int submitPrintJob(const PrintJob& job);

}  // namespace desktop
