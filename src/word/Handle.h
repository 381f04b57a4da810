#pragma once

#include <memory>

namespace word {

struct ObjectRef;

// The common part of every Word object handle: a reference-counted reference
// to an object inside an instance. Copies refer to the same object. A default
// constructed or released handle is Nothing; any member called on it throws
// AutomationError ("Object variable or With block variable not set"), as VB does.
// Releasing a handle releases only the reference: it never quits or closes anything.
class Handle {
public:
    bool isNothing() const { return !m_ref; }
    explicit operator bool() const { return bool(m_ref); }
    void release() { m_ref.reset(); }  // "Set x = Nothing"

protected:
    Handle() = default;
    explicit Handle(std::shared_ptr<const ObjectRef> ref) : m_ref(std::move(ref)) {}
    // The referenced object; throws when Nothing.
    const ObjectRef& target() const;
    const std::shared_ptr<const ObjectRef>& ref() const { return m_ref; }

private:
    std::shared_ptr<const ObjectRef> m_ref;
};

}  // namespace word
