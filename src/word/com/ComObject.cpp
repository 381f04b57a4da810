#include "word/com/ComObject.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/com/ComError.h"
#include "word/com/MessageFilter.h"

#include <oleauto.h>

#include <string>
#include <vector>

namespace word::com {
namespace {

std::wstring wide(const QString& text) { return text.toStdWString(); }

// The arguments as Invoke takes them: VARIANTs, last argument first, the
// named ones before the positional ones, and the named ones' dispatch ids.
class InvokeArguments {
public:
    InvokeArguments(const Arguments& arguments, const std::vector<DISPID>& namedIds, bool propertyPut)
    {
        std::vector<const Argument*> named, positional;
        for (const Argument& argument : arguments)
            (argument.name.isEmpty() ? positional : named).push_back(&argument);
        for (auto it = named.rbegin(); it != named.rend(); ++it)
            m_values.push_back(variantOf(**it));
        for (auto it = positional.rbegin(); it != positional.rend(); ++it)
            m_values.push_back(variantOf(**it));
        m_namedIds.assign(namedIds.rbegin(), namedIds.rend());
        if (propertyPut)
            m_namedIds.push_back(DISPID_PROPERTYPUT);
        m_parameters.rgvarg = m_values.empty() ? nullptr : m_values.data();
        m_parameters.cArgs = UINT(m_values.size());
        m_parameters.rgdispidNamedArgs = m_namedIds.empty() ? nullptr : m_namedIds.data();
        m_parameters.cNamedArgs = UINT(m_namedIds.size());
    }
    ~InvokeArguments()
    {
        for (VARIANT& value : m_values)
            VariantClear(&value);
    }
    InvokeArguments(const InvokeArguments&) = delete;
    InvokeArguments& operator=(const InvokeArguments&) = delete;

    DISPPARAMS* parameters() { return &m_parameters; }

private:
    static VARIANT variantOf(const Argument& argument)
    {
        VARIANT value;
        VariantInit(&value);
        switch (argument.type) {
        case Argument::Type::Text: {
            const std::wstring text = wide(argument.text);
            value.vt = VT_BSTR;
            value.bstrVal = SysAllocStringLen(text.data(), UINT(text.size()));
            break;
        }
        case Argument::Type::Integer:
            value.vt = VT_I4;
            value.lVal = LONG(argument.number);
            break;
        case Argument::Type::Number:
            value.vt = VT_R8;
            value.dblVal = argument.number;
            break;
        case Argument::Type::Boolean:
            value.vt = VT_BOOL;
            value.boolVal = argument.truth ? VARIANT_TRUE : VARIANT_FALSE;
            break;
        case Argument::Type::Object: {
            auto* object = dynamic_cast<ComObject*>(argument.object.get());
            if (!object)
                throw AutomationError(messages::ObjectNotSet());
            value.vt = VT_DISPATCH;
            value.pdispVal = object->dispatch();
            value.pdispVal->AddRef();
            break;
        }
        case Argument::Type::Missing:
            value.vt = VT_ERROR;
            value.scode = DISP_E_PARAMNOTFOUND;
            break;
        }
        return value;
    }

    std::vector<VARIANT> m_values;
    std::vector<DISPID> m_namedIds;
    DISPPARAMS m_parameters{};
};

// What Word answered, as the handles take it. Clears `value`.
AutomationValue valueOf(VARIANT& value)
{
    AutomationValue answer;
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_BSTR:
        answer = value.bstrVal ? QString::fromWCharArray(value.bstrVal, int(SysStringLen(value.bstrVal))) : QString();
        break;
    case VT_BOOL:
        answer = value.boolVal != VARIANT_FALSE;
        break;
    case VT_DISPATCH:
        if (value.pdispVal) {
            answer = std::shared_ptr<AutomationObject>(std::make_shared<ComObject>(value.pdispVal));
            value.pdispVal = nullptr;  // the new object holds the reference
        }
        break;
    default: {
        VARIANT number;
        VariantInit(&number);
        if (SUCCEEDED(VariantChangeType(&number, &value, 0, VT_R8)))
            answer = number.dblVal;
        VariantClear(&number);
        break;
    }
    }
    VariantClear(&value);
    return answer;
}

// Runs one Invoke, trying a call Word rejects as busy again until the limit.
HRESULT invokeOnce(IDispatch* dispatch, DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                   EXCEPINFO* exception)
{
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        UINT badArgument = 0;
        const HRESULT outcome =
            dispatch->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, parameters, result, exception, &badArgument);
        // The message filter has retried already where COM lets it; where it
        // does not (a rejection that reaches us at once), the same limit holds here.
        if (!isWordBusy(outcome) || GetTickCount64() - start >= BusyLimitMilliseconds)
            return outcome;
        paintWindows();
        Sleep(RetryPauseMilliseconds);
    }
}

