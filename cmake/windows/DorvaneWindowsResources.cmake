# What the Windows executable carries besides its code: the icon, drawn from
# the same drawing as the Linux icons, and the version Explorer shows. Both
# are made on the host at build time (rsvg-convert and ImageMagick) and
# compiled in by windres. Sets DORVANE_WINDOWS_RESOURCES and the target
# dorvane_windows_icon for src/app.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)

set(icon_drawing ${PROJECT_SOURCE_DIR}/data/icons/dorvane.svg)
set(icon_folder ${CMAKE_BINARY_DIR}/windows-icon)
set(icon_sizes 16 24 32 48 64 128 256)
set(icon_pngs)
foreach(size ${icon_sizes})
  list(APPEND icon_pngs ${icon_folder}/dorvane-${size}.png)
endforeach()
set(DORVANE_WINDOWS_ICON ${icon_folder}/dorvane.ico)
set(render_commands)
foreach(size ${icon_sizes})
  list(APPEND render_commands
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${icon_folder}/dorvane-${size}.png ${icon_drawing})
endforeach()
# One icon file with every size, each as a 32-bit bitmap with alpha
# (the 256 pixel one compressed as PNG, as Windows' own icons are).
add_custom_command(
  OUTPUT ${DORVANE_WINDOWS_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_folder}
  ${render_commands}
  COMMAND ${IMAGEMAGICK_CONVERT} ${icon_pngs} ${DORVANE_WINDOWS_ICON}
  DEPENDS ${icon_drawing}
  COMMENT "Drawing dorvane.ico"
  VERBATIM)

string(REPLACE "." "," DORVANE_VERSION_COMMAS "${PROJECT_VERSION}.0.0")
string(REGEX REPLACE "^([0-9]+,[0-9]+,[0-9]+,[0-9]+).*" "\\1" DORVANE_VERSION_COMMAS "${DORVANE_VERSION_COMMAS}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/dorvane.rc.in ${CMAKE_BINARY_DIR}/windows-icon/dorvane.rc @ONLY)
set(DORVANE_WINDOWS_RESOURCES ${CMAKE_BINARY_DIR}/windows-icon/dorvane.rc)
# The program depends on this target, so the icon is drawn before windres runs.
add_custom_target(dorvane_windows_icon DEPENDS ${DORVANE_WINDOWS_ICON})
