#pragma once

#include "word/AutomationObject.h"

#include <windows.h>
#include <oaidl.h>

namespace word::com {

// One object of Word's process, reached through its IDispatch: each call
// looks the member (and the names of named arguments) up with
// GetIDsOfNames, then runs Invoke with the arguments as VARIANTs (strings
// as BSTR, whole numbers as VT_I4, fractional ones as VT_R8, VARIANT_BOOL,
// objects as VT_DISPATCH, a missing optional as DISP_E_PARAMNOTFOUND) and
// property puts named DISPID_PROPERTYPUT. What Word answers comes back as
// an AutomationValue; a failure as AutomationError (ComError.h).
//
// A method call with arguments on a member that takes none (Columns(3)) is
// what VB makes of a collection's default member: the member is read, and
// its default member (Item) gets the arguments.
//
// Holds one reference, released with the object; used on the thread of the
// apartment it was made in.
class ComObject final : public AutomationObject {
public:
    // Takes over the reference `dispatch` holds.
    explicit ComObject(IDispatch* dispatch);
    ~ComObject() override;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    AutomationValue invoke(Call::Kind kind, const QString& member, const Arguments& arguments) override;

    IDispatch* dispatch() const { return m_dispatch; }

private:
    IDispatch* m_dispatch;
};

}  // namespace word::com
