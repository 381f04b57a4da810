#include "word/Argument.h"

#include <QStringList>

namespace word {

Argument Argument::string(const QString& value) { Argument a; a.type = Type::Text; a.text = value; return a; }

Argument Argument::integer(int value) { Argument a; a.type = Type::Integer; a.number = value; return a; }

Argument Argument::real(double value) { Argument a; a.type = Type::Number; a.number = value; return a; }

Argument Argument::boolean(bool value) { Argument a; a.type = Type::Boolean; a.truth = value; return a; }

Argument Argument::objectArgument(const QString& shown, std::shared_ptr<AutomationObject> value)
{
    Argument a;
    a.type = Type::Object;
    a.text = shown;
    a.object = std::move(value);
    return a;
}

Argument Argument::missing() { return {}; }

Argument Argument::named(const char* argumentName) const
{
    Argument copy = *this;
    copy.name = QLatin1String(argumentName);
    return copy;
}

QString Argument::vbText() const
{
    QString value;
    switch (type) {
    case Type::Text: {
        QString quoted = text;
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        value = QLatin1Char('"') + quoted + QLatin1Char('"');
        break;
    }
    case Type::Integer:
        value = QString::number(qint64(number));
        break;
    case Type::Number:
        value = QString::number(number, 'g', 10);
        break;
    case Type::Boolean:
        value = truth ? QStringLiteral("True") : QStringLiteral("False");
        break;
    case Type::Object:
        value = text;
        break;
    case Type::Missing:
        break;
    }
    return name.isEmpty() ? value : name + QLatin1String(":=") + value;
}

QString vbText(const Arguments& arguments)
{
    QStringList texts;
    for (const Argument& argument : arguments)
        texts.append(argument.vbText());
    return texts.join(QLatin1String(", "));
}

}  // namespace word
