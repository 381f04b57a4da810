#pragma once

// The automation server's objects: IDispatch over Dorvane's own Word
// objects (word::Application, word::Selection ...), answering calls by
// member name as Word does, so that the program's COM engine can be run
// against them under Wine. One wrapper per handle class (ServedObjects.cpp).
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

namespace server {

// A member as GetIDsOfNames knows it: its name and the names of its
// parameters (their dispatch ids are their positions).
struct Member {
    const wchar_t* name;
    std::vector<const wchar_t*> parameters;
};

// The arguments of one Invoke, by parameter: named ones under their
// parameter's position, positional ones in order; the value of a property put.
class CallArguments {
public:
    CallArguments(const Member& member, const DISPPARAMS& parameters, bool propertyPut);
    // The argument for parameter `index`; nullptr when not given (or given as missing).
    const VARIANT* at(size_t index) const;
    const VARIANT* putValue() const { return m_put; }
    size_t count() const { return m_byParameter.size(); }
    // How the call came: "Text=VT_BSTR:\"Monday\" put=VT_BOOL:True ..." for the log;
    // an optional left out as "SaveChanges=VT_ERROR:80020004".
    std::wstring describe(const Member& member) const;

private:
    std::vector<const VARIANT*> m_byParameter;
    std::vector<const VARIANT*> m_passed;  // as they came, the left-out ones too
    const VARIANT* m_put = nullptr;
};

// Conversions as VB makes them; throw the HRESULT on failure.
std::wstring textOf(const VARIANT* value);
long longOf(const VARIANT* value);
double doubleOf(const VARIANT* value);
bool boolOf(const VARIANT* value);

// Thrown by a member: Word's refusal, raised as DISP_E_EXCEPTION with this description.
struct Refusal {
    std::wstring description;
    HRESULT code;
};

class ServedObject : public IDispatch {
public:
    ServedObject(const wchar_t* className, std::vector<Member> members);
    virtual ~ServedObject() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override;

    // The served object behind an interface pointer that came back from the
    // client (Tables.Add's Range); nullptr for any other object.
    static ServedObject* of(IUnknown* unknown);

protected:
    // Runs member `index` (its position in the table; -1 the default member).
    // Throws Refusal, or an HRESULT to return as it is.
    virtual void call(int index, WORD flags, const CallArguments& arguments, VARIANT* result) = 0;
    // The default member (dispatch id 0): its parameters. None by default.
    virtual const Member& defaultMember() const;
    // The result is an object: the variant takes over `object`'s reference.
    static void answer(VARIANT* result, ServedObject* object);

private:
    LONG m_references = 1;
    const wchar_t* m_className;
    std::vector<Member> m_members;
};

}  // namespace server
