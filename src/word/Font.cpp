#include "word/Font.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/dispatch/ObjectRef.h"
#include "word/model/Units.h"

#include <cmath>

namespace word {

void Font::setBold(bool Bold)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "Font.Bold", {Argument::boolean(Bold)}, [&] {
        self.liveDocument().selection().formatCharacters([&](model::CharacterFormat& format) { format.bold = Bold; });
    });
}

void Font::setName(const QString& Name)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "Font.Name", {Argument::string(Name)}, [&] {
        editing::OpenDocument& document = self.liveDocument();
        if (Name.trimmed().isEmpty())
            throw AutomationError(messages::ValueOutOfRange());
        document.selection().formatCharacters([&](model::CharacterFormat& format) { format.fontName = Name; });
    });
}

void Font::setSize(double Size)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "Font.Size", {Argument::real(Size)}, [&] {
        editing::OpenDocument& document = self.liveDocument();
        if (!std::isfinite(Size) || Size < 1 || Size > 1638)
            throw AutomationError(messages::ValueOutOfRange());
        const int halfPoints = units::halfPointsFromPoints(Size);
        document.selection().formatCharacters([&](model::CharacterFormat& format) { format.halfPoints = halfPoints; });
    });
}

}  // namespace word
