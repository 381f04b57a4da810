#include "ServedObject.h"

#include "ServerControl.h"

#include <oleauto.h>

#include <cwchar>
#include <optional>
#include <sstream>

namespace server {
namespace {

// {6B0A3F52-1C7E-4D2B-9A51-2F0E8C4D7A10}: asks a pointer for the served object behind it.
const IID IID_ServedObject = {0x6b0a3f52, 0x1c7e, 0x4d2b, {0x9a, 0x51, 0x2f, 0x0e, 0x8c, 0x4d, 0x7a, 0x10}};

// Word's own error number for a failed call, as an EXCEPINFO carries it.
constexpr SCODE WordError = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 5941);

const wchar_t* typeName(VARTYPE type)
{
    switch (type) {
    case VT_BSTR: return L"VT_BSTR";
    case VT_I2: return L"VT_I2";
    case VT_I4: return L"VT_I4";
    case VT_R4: return L"VT_R4";
    case VT_R8: return L"VT_R8";
    case VT_BOOL: return L"VT_BOOL";
    case VT_DISPATCH: return L"VT_DISPATCH";
    case VT_ERROR: return L"VT_ERROR";
    case VT_EMPTY: return L"VT_EMPTY";
    default: return L"VT_OTHER";
    }
}

std::wstring shown(const VARIANT* value)
{
    std::wostringstream text;
    text << typeName(value->vt) << L':';
    switch (value->vt) {
    case VT_BSTR: text << L'"' << (value->bstrVal ? value->bstrVal : L"") << L'"'; break;
    case VT_I2: text << value->iVal; break;
    case VT_I4: text << value->lVal; break;
    case VT_R4: text << value->fltVal; break;
    case VT_R8: text << value->dblVal; break;
    case VT_BOOL: text << (value->boolVal ? L"True" : L"False"); break;
    case VT_ERROR: text << std::hex << ULONG(value->scode); break;
    default: break;
    }
    return text.str();
}

bool isMissing(const VARIANT* value) { return value->vt == VT_ERROR && value->scode == DISP_E_PARAMNOTFOUND; }

VARIANT converted(const VARIANT* value, VARTYPE type)
{
    if (!value)
        throw HRESULT(DISP_E_PARAMNOTFOUND);
    VARIANT out;
    VariantInit(&out);
    const HRESULT result = VariantChangeType(&out, const_cast<VARIANT*>(value), 0, type);
    if (FAILED(result))
        throw result;
    return out;
}

}  // namespace

CallArguments::CallArguments(const Member& member, const DISPPARAMS& parameters, bool propertyPut)
{
    m_byParameter.assign(member.parameters.size(), nullptr);
    const UINT named = parameters.cNamedArgs;
    for (UINT i = 0; i < named; ++i) {
        const DISPID id = parameters.rgdispidNamedArgs[i];
        const VARIANT* value = &parameters.rgvarg[i];
        if (id == DISPID_PROPERTYPUT && propertyPut)
            m_put = value;
        else if (id >= 0 && size_t(id) < m_byParameter.size())
            m_byParameter[size_t(id)] = value;
        else
            throw HRESULT(DISP_E_PARAMNOTFOUND);
    }
    const UINT positional = parameters.cArgs - named;
    if (positional > m_byParameter.size())
        throw HRESULT(DISP_E_BADPARAMCOUNT);
    // rgvarg holds the positional arguments last, the last argument first.
    for (UINT i = 0; i < positional; ++i)
        m_byParameter[i] = &parameters.rgvarg[parameters.cArgs - 1 - i];
    m_passed = m_byParameter;
    for (const VARIANT*& value : m_byParameter) {
        if (value && isMissing(value))
            value = nullptr;
    }
    if (propertyPut && !m_put)
        throw HRESULT(DISP_E_PARAMNOTOPTIONAL);
}

const VARIANT* CallArguments::at(size_t index) const
{
    return index < m_byParameter.size() ? m_byParameter[index] : nullptr;
}

std::wstring CallArguments::describe(const Member& member) const
{
    std::wstring text;
    for (size_t i = 0; i < m_passed.size(); ++i) {
        if (m_passed[i])
            text += std::wstring(L" ") + member.parameters[i] + L"=" + shown(m_passed[i]);
    }
    if (m_put)
        text += L" put=" + shown(m_put);
    return text;
}

