#include "word/Shading.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/dispatch/ObjectRef.h"
#include "word/oxml/ShadingPattern.h"

namespace word {

namespace {

void setOnCells(const ObjectRef& self, const char* member, int value, bool valid, int model::CellShading::*field)
{
    dispatch(self, Call::Kind::Set, member, {Argument::integer(value)}, [&] {
        const std::vector<model::Cell*> cells = self.liveCells();
        if (!valid)
            throw AutomationError(messages::ValueOutOfRange());
        for (model::Cell* cell : cells)
            cell->shading.*field = value;
    });
}

}  // namespace

void Shading::setTexture(int Texture)
{
    setOnCells(target(), "Shading.Texture", Texture, oxml::isKnownTexture(Texture), &model::CellShading::texture);
}

void Shading::setForegroundPatternColor(int ForegroundPatternColor)
{
    setOnCells(target(), "Shading.ForegroundPatternColor", ForegroundPatternColor,
               colour::isValid(ForegroundPatternColor), &model::CellShading::foreground);
}

void Shading::setBackgroundPatternColor(int BackgroundPatternColor)
{
    setOnCells(target(), "Shading.BackgroundPatternColor", BackgroundPatternColor,
               colour::isValid(BackgroundPatternColor), &model::CellShading::background);
}

}  // namespace word
