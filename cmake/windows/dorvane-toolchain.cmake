# The toolchain of Dorvane's own Windows build: the MinGW-w64 one its
# dependencies were built with, and where those dependencies are.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

# The prefixes of the libraries built for Windows (scripts/windows-deps.sh),
# searched as roots of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DORVANE_WINDOWS_PREFIXES)
if(DORVANE_WINDOWS_PREFIXES)
  list(APPEND CMAKE_FIND_ROOT_PATH ${DORVANE_WINDOWS_PREFIXES})
endif()
# zlib linked in, never the import library of a zlib1.dll.
set(ZLIB_LIBRARY /usr/${DORVANE_MINGW_TRIPLET}/lib/libz.a CACHE FILEPATH "zlib, static")
set(ZLIB_INCLUDE_DIR /usr/${DORVANE_MINGW_TRIPLET}/include CACHE PATH "zlib's headers")
