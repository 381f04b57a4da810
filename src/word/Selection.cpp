#include "word/Selection.h"

#include "word/AutomationError.h"
#include "word/Cells.h"
#include "word/Messages.h"
#include "word/Font.h"
#include "word/ParagraphFormat.h"
#include "word/Range.h"
#include "word/dispatch/ObjectRef.h"

namespace word {

void Selection::TypeText(const QString& Text)
{
    const ObjectRef& self = target();
    dispatch(Call::Kind::Method, "Selection.TypeText", argument::named("Text", argument::text(Text)),
             [&] { self.liveDocument().selection().typeText(Text); });
}

void Selection::TypeParagraph()
{
    const ObjectRef& self = target();
    dispatch(Call::Kind::Method, "Selection.TypeParagraph", {}, [&] { self.liveDocument().selection().typeParagraph(); });
}

int Selection::MoveRight(int Unit, int count, int Extend)
{
    const ObjectRef& self = target();
    QString arguments = argument::named("Unit", QString::number(Unit)) + QLatin1String(", ")
        + argument::named("count", QString::number(count));
    if (Extend != wdMove)
        arguments += QLatin1String(", ") + argument::named("Extend", QString::number(Extend));
    int moved = 0;
    dispatch(Call::Kind::Method, "Selection.MoveRight", arguments,
             [&] { moved = self.liveDocument().selection().moveRight(Unit, count, Extend); });
    return moved;
}

void Selection::EndKey(int Unit)
{
    const ObjectRef& self = target();
    dispatch(Call::Kind::Method, "Selection.EndKey", argument::named("Unit", QString::number(Unit)), [&] {
        editing::OpenDocument& document = self.liveDocument();
        if (Unit != wdStory)
            throw AutomationError(messages::BadParameter);
        document.selection().moveToEnd();
    });
}

word::Cells Selection::Cells() const
{
    const ObjectRef& self = target();
    dispatch(Call::Kind::Get, "Selection.Cells", {}, [&] { self.liveDocument().selection().selectedCells(); });
    return ObjectRef::make<word::Cells>(self);
}

word::Font Selection::Font() const
{
    const ObjectRef& self = target();
    dispatch(Call::Kind::Get, "Selection.Font", {}, [&] { self.liveDocument(); });
    return ObjectRef::make<word::Font>(self);
}

word::ParagraphFormat Selection::ParagraphFormat() const
{
    const ObjectRef& self = target();
    dispatch(Call::Kind::Get, "Selection.ParagraphFormat", {}, [&] { self.liveDocument(); });
    return ObjectRef::make<word::ParagraphFormat>(self);
}

word::Range Selection::Range() const
{
    const ObjectRef& self = target();
    ObjectRef range = self.with(ObjectRef::Scope::Place);
    dispatch(Call::Kind::Get, "Selection.Range", {}, [&] { range.place = self.liveDocument().selection().start(); });
    return ObjectRef::make<word::Range>(std::move(range));
}

}  // namespace word
