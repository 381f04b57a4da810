#pragma once

#include "platform/FileDialogs.h"

namespace desktop {

// The program's file dialogs on the desktop: QFileDialog over the active
// window. The save dialog asks no overwrite question; the caller asks its own.
class QtFileDialogs final : public platform::FileDialogs {
public:
    QString saveFileName(const platform::SaveDialogRequest& request) override;
    QString openFileName(const platform::OpenDialogRequest& request) override;
};

}  // namespace desktop
