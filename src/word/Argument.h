#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace word {

class AutomationObject;

// One argument of an automation call, typed as it travels to Word: a string,
// a whole or a fractional number, a boolean, another automation object, or
// an optional argument left out. A named argument carries its name, as the
// program writes it (`Unit:=12`); a positional one has none.
//
// The one description of a call's arguments: the built-in engine reads the
// values, the COM engine turns them into VARIANTs, and the text an engine
// records (Call::arguments) is derived from them as VB would show it.
struct Argument {
    enum class Type { Text, Integer, Number, Boolean, Object, Missing };

    Type type = Type::Missing;
    QString name;       // empty: by position
    QString text;       // Type::Text; Type::Object: what VB shows for it ("Range", "Nothing")
    double number = 0;  // Type::Integer (a whole number, 32 bits) and Type::Number
    bool truth = false;   // Type::Boolean
    // Type::Object: the object in Word's process; null for an object of the
    // built-in engine, whose value the built-in work reads itself.
    std::shared_ptr<AutomationObject> object;

    static Argument string(const QString& value);
    static Argument integer(int value);
    static Argument real(double value);
    static Argument boolean(bool value);
    static Argument objectArgument(const QString& shown, std::shared_ptr<AutomationObject> value);
    static Argument missing();
    // The same value, passed by name.
    Argument named(const char* argumentName) const;

    // The value as VB shows it: "Monday" in quotes with quotes doubled, 12,
    // 10.5, True, Range; nothing for a missing one. With its name: Unit:=12.
    QString vbText() const;
};

using Arguments = std::vector<Argument>;

// The arguments as VB shows them, separated by ", ".
QString vbText(const Arguments& arguments);

}  // namespace word
