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

// A set of one library's functions (a struct of function pointers), as
// loaded once: `functions` is complete when `problem` is empty.
template <typename Functions>
struct LoadedFunctions {
    Functions functions;
    QString problem;
};

// Loads lib<name>.so.<version> and lets `resolveAll(library, functions)`
// resolve each function it needs into the set.
template <typename Functions, typename ResolveAll>
LoadedFunctions<Functions> loadFunctions(const QString& name, int version, ResolveAll resolveAll)
{
    LoadedLibrary library(name, version);
    LoadedFunctions<Functions> loaded;
    resolveAll(library, loaded.functions);
    loaded.problem = library.problem();
    return loaded;
}

}  // namespace loading

// loadFunctions for a set whose members are named by an X-macro list:
// LIST(X) calls X(name) for each function, and each member `name` is the
// library's function of that name. Yields a LoadedFunctions<Functions>.
#define DORVANE_LOAD_FUNCTIONS(Functions, LIST, libraryName, version)                                                  \
    ::loading::loadFunctions<Functions>(QStringLiteral(libraryName), version,                                          \
                                        [](::loading::LoadedLibrary& library, Functions& functions) {                  \
                                            LIST(DORVANE_LOADING_RESOLVE_ONE)                                          \
                                        })
#define DORVANE_LOADING_RESOLVE_ONE(name) library.resolve(functions.name, #name);
