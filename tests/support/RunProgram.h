#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs an outside program (LibreOffice, poppler-utils, CUPS tools) to its
// end; false when it cannot start, outlasts `timeoutMs` (it is then killed)
// or fails. `output` gets what it wrote to stdout and stderr.
bool runProgram(const QString& program, const QStringList& arguments, int timeoutMs = 180000,
                QByteArray* output = nullptr);
