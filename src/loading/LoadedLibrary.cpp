#include "loading/LoadedLibrary.h"

namespace loading {

LoadedLibrary::LoadedLibrary(const QString& name, int version) : m_library(name, version)
{
    m_library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    // Never unloaded: QLibrary's destructor leaves the library mapped.
    if (!m_library.load())
        m_problem = m_library.errorString();
}

QFunctionPointer LoadedLibrary::address(const char* name)
{
    if (!m_library.isLoaded())
        return nullptr;
    const QFunctionPointer found = m_library.resolve(name);
    // QLibrary keeps no reason for a missing symbol.
    if (!found && m_problem.isEmpty())
        m_problem = QStringLiteral("%1: undefined symbol: %2").arg(m_library.fileName(), QLatin1String(name));
    return found;
}

}  // namespace loading
