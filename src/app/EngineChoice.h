#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace word {
class Engine;
}

// Which engine makes the planner: Word itself, driven through automation
// (on Windows, where Word is installed), or Dorvane's own document engine.
// The choice is made here, at the top of the program, and handed to the
// Word layer as its default engine (word::EngineSeam): the layers below
// never ask which one it is.
//
// Where it comes from, first that applies: the command line's
// `--engine auto|word|builtin`, then the remembered choice of the Planner
// Settings dialog (QSettings key "planner/engine"), then `auto`. `auto`
// takes Word where "Word.Application" is registered, else the built-in
// engine. On Linux there is no Word: nothing is offered, every choice is
// the built-in engine, and `--engine` stays an unknown option.
namespace app {

enum class EngineChoice { Auto, Word, BuiltIn };

// "auto", "word", "builtin"; nothing for any other text.
std::optional<EngineChoice> engineChoiceFromText(const QString& text);
QString engineChoiceText(EngineChoice choice);

// True where the user can choose (Windows): the Planner Settings dialog
// shows its "Make the planner with" row only then.
bool engineChoiceOffered();
// True when "Word.Application" is registered on this system.
bool wordRegistered();
// The engine that makes the planner for `choice` on this system.
std::shared_ptr<word::Engine> engineFor(EngineChoice choice);

// The choice remembered from the Planner Settings dialog; Auto when none
// is. Needs the application object (QSettings).
EngineChoice rememberedEngineChoice();
// What the dialog's row shows: true when Word makes the next planner (the
// engine in force, whichever way it was chosen).
bool wordMakesPlanner();
// What the dialog calls when the user picks a row: remembers `choice` and
// makes the next planner with it (the default engine is replaced at once).
// Auto is remembered as no choice.
void chooseEngine(EngineChoice choice);

// Takes `--engine VALUE` or `--engine=VALUE` out of the arguments, where
// the choice is offered, so that the rest of the program does not see it.
// Returns the choice; an error message when the value is not one of the
// three or is missing. Where nothing is offered the arguments stay as they are.
struct EngineOption {
    std::optional<EngineChoice> choice;
    QString error;
};
EngineOption takeEngineOption(int& argc, char** argv);

// Wires the default engine as soon as the application object exists
// (window and command line alike): `fromCommandLine` when given, else the
// remembered choice.
void wireEngineOnStart(std::optional<EngineChoice> fromCommandLine);

}  // namespace app
