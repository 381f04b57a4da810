#include "ProgramEnvironment.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace platform {
namespace {

QString folderOverride;
QString title;
QString titleFailure;
ProgramExit* installedExit = nullptr;

}  // namespace

QString programFolder()
{
    return folderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride;
}

void setProgramFolder(const QString& folder) { folderOverride = folder; }

QString applicationTitle() { return title; }

void setApplicationTitle(const QString& newTitle)
{
    if (!titleFailure.isEmpty())
        throw std::runtime_error(titleFailure.toStdString());
    title = newTitle;
}

void setApplicationTitleFailure(const QString& description) { titleFailure = description; }

void pumpEvents() { QCoreApplication::processEvents(); }

void endProgram()
{
    if (installedExit) {
        installedExit->endNow();
        return;
    }
    // Immediate on purpose: no close handler, no pending event, no static
    // destructor of a half-torn-down GUI gets to run.
    std::fflush(nullptr);
    std::_Exit(0);
}

void setProgramExit(ProgramExit* exit) { installedExit = exit; }

}  // namespace platform
