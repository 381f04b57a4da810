#include "ProgramEnvironment.h"

#include "seam/Seam.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

QString folderOverride;
QString title;

}  // namespace

QString programFolder()
{
    return folderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride;
}

void setProgramFolder(const QString& folder) { folderOverride = folder; }

QString applicationTitle() { return title; }

void setApplicationTitle(const QString& newTitle) { title = newTitle; }

void pumpEvents() { QCoreApplication::processEvents(); }

void endProgram()
{
    if (ProgramExit* installed = seam::Seam<ProgramExit>::current()) {
        installed->endNow();
        return;
    }
    // Immediate on purpose: no close handler, no pending event, no static
    // destructor of a half-torn-down GUI gets to run.
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace platform
