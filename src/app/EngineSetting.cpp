#include "EngineChoice.h"

#include "word/Engine.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstring>

namespace app {
namespace {

const char* const EngineKey = "planner/engine";

std::optional<EngineChoice>& choiceFromCommandLine()
{
    static std::optional<EngineChoice> choice;
    return choice;
}

void wireChosenEngine()
{
    // Where nothing is offered, no setting is read: there is one engine.
    const std::optional<EngineChoice> given = choiceFromCommandLine();
    const EngineChoice choice =
        given ? *given : engineChoiceOffered() ? rememberedEngineChoice() : EngineChoice::Auto;
    word::EngineSeam::setDefault(engineFor(choice));
}

}  // namespace

std::optional<EngineChoice> engineChoiceFromText(const QString& text)
{
    if (text == QLatin1String("auto"))
        return EngineChoice::Auto;
    if (text == QLatin1String("word"))
        return EngineChoice::Word;
    if (text == QLatin1String("builtin"))
        return EngineChoice::BuiltIn;
    return std::nullopt;
}

QString engineChoiceText(EngineChoice choice)
{
    switch (choice) {
    case EngineChoice::Word:
        return QStringLiteral("word");
    case EngineChoice::BuiltIn:
        return QStringLiteral("builtin");
    case EngineChoice::Auto:
        break;
    }
    return QStringLiteral("auto");
}

EngineChoice rememberedEngineChoice()
{
    return engineChoiceFromText(QSettings().value(QLatin1String(EngineKey)).toString()).value_or(EngineChoice::Auto);
}

bool wordMakesPlanner() { return word::engine()->outOfProcess(); }

void chooseEngine(EngineChoice choice)
{
    QSettings settings;
    if (choice == EngineChoice::Auto)
        settings.remove(QLatin1String(EngineKey));
    else
        settings.setValue(QLatin1String(EngineKey), engineChoiceText(choice));
    word::EngineSeam::setDefault(engineFor(choice));
}

EngineOption takeEngineOption(int& argc, char** argv)
{
    EngineOption option;
    if (!engineChoiceOffered())
        return option;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char* value = nullptr;
        if (std::strcmp(argv[i], "--engine") == 0) {
            if (i + 1 >= argc) {
                option.error = QCoreApplication::translate("app::EngineChoice", "--engine needs a value: auto, word or builtin.");
                continue;
            }
            value = argv[++i];
        } else if (std::strncmp(argv[i], "--engine=", 9) == 0) {
            value = argv[i] + 9;
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        option.choice = engineChoiceFromText(QString::fromLocal8Bit(value));
        if (!option.choice)
            option.error = QCoreApplication::translate("app::EngineChoice",
                                                       "--engine \"%1\" is not one of auto, word and builtin.")
                               .arg(QString::fromLocal8Bit(value));
    }
    argc = kept;
    argv[argc] = nullptr;
    return option;
}

void wireEngineOnStart(std::optional<EngineChoice> fromCommandLine)
{
    choiceFromCommandLine() = fromCommandLine;
    qAddPreRoutine(wireChosenEngine);
}

}  // namespace app
