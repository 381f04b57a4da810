#include "word/Document.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/PageSetup.h"
#include "word/Range.h"
#include "word/Tables.h"
#include "word/Window.h"
#include "word/dispatch/ObjectRef.h"
#include "word/package/PackageWriter.h"

namespace word {

namespace {
constexpr int wdDoNotSaveChanges = 0;
constexpr int wdSaveChanges = -1;
constexpr int wdPromptToSaveChanges = -2;
}  // namespace

word::Window Document::ActiveWindow() const
{
    return handOut<word::Window>(Call::Kind::Get, "Document.ActiveWindow", target(), &ObjectRef::liveDocument);
}

word::Tables Document::Tables() const
{
    return handOut<word::Tables>(Call::Kind::Get, "Document.Tables", target(), &ObjectRef::liveDocument);
}

word::Range Document::Range() const
{
    return handOut<word::Range>(Call::Kind::Method, "Document.Range", target().with(ObjectRef::Scope::WholeDocument),
                                &ObjectRef::liveDocument);
}

word::PageSetup Document::PageSetup() const
{
    return handOut<word::PageSetup>(Call::Kind::Get, "Document.PageSetup", target(), &ObjectRef::liveDocument);
}

void Document::SaveAs(const QString& FileName)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Method, "Document.SaveAs", {Argument::string(FileName)}, [&] {
        editing::OpenDocument& document = self.liveDocument();
        package::writePackage(document.model(), FileName);
        document.setPath(FileName);
    });
}

void Document::Close()
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Method, "Document.Close", {}, [&] {
        self.liveDocument();
        self.instance->close(self.document);
    });
}

void Document::Close(int SaveChanges)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Method, "Document.Close", {Argument::integer(SaveChanges).named("SaveChanges")}, [&] {
        editing::OpenDocument& document = self.liveDocument();
        if (SaveChanges == wdSaveChanges) {
            if (document.path().isEmpty())
                throw AutomationError(messages::NeverSaved());
            package::writePackage(document.model(), document.path());
        } else if (SaveChanges != wdDoNotSaveChanges && SaveChanges != wdPromptToSaveChanges) {
            throw AutomationError(messages::BadParameter());
        }
        // Nobody sees a prompt of an unseen Word: wdPromptToSaveChanges does not save.
        self.instance->close(self.document);
    });
}

}  // namespace word