// GetIDsOfNames, tried again while Word is busy like Invoke.
HRESULT idsOf(IDispatch* dispatch, std::vector<std::wstring>& names, std::vector<DISPID>& ids)
{
    std::vector<LPOLESTR> pointers;
    for (std::wstring& name : names)
        pointers.push_back(name.data());
    ids.assign(names.size(), DISPID_UNKNOWN);
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        const HRESULT outcome =
            dispatch->GetIDsOfNames(IID_NULL, pointers.data(), UINT(pointers.size()), LOCALE_USER_DEFAULT, ids.data());
        if (!isWordBusy(outcome) || GetTickCount64() - start >= BusyLimitMilliseconds)
            return outcome;
        paintWindows();
        Sleep(RetryPauseMilliseconds);
    }
}

}  // namespace

ComObject::ComObject(IDispatch* dispatch) : m_dispatch(dispatch) {}

ComObject::~ComObject()
{
    if (m_dispatch)
        m_dispatch->Release();  // a Word that is gone answers at once
}

AutomationValue ComObject::invoke(Call::Kind kind, const QString& member, const Arguments& arguments)
{
    // The member's and the named arguments' dispatch ids; the default member is 0.
    std::vector<std::wstring> names;
    names.push_back(wide(member));
    for (const Argument& argument : arguments) {
        if (!argument.name.isEmpty())
            names.push_back(wide(argument.name));
    }
    std::vector<DISPID> ids;
    if (member.isEmpty()) {
        ids.assign(names.size(), DISPID_UNKNOWN);
        ids[0] = DISPID_VALUE;
    } else if (const HRESULT found = idsOf(m_dispatch, names, ids); FAILED(found)) {
        throw errorOf(found == DISP_E_UNKNOWNNAME && ids[0] != DISPID_UNKNOWN ? DISP_E_PARAMNOTFOUND : found, nullptr,
                      member);
    }
    const std::vector<DISPID> namedIds(ids.begin() + 1, ids.end());

    WORD flags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    if (kind == Call::Kind::Get)
        flags = DISPATCH_PROPERTYGET;
    else if (kind == Call::Kind::Set)
        flags = DISPATCH_PROPERTYPUT;
    InvokeArguments invokeArguments(arguments, namedIds, kind == Call::Kind::Set);
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    HRESULT outcome = invokeOnce(m_dispatch, ids[0], flags, invokeArguments.parameters(),
                                 kind == Call::Kind::Set ? nullptr : &result, &exception);

    // Columns(3): the member takes no index, its default member (Item) does.
    if (outcome == DISP_E_BADPARAMCOUNT && kind == Call::Kind::Method && !arguments.empty()) {
        DISPPARAMS none{};
        outcome = invokeOnce(m_dispatch, ids[0], DISPATCH_PROPERTYGET, &none, &result, &exception);
        if (SUCCEEDED(outcome)) {
            if (result.vt != VT_DISPATCH || !result.pdispVal) {
                VariantClear(&result);
                throw errorOf(DISP_E_BADPARAMCOUNT, nullptr, member);
            }
            ComObject collection(result.pdispVal);
            result.vt = VT_EMPTY;
            return collection.invoke(Call::Kind::Method, QString(), arguments);
        }
    }
    if (FAILED(outcome)) {
        VariantClear(&result);
        throw errorOf(outcome, &exception, member);
    }
    return valueOf(result);
}

}  // namespace word::com
