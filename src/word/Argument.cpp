#include "word/Argument.h"

#include <QStringList>

namespace word {

Argument Argument::string(const QString& value) { return {.type = Type::Text, .text = value}; }

Argument Argument::integer(int value) { return {.type = Type::Integer, .number = double(value)}; }

Argument Argument::real(double value) { return {.type = Type::Number, .number = value}; }

Argument Argument::boolean(bool value) { return {.type = Type::Boolean, .truth = value}; }

Argument Argument::objectArgument(const QString& shown, std::shared_ptr<AutomationObject> value)
{
    return {.type = Type::Object, .text = shown, .object = std::move(value)};
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