std::wstring textOf(const VARIANT* value)
{
    VARIANT text = converted(value, VT_BSTR);
    std::wstring out(text.bstrVal ? text.bstrVal : L"", text.bstrVal ? SysStringLen(text.bstrVal) : 0);
    VariantClear(&text);
    return out;
}

long longOf(const VARIANT* value) { return converted(value, VT_I4).lVal; }
double doubleOf(const VARIANT* value) { return converted(value, VT_R8).dblVal; }
bool boolOf(const VARIANT* value) { return converted(value, VT_BOOL).boolVal != VARIANT_FALSE; }

ServedObject::ServedObject(const wchar_t* className, std::vector<Member> members)
    : m_className(className), m_members(std::move(members))
{
}

HRESULT ServedObject::QueryInterface(REFIID id, void** object)
{
    if (id == IID_IUnknown || id == IID_IDispatch || id == IID_ServedObject) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ServedObject::AddRef() { return ULONG(InterlockedIncrement(&m_references)); }

ULONG ServedObject::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return ULONG(left);
}

HRESULT ServedObject::GetTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

HRESULT ServedObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT ServedObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    for (size_t m = 0; m < m_members.size(); ++m) {
        if (_wcsicmp(m_members[m].name, names[0]) != 0)
            continue;
        ids[0] = DISPID(m + 1);
        HRESULT result = S_OK;
        for (UINT i = 1; i < count; ++i) {
            for (size_t p = 0; p < m_members[m].parameters.size(); ++p) {
                if (_wcsicmp(m_members[m].parameters[p], names[i]) == 0)
                    ids[i] = DISPID(p);
            }
            if (ids[i] == DISPID_UNKNOWN)
                result = DISP_E_UNKNOWNNAME;
        }
        return result;
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT ServedObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                             EXCEPINFO* exception, UINT*)
{
    const bool isDefault = id == DISPID_VALUE;
    if (!isDefault && (id < 1 || size_t(id) > m_members.size()))
        return DISP_E_MEMBERNOTFOUND;
    const Member& member = isDefault ? defaultMember() : m_members[size_t(id - 1)];
    const long number = countCall();
    if (control().exitAt == number)
        TerminateProcess(GetCurrentProcess(), 3);  // as a Word killed in the middle of a call
    if (result)
        VariantInit(result);
    const std::wstring called = std::to_wstring(number) + L" " + m_className + L"." + member.name + L" " +
                                ((flags & DISPATCH_PROPERTYPUT) ? L"PUT" : (flags & DISPATCH_METHOD) ? L"METHOD" : L"GET");
    try {
        // A failure ordered for this call comes first, whatever its arguments.
        if (control().failAt == number) {
            logLine(called + L" (told to fail)");
            throw Refusal{L"Word failed call " + std::to_wstring(number) + L" as it was told to.", WordError};
        }
        std::optional<CallArguments> arguments;
        try {
            arguments.emplace(member, *parameters, (flags & DISPATCH_PROPERTYPUT) != 0);
        } catch (HRESULT refused) {
            logLine(called + L" (arguments refused)");
            throw;
        }
        logLine(called + arguments->describe(member));
        call(isDefault ? -1 : int(id - 1), flags, *arguments, result);
        return S_OK;
    } catch (const Refusal& refusal) {
        if (exception) {
            *exception = EXCEPINFO{};
            exception->bstrSource = SysAllocString(L"Microsoft Word");
            exception->bstrDescription = SysAllocString(refusal.description.c_str());
            exception->scode = refusal.code;
        }
        return DISP_E_EXCEPTION;
    } catch (HRESULT failure) {
        return failure;
    }
}

const Member& ServedObject::defaultMember() const
{
    static const Member none{L"(default)", {}};
    return none;
}

ServedObject* ServedObject::of(IUnknown* unknown)
{
    if (!unknown)
        return nullptr;
    void* object = nullptr;
    if (FAILED(unknown->QueryInterface(IID_ServedObject, &object)))
        return nullptr;
    auto* served = static_cast<ServedObject*>(static_cast<IDispatch*>(object));
    served->Release();
    return served;
}

void ServedObject::answer(VARIANT* result, ServedObject* object)
{
    if (!result) {
        object->Release();
        return;
    }
    result->vt = VT_DISPATCH;
    result->pdispVal = object;
}

}  // namespace server
