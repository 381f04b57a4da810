# The Windows program's folder: dorvane.exe and beside it everything it needs
# on a Windows with nothing else installed. The build puts the same files in
# bin/ as the installed tree (cmake --install), which scripts/build-windows.sh
# packs into the zip and the installer.
#   dorvane.exe               everything linked in statically: Qt, libzip,
#                             libical, zlib, the C and C++ runtimes
#   HAND-M.CUR                the hand cursor
#   x/example.cjs             the example skin (copied to x/o.cjs, it is used)
#   translations/             ours, and Qt's own from Debian's qt6-translations-l10n
#   zoneinfo/                 libical's time-zone data (Windows has no zoneinfo folder)

# Qt's own texts for the languages we have: the same files on every system.
set(qt_translations)
foreach(language ${DORVANE_LANGUAGES})
  list(APPEND qt_translations /usr/share/qt6/translations/qtbase_${language}.qm)
endforeach()
foreach(file ${qt_translations})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "${file} is missing: install qt6-translations-l10n (scripts/install-deps.sh --windows)")
  endif()
endforeach()

get_filename_component(libical_prefix ${LibIcal_DIR}/../../.. ABSOLUTE)
set(zoneinfo ${libical_prefix}/share/libical/zoneinfo)
if(NOT EXISTS ${zoneinfo}/zones.tab)
  message(FATAL_ERROR "libical's zone data is missing in ${zoneinfo}")
endif()

add_custom_target(dorvane_windows_files ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${DORVANE_BIN_DIR}/translations ${DORVANE_BIN_DIR}/x
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_translations} ${DORVANE_BIN_DIR}/translations
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/skins/example.cjs ${DORVANE_BIN_DIR}/x/example.cjs
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${zoneinfo} ${DORVANE_BIN_DIR}/zoneinfo
  COMMENT "Placing Qt's translations, the example skin and the zone data beside dorvane.exe"
  VERBATIM)

install(TARGETS dorvane RUNTIME DESTINATION .)
install(FILES ${DORVANE_HAND_CURSOR} DESTINATION .)
install(FILES ${qt_translations} DESTINATION translations)
install(FILES ${PROJECT_SOURCE_DIR}/skins/example.cjs DESTINATION x)
install(DIRECTORY ${zoneinfo}/ DESTINATION zoneinfo)
