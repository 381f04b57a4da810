#include "word/oxml/XmlValues.h"

#include <cctype>
#include <cmath>

namespace word::oxml::values {

namespace {

// Numbers longer than this are out of every range a document uses.
constexpr qsizetype MaxNumberLength = 32;

// A decimal number with an optional sign and fraction, and the unit text
// after it; nothing when the text has no such shape.
std::optional<std::pair<double, QStringView>> splitMeasure(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > MaxNumberLength)
        return std::nullopt;
    qsizetype i = 0;
    if (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))
        ++i;
    const qsizetype digitsFrom = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    qsizetype digits = i - digitsFrom;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        const qsizetype fractionFrom = i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        digits += i - fractionFrom;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double number = text.first(i).toString().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return std::make_pair(number, text.sliced(i));
}

std::optional<int> inRange(double value, int minimum, int maximum)
{
    const double rounded = std::round(value);
    if (!std::isfinite(rounded) || rounded < minimum || rounded > maximum)
        return std::nullopt;
    return int(rounded);
}

// Twips per unit of a universal measure; nothing for an unknown unit.
std::optional<double> twipsPer(QStringView unit)
{
    if (unit == QLatin1StringView("pt"))
        return 20.0;
    if (unit == QLatin1StringView("in"))
        return 1440.0;
    if (unit == QLatin1StringView("cm"))
        return 1440.0 / 2.54;
    if (unit == QLatin1StringView("mm"))
        return 144.0 / 2.54;
    if (unit == QLatin1StringView("pc") || unit == QLatin1StringView("pi"))
        return 240.0;
    return std::nullopt;
}

}  // namespace

std::optional<bool> onOff(const std::optional<QString>& value)
{
    if (!value)
        return true;
    const QString v = value->trimmed();
    if (v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("on"))
        return true;
    if (v == QLatin1String("0") || v == QLatin1String("false") || v == QLatin1String("off"))
        return false;
    return std::nullopt;
}

std::optional<int> integer(const QString& text, int minimum, int maximum)
{
    const auto measure = splitMeasure(text);
    if (!measure || !measure->second.isEmpty() || text.contains(QLatin1Char('.')))
        return std::nullopt;
    return inRange(measure->first, minimum, maximum);
}

namespace {

// A plain number is taken as it stands; a number with a unit ("1in", "2.54cm")
// is converted to twips and then divided by `twipsPerUnit`.
std::optional<int> measureIn(const QString& text, double twipsPerUnit, int minimum, int maximum)
{
    const auto measure = splitMeasure(text);
    if (!measure)
        return std::nullopt;
    if (measure->second.isEmpty())
        return inRange(measure->first, minimum, maximum);
    const auto factor = twipsPer(measure->second);
    if (!factor)
        return std::nullopt;
    return inRange(measure->first * *factor / twipsPerUnit, minimum, maximum);
}

}  // namespace

std::optional<int> twips(const QString& text, int minimum, int maximum)
{
    return measureIn(text, 1.0, minimum, maximum);
}

std::optional<int> halfPoints(const QString& text, int minimum, int maximum)
{
    return measureIn(text, 10.0, minimum, maximum);
}

std::optional<quint32> hexNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 8)
        return std::nullopt;
    for (const QChar c : t) {
        if (c.unicode() >= 128 || !std::isxdigit(static_cast<unsigned char>(c.toLatin1())))
            return std::nullopt;
    }
    bool ok = false;
    const quint32 value = t.toUInt(&ok, 16);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

model::Alignment alignment(const QString& value)
{
    if (value == QLatin1String("center"))
        return model::Alignment::Center;
    if (value == QLatin1String("right") || value == QLatin1String("end"))
        return model::Alignment::Right;
    if (value == QLatin1String("both") || value == QLatin1String("distribute") || value.contains(QLatin1String("Kashida"))
        || value == QLatin1String("thaiDistribute"))
        return model::Alignment::Justify;
    return model::Alignment::Left;
}

}  // namespace word::oxml::values
