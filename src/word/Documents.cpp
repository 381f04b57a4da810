#include "word/Documents.h"

#include "word/Document.h"
#include "word/dispatch/ObjectRef.h"
#include "word/package/PackageReader.h"

namespace word {

Document Documents::Add()
{
    return handOut<Document>(Call::Kind::Method, "Documents.Add", target(), [](ObjectRef& added) {
        added.document = added.liveInstance().add(model::DocumentModel::blank());
    });
}

Document Documents::Open(const QString& FileName)
{
    return handOut<Document>(
        Call::Kind::Method, "Documents.Open", target(),
        [&](ObjectRef& opened) {
            WordInstance& instance = opened.liveInstance();
            opened.document = instance.add(package::readPackage(FileName), FileName);
        },
        {Argument::string(FileName)});
}

}  // namespace word
