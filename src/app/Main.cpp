#include "Main.h"

#include "platform/Clipboard.h"
#include "platform/PictureBox.h"
#include "platform/ProgramEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include <stdexcept>

namespace Main {
namespace {

void paintButtonFace(QWidget* widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

bool takesButtonFace(QWidget* control, bool includePictureBoxes)
{
    // Checked by kind, not by QFrame ancestry: labels and picture areas are both QFrames.
    return qobject_cast<QLabel*>(control) || qobject_cast<QGroupBox*>(control) ||
           qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control) ||
           (includePictureBoxes && qobject_cast<platform::PictureBox*>(control));
}

}  // namespace

QString HandCursorPath() { return platform::programFolder() + QStringLiteral("/HAND-M.CUR"); }

bool FileExists(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

void RemoveFile(const QString& path)
{
    platform::pumpEvents();
    if (path.isEmpty() || QFile::remove(path))
        return;
    try {
        ForceDeleteFile(path);
    } catch (...) {
        // A file that cannot go stays; the caller does not care.
    }
}

void ForceDeleteFile(const QString& path)
{
    // Here a file's own read-only mode never stops its deletion (the folder's
    // permissions decide), so the forced delete is the delete itself, with a
    // description when it fails; the file's mode is left as it was.
    QFile file(path);
    if (!file.remove())
        throw std::runtime_error(QStringLiteral("Cannot delete %1: %2").arg(path, file.errorString()).toStdString());
}

std::optional<QPicture> GetClipboardPicture(int format)
{
    for (int attempt = 0; attempt < ClipboardAttempts; ++attempt) {
        try {
            if (auto picture = platform::clipboard().picture(format))
                return picture;
        } catch (...) {
            // A failed request is simply tried again.
        }
    }
    return std::nullopt;
}

QString DeriveAppTitle(const QString& name)
{
    constexpr qsizetype limit = 40;
    QString title = name;
    for (;;) {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0)
            return title.left(limit);
        title.truncate(blank);
        if (title.size() <= limit)
            return title;
    }
}

void SetAppTitle() { platform::setApplicationTitle(DeriveAppTitle(ProductName)); }

void SetButtonFaceColours(QWidget* window, bool includePictureBoxes)
{
    paintButtonFace(window);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (takesButtonFace(control, includePictureBoxes))
            paintButtonFace(control);
    }
}

void ResetBackColors(QWidget* window) { SetButtonFaceColours(window, false); }

}  // namespace Main
