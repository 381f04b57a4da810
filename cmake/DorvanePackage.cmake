# The Debian package, made by `cpack -G DEB` in the build folder (or
# scripts/package.sh): everything `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Dorvane developers")
set(CPACK_PACKAGE_CONTACT "Dorvane developers <support@dorvane.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "weekly planner documents in Word format")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Dorvane makes a weekly planner. Type one week of appointments into a window,
press Start, and it builds a colourful planner document in Word format: the
days in three coloured pairs, each appointment's number and name beside its
hour. The planner is shown as a picture that can be zoomed, scrolled and
dragged, and is saved as a Word document that Word and LibreOffice open.
From the command line, with no window and no display, it makes the
planners of one or more weeks from a calendar file and saves them as one
Word document, writes them as one PDF or prints them.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${DORVANE_HOMEPAGE})
# The libraries the program links come from dpkg-shlibdeps. Qt finds its
# window-system plugins only at run time, the CUPS client library is loaded
# when printing starts and libzip when a document is first written or read,
# and the renderer's fonts are looked for by name, so those are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcups2, libzip4, fonts-liberation, fonts-dejavu-core")
# Passwords of calendar servers are remembered in the desktop's keyring
# (QtKeychain, which dpkg-shlibdeps names, talks to it over Secret Service);
# without one the program asks for them each time.
#
# Names in other scripts are drawn in whatever installed face has them (the
# fallback fonts): DejaVu Sans has Hebrew and Arabic, Noto CJK has Chinese,
# Japanese and Korean, Lohit Devanagari has Devanagari. Noto's full set
# (most other scripts) and its colour emoji are only suggested: with
# fonts-noto-core installed, fontconfig prefers Noto Sans to DejaVu Sans for
# a family it lacks, and the planner's face would change with it.
#
# Qt's own translations give the standard dialogs' buttons the language of
# Dorvane's windows in German, French and Spanish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-lohit-deva, gnome-keyring, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-noto-core, fonts-noto-color-emoji")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
