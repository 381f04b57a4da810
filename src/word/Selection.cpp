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
    dispatch(self, Call::Kind::Method, "Selection.TypeText", {Argument::string(Text).named("Text")},
             [&] { self.liveDocument().selection().typeText(Text); });
}

void Selection::TypeParagraph()
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Method, "Selection.TypeParagraph", {}, [&] { self.liveDocument().selection().typeParagraph(); });
}

int Selection::MoveRight(int Unit, int count, int Extend)
{
    const ObjectRef& self = target();
    Arguments arguments{Argument::integer(Unit).named("Unit"), Argument::integer(count).named("count")};
    if (Extend != wdMove)
        arguments.push_back(Argument::integer(Extend).named("Extend"));
    int moved = 0;
    const AutomationValue answer = dispatch(self, Call::Kind::Method, "Selection.MoveRight", arguments,
                                            [&] { moved = self.liveDocument().selection().moveRight(Unit, count, Extend); });
    if (const auto* number = std::get_if<double>(&answer))
        moved = int(*number);
    return moved;
}

void Selection::EndKey(int Unit)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Method, "Selection.EndKey", {Argument::integer(Unit).named("Unit")}, [&] {
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
