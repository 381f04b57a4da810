#pragma once

#include <QFunctionPointer>
#include <QLibrary>
#include <QString>

namespace loading {

// A shared library the program loads by name while it runs, the first time
// one of its functions is needed. Linked directly, the dynamic loader maps
// it, and every library it needs in turn, before main(), which every start
// of the window pays, whether or not the run ever uses it.
//
// The library stays loaded for the rest of the run, as its functions may be
// called until the program ends. Callers keep the library's own declarations
// from its header: a member declared `decltype(&::name) name` is filled by
// resolve(name, "name"), so no prototype is written twice.
class LoadedLibrary {
public:
    // Loads lib<name>.so.<version>, by the soname that the library keeps
    // across its releases, with all its symbols bound at once.
    LoadedLibrary(const QString& name, int version);

    // Sets `function` to the library's function `name`; null when the
    // library is not loaded or lacks it, which problem() then says.
    template <typename Function>
    void resolve(Function& function, const char* name)
    {
        function = reinterpret_cast<Function>(address(name));
    }

    // Empty when the library loaded and had every function asked for;
    // otherwise the first failure, worded as the dynamic loader words it.
    const QString& problem() const { return m_problem; }

private:
    QFunctionPointer address(const char* name);

    QLibrary m_library;
    QString m_problem;
};

}  // namespace loading
