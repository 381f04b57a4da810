#include "word/Application.h"

#include "word/AutomationError.h"
#include "word/Document.h"
#include "word/Documents.h"
#include "word/Engine.h"
#include "word/Messages.h"
#include "word/dispatch/ObjectRef.h"

namespace word {

namespace {

Application attach(const char* how, std::shared_ptr<WordInstance> (Engine::*reach)())
{
    const std::shared_ptr<Engine> current = engine();
    std::shared_ptr<WordInstance> instance;
    current->invoke(Call{Call::Kind::Method, QString::fromLatin1(how), argument::text(QStringLiteral("Word.Application"))},
                    [&] { instance = ((*current).*reach)(); });
    if (!instance)
        throw AutomationError(messages::CannotCreateObject());
    ObjectRef ref;
    ref.instance = std::move(instance);
    return ObjectRef::make<Application>(std::move(ref));
}

}  // namespace

Application Application::CreateObject()
{
    return attach("CreateObject", &Engine::createApplication);
}

Application Application::GetObject()
{
    return attach("GetObject", &Engine::runningApplication);
}

QString Application::DefaultMember() const
{
    const ObjectRef& self = target();
    QString name;
    dispatch(Call::Kind::Get, "Application.DefaultMember", {}, [&] {
        self.liveInstance();
        name = QStringLiteral("Microsoft Word");
    });
    return name;
}

void Application::Quit()
{
    const ObjectRef& self = target();
    dispatch(Call::Kind::Method, "Application.Quit", {}, [&] { self.liveInstance().quit(); });
}

void Application::setDisplayAlerts(bool DisplayAlerts)
{
    const ObjectRef& self = target();
    dispatch(Call::Kind::Set, "Application.DisplayAlerts", argument::boolean(DisplayAlerts),
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
