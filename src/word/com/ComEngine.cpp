#include "word/com/ComEngine.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/com/ComError.h"
#include "word/com/ComObject.h"
#include "word/com/MessageFilter.h"

#include <objbase.h>
#include <oleauto.h>

namespace word::com {
namespace {

const wchar_t* const WordProgId = L"Word.Application";

CLSID wordClass()
{
    CLSID id{};
    if (FAILED(CLSIDFromProgID(WordProgId, &id)))
        throw AutomationError(messages::CannotCreateObject());
    return id;
}

std::shared_ptr<AutomationObject> objectOf(IUnknown* unknown)
{
    IDispatch* dispatch = nullptr;
    const HRESULT result = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    unknown->Release();
    if (FAILED(result))
        throw AutomationError(messages::CannotCreateObject(), {}, long(result));
    return std::make_shared<ComObject>(dispatch);
}

}  // namespace

bool ComEngine::isRegistered()
{
    CLSID id{};
    return SUCCEEDED(CLSIDFromProgID(WordProgId, &id));
}

std::shared_ptr<AutomationObject> ComEngine::createRemoteApplication()
{
    enterApartment();
    const CLSID id = wordClass();
    IUnknown* unknown = nullptr;
    const HRESULT result =
        CoCreateInstance(id, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, reinterpret_cast<void**>(&unknown));
    if (FAILED(result))
        throw AutomationError(messages::CannotCreateObject() + QStringLiteral("\r\n") + describeResult(result), {},
                              long(result));
    return objectOf(unknown);
}

std::shared_ptr<AutomationObject> ComEngine::runningRemoteApplication()
{
    enterApartment();
    const CLSID id = wordClass();
    IUnknown* unknown = nullptr;
    if (FAILED(GetActiveObject(id, nullptr, &unknown)) || !unknown)
        throw AutomationError(messages::CannotCreateObject());
    return objectOf(unknown);
}

std::shared_ptr<WordInstance> ComEngine::createApplication()
{
    throw AutomationError(messages::CannotCreateObject());
}

std::shared_ptr<WordInstance> ComEngine::runningApplication()
{
    throw AutomationError(messages::CannotCreateObject());
}

}  // namespace word::com
