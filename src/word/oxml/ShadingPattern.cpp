#include "word/oxml/ShadingPattern.h"

#include <array>
#include <utility>

namespace word::oxml {

namespace {

constexpr std::array<std::pair<int, const char*>, 25> Patterns{{
    {0, "clear"},   {1000, "solid"}, {50, "pct5"},   {100, "pct10"}, {125, "pct12"}, {150, "pct15"}, {200, "pct20"},
    {250, "pct25"}, {300, "pct30"},  {350, "pct35"}, {375, "pct37"}, {400, "pct40"}, {450, "pct45"}, {500, "pct50"},
    {550, "pct55"}, {600, "pct60"},  {625, "pct62"}, {650, "pct65"}, {700, "pct70"}, {750, "pct75"}, {800, "pct80"},
    {850, "pct85"}, {875, "pct87"},  {900, "pct90"}, {950, "pct95"},
}};

}  // namespace

bool isKnownTexture(int texture)
{
    for (const auto& [number, name] : Patterns) {
        if (number == texture)
            return true;
    }
    return false;
}

QString shdValue(int texture)
{
    for (const auto& [number, name] : Patterns) {
        if (number == texture)
            return QString::fromLatin1(name);
    }
    return QStringLiteral("clear");
}

std::optional<int> textureFromShd(const QString& value)
{
    for (const auto& [number, name] : Patterns) {
        if (value == QLatin1String(name))
            return number;
    }
    return std::nullopt;
}

}  // namespace word::oxml
