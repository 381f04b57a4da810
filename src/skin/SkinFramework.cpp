#include "SkinFramework.h"

#include "errors/UserError.h"

#include <QFile>
#include <QWidget>

namespace skin {
namespace {

[[noreturn]] void fail(const QString& description) { throw errors::UserError(description); }

// Qt's parser reports a sheet it cannot parse only through a warning; while
// checking, warnings are caught here instead of being printed.
bool parseFailed = false;
QtMessageHandler previousHandler = nullptr;

void catchParseWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("Could not parse")))
        parseFailed = true;
    else if (previousHandler)
        previousHandler(type, context, message);
}

}  // namespace

bool styleSheetParses(const QString& sheet)
{
    QWidget probe;
    parseFailed = false;
    previousHandler = qInstallMessageHandler(catchParseWarning);
    probe.setStyleSheet(sheet);
    probe.ensurePolished();  // the sheet is parsed when the widget is polished
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    return !parseFailed;
}

void SkinFramework::LoadSkin(const QString& path, const QString& iniFileName)
{
    if (!iniFileName.isEmpty())
        fail(tr("The skin file %1 holds one skin; there is no part named %2").arg(path, iniFileName));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(tr("The skin file %1 cannot be read: %2").arg(path, file.errorString()));
    constexpr qint64 limit = 1 << 20;
    if (file.size() > limit)
        fail(tr("The skin file %1 is too large for a skin").arg(path));
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        fail(tr("The skin file %1 cannot be read: %2").arg(path, file.errorString()));
    if (bytes.size() > limit)  // a file that does not know its size
        fail(tr("The skin file %1 is too large for a skin").arg(path));
    const QString sheet = QString::fromUtf8(bytes);
    if (!styleSheetParses(sheet))
        fail(tr("The skin file %1 is not a style sheet that can be parsed").arg(path));
    m_styleSheet = sheet;
    m_loaded = true;
}

void SkinFramework::ApplyWindow(WId handle)
{
    QWidget* window = QWidget::find(handle);
    if (!window)
        fail(tr("No window has the handle %1").arg(quintptr(handle)));
    if (!m_loaded)
        fail(tr("No skin has been loaded"));
    if (m_options & OptionSkinWindows)
        window->setStyleSheet(m_styleSheet);
}

}  // namespace skin
