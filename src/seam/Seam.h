#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace seam {

// One replaceable service of the program (message boxes, the file dialogs,
// the Word engine, ...): the one way the program reaches what a test stands
// in for. In force is the installed service when there is one, else the
// default: the program's real implementation, set once by whoever provides
// it. The real window-toolkit implementations are thereby kept out of the
// libraries that only use a service.
//
// `Holder` is how a service is held: a plain pointer (not owned) by default,
// a std::shared_ptr for a service whose users keep it alive, a std::function
// for a single callback. An empty holder means "none".
//
// Process-wide and unsynchronised: install and replace services on the
// user-interface thread only.
template <class Service, class Holder = Service*>
class Seam {
public:
    // The installed service, else the default; an empty holder when neither is set.
    static const Holder& current() { return installedSlot() ? installedSlot() : defaultSlot(); }

    // Installs `service` for the rest of the run; an empty holder goes back to the default.
    // Tests prefer Scoped, which cannot forget to restore.
    static void install(Holder service) { installedSlot() = std::move(service); }

    // Sets what is in force while nothing is installed.
    static void setDefault(Holder service) { defaultSlot() = std::move(service); }

    // Installs a service for its own lifetime and puts back whatever was
    // installed before it, so stand-ins nest.
    class Scoped {
    public:
        explicit Scoped(Holder service) : m_previous(std::exchange(installedSlot(), std::move(service))) {}
        ~Scoped() { installedSlot() = std::move(m_previous); }
        Scoped(const Scoped&) = delete;
        Scoped& operator=(const Scoped&) = delete;

    private:
        Holder m_previous;
    };

private:
    static Holder& installedSlot()
    {
        static Holder holder{};
        return holder;
    }
    static Holder& defaultSlot()
    {
        static Holder holder{};
        return holder;
    }
};

// The service in force of a plain-pointer seam. Throws std::logic_error when
// neither a service nor a default has been set: a program that uses the
// service without providing it is wrong, and says so at once.
template <class Service>
Service& service(const char* name)
{
    Service* in = Seam<Service>::current();
    if (!in)
        throw std::logic_error(std::string("No ") + name + " has been provided to this program");
    return *in;
}

// The service in force of a plain-pointer seam whose default is built in: `builtIn` when none is installed.
template <class Service>
Service& service(Service& builtIn)
{
    Service* in = Seam<Service>::current();
    return in ? *in : builtIn;
}

}  // namespace seam
