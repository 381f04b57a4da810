#include "ScriptedPlatform.h"

#include <QRegularExpression>

platform::Answer ScriptedMessageBoxes::show(const platform::MessageRequest& request)
{
    shown.append(request);
    if (m_onShow) {
        auto action = std::move(m_onShow);
        m_onShow = nullptr;
        action(request);
    }
    if (request.buttons == platform::Buttons::Ok)
        return platform::Answer::Ok;
    if (m_answers.empty())
        return platform::Answer::Yes;
    const platform::Answer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList result;
    for (const auto& request : shown)
        result << request.text;
    return result;
}

QStringList ScriptedMessageBoxes::errorReports() const
{
    QStringList result;
    for (const auto& request : shown) {
        if (request.title == QLatin1String("Application Error"))
            result << request.text;
    }
    return result;
}

std::vector<int> ScriptedMessageBoxes::reportedLines() const
{
    static const QRegularExpression atLine(QStringLiteral("at line (\\d+)\\r"));
    std::vector<int> lines;
    for (const QString& report : errorReports())
        lines.push_back(atLine.match(report).captured(1).toInt());
    return lines;
}

QString ScriptedFileDialogs::saveFileName(const platform::SaveDialogRequest& request)
{
    requests.append(request);
    return nextName();
}

QString ScriptedFileDialogs::openFileName(const platform::OpenDialogRequest& request)
{
    openRequests.append(request);
    return nextName();
}

QString ScriptedFileDialogs::nextName()
{
    if (m_names.empty())
        return {};
    QString name = m_names.front();
    m_names.pop_front();
    return name;
}

std::optional<QPicture> ScriptedClipboard::picture(int)
{
    ++requests;
    if (requests <= failures || !m_picture)
        return std::nullopt;
    return m_picture;
}
