#include "word/model/Colour.h"

namespace word::colour {

bool isValid(int wordColour)
{
    return wordColour == Automatic || (wordColour >= 0 && wordColour <= 0xFFFFFF);
}

QString toHex(int wordColour)
{
    if (!isValid(wordColour) || wordColour == Automatic)
        return QStringLiteral("auto");
    const int red = wordColour & 0xFF;
    const int green = (wordColour >> 8) & 0xFF;
    const int blue = (wordColour >> 16) & 0xFF;
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

std::optional<int> fromHex(const QString& text)
{
    if (text.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0)
        return Automatic;
    if (text.size() != 6)
        return std::nullopt;
    bool ok = false;
    const int rgb = text.toInt(&ok, 16);
    if (!ok || rgb < 0)
        return std::nullopt;
    const int red = (rgb >> 16) & 0xFF;
    const int green = (rgb >> 8) & 0xFF;
    const int blue = rgb & 0xFF;
    return red + 256 * green + 65536 * blue;
}

std::optional<QColor> toQColor(int wordColour)
{
    if (!isValid(wordColour) || wordColour == Automatic)
        return std::nullopt;
    return QColor(wordColour & 0xFF, (wordColour >> 8) & 0xFF, (wordColour >> 16) & 0xFF);
}

}  // namespace word::colour
