#include "word/Application.h"

#include "word/AutomationError.h"
#include "word/Document.h"
#include "word/Documents.h"
#include "word/Engine.h"
#include "word/Messages.h"
#include "word/dispatch/ObjectRef.h"

namespace word {

namespace {

Application attach(const char* how, std::shared_ptr<WordInstance> (Engine::*reach)(),
                   std::shared_ptr<AutomationObject> (Engine::*reachRemote)())
{
    const std::shared_ptr<Engine> current = engine();
    ObjectRef ref;
    const Arguments arguments{Argument::string(QStringLiteral("Word.Application"))};
    current->invoke(Call{Call::Kind::Method, QString::fromLatin1(how), vbText(arguments)}, [&] {
        if (current->outOfProcess())
            ref.remote = ((*current).*reachRemote)();
        else
            ref.instance = ((*current).*reach)();
    });
    if (!ref.instance && !ref.remote)
        throw AutomationError(messages::CannotCreateObject());
    return ObjectRef::make<Application>(std::move(ref));
}

}  // namespace

Application Application::CreateObject()
{
    return attach("CreateObject", &Engine::createApplication, &Engine::createRemoteApplication);
}

Application Application::GetObject()
{
    return attach("GetObject", &Engine::runningApplication, &Engine::runningRemoteApplication);
}

QString Application::DefaultMember() const
{
    const ObjectRef& self = target();
    QString name;
    const AutomationValue answer = dispatch(self, Call::Kind::Get, "Application.DefaultMember", {}, [&] {
        self.liveInstance();
        name = QStringLiteral("Microsoft Word");
    });
    if (const auto* text = std::get_if<QString>(&answer))
        name = *text;
    return name;
}

void Application::Quit()
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Method, "Application.Quit", {}, [&] { self.liveInstance().quit(); });
}

void Application::Quit(int SaveChanges)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Method, "Application.Quit", {Argument::integer(SaveChanges).named("SaveChanges")}, [&] {
        // Nobody sees a prompt of an unseen Word: nothing is saved whatever the value.
        self.liveInstance().quit();
    });
}

void Application::setDisplayAlerts(bool DisplayAlerts)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "Application.DisplayAlerts", {Argument::boolean(DisplayAlerts)},
             [&] { self.liveInstance().setDisplayAlerts(DisplayAlerts); });
}

word::Documents Application::Documents() const
{
    return handOut<word::Documents>(Call::Kind::Get, "Application.Documents", target(), &ObjectRef::liveInstance);
}

word::Document Application::ActiveDocument() const
{
    return handOut<word::Document>(Call::Kind::Get, "Application.ActiveDocument", target(), [](ObjectRef& active) {
        active.document = active.liveInstance().activeDocument();
        if (!active.document)
            throw AutomationError(messages::NoDocumentOpen());
    });
}

}  // namespace word
