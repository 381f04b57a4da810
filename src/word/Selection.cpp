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
            throw AutomationError(messages::BadParameter());
        document.selection().moveToEnd();
    });
}

word::Cells Selection::Cells() const
{
    return handOut<word::Cells>(Call::Kind::Get, "Selection.Cells", target(),
                                [](const ObjectRef& self) { self.liveDocument().selection().selectedCells(); });
}

word::Font Selection::Font() const
{
    return handOut<word::Font>(Call::Kind::Get, "Selection.Font", target(), &ObjectRef::liveDocument);
}

word::ParagraphFormat Selection::ParagraphFormat() const
{
    return handOut<word::ParagraphFormat>(Call::Kind::Get, "Selection.ParagraphFormat", target(), &ObjectRef::liveDocument);
}

word::Range Selection::Range() const
{
    return handOut<word::Range>(Call::Kind::Get, "Selection.Range", target().with(ObjectRef::Scope::Place),
                                [](ObjectRef& range) { range.place = range.liveDocument().selection().start(); });
}

}  // namespace word
