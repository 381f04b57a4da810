#include "word/Documents.h"

#include "word/Document.h"
#include "word/dispatch/ObjectRef.h"
#include "word/package/PackageReader.h"

namespace word {

Document Documents::Add()
{
    const ObjectRef& self = target();
    ObjectRef added = self;
    dispatch(Call::Kind::Method, "Documents.Add", {},
             [&] { added.document = self.liveInstance().add(model::DocumentModel::blank()); });
    return ObjectRef::make<Document>(std::move(added));
}

Document Documents::Open(const QString& FileName)
{
    const ObjectRef& self = target();
    ObjectRef opened = self;
    dispatch(Call::Kind::Method, "Documents.Open", argument::text(FileName), [&] {
        WordInstance& instance = self.liveInstance();
        opened.document = instance.add(package::readPackage(FileName), FileName);
    });
    return ObjectRef::make<Document>(std::move(opened));
}

}  // namespace word
