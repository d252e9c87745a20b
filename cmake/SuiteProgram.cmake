# The suite's install layout, and suite_program(NAME), which installs one program of the suite
# as a desktop application: its executable, desktop entry, icons, AppStream metadata and manual
# pages.
include(GNUInstallDirs)

# The suite's name on an installed system: its data folder share/photogrammetry-suite, its
# documentation folder and its Debian package.
set(SUITE_PACKAGE_NAME photogrammetry-suite)
# Prefix of the programs' desktop identities (desktop entry, icon and AppStream component):
# <prefix>.<program>, in reverse-DNS form as AppStream asks.
set(SUITE_APP_ID_PREFIX org.photogrammetry_suite)
# The suite's notice lets everyone use, copy and share the programs for teaching and study,
# terms that no SPDX licence states; AppStream's name for such terms is LicenseRef-proprietary.
set(SUITE_PROJECT_LICENSE LicenseRef-proprietary)
# The metainfo files themselves: all permissive.
set(SUITE_METADATA_LICENSE FSFAP)
set(SUITE_ICON_SIZES 16 32 48 64 128 256)

set(SUITE_SAMPLES_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/${SUITE_PACKAGE_NAME}/samples)
# The description of the samples, with the suite's documentation.
set(SUITE_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${SUITE_PACKAGE_NAME})
set(SUITE_SAMPLES_README_INSTALL_PATH ${SUITE_DOC_INSTALL_DIR}/samples/README.md)
# The installed samples folder and their description seen from the installed programs, e.g.
# ../share/photogrammetry-suite/samples: they hold whatever prefix the suite is installed into.
file(RELATIVE_PATH SUITE_SAMPLES_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/${SUITE_PACKAGE_NAME}/samples)
file(RELATIVE_PATH SUITE_SAMPLES_README_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${SUITE_SAMPLES_README_INSTALL_PATH})

# Everything installed belongs to a package (a CPack component); the five programs, their
# samples and documentation to the suite's own package, "suite".
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME suite)
# suite_component_argument(ARGS...): ARG_COMPONENT := the component that "COMPONENT component"
# among ARGS names, else suite. A macro, so that it sets the calling function's variable.
macro(suite_component_argument)
  cmake_parse_arguments(ARG "" "COMPONENT" "" ${ARGN})
  if(NOT ARG_COMPONENT)
    set(ARG_COMPONENT suite)
  endif()
endmacro()

include(${CMAKE_CURRENT_LIST_DIR}/SuiteManualPages.cmake)

find_program(SUITE_RSVG_CONVERT rsvg-convert REQUIRED)

# suite_install_executable(NAME [COMPONENT component]): installs the executable target NAME into
# bin/ as part of the package COMPONENT (default suite), with its manual pages
# (suite_manual_pages), and registers it for the install test (global property SUITE_EXECUTABLES).
# suite_program() calls it; a command-line program calls it alone.
function(suite_install_executable name)
  suite_component_argument(${ARGN})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${ARG_COMPONENT})
  # A stripped install (cmake --install --strip, and CPack's) also drops the compilers' notes in
  # .comment, as Debian's binaries have none.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${name}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()" COMPONENT ${ARG_COMPONENT})
  suite_manual_pages(${name} COMPONENT ${ARG_COMPONENT})
  set_property(GLOBAL APPEND PROPERTY SUITE_EXECUTABLES ${name})
endfunction()

# suite_program(NAME [COMPONENT component]): NAME is an executable target of the program's name.
# Its desktop entry, metainfo and icon come from desktop/NAME.desktop.in,
# desktop/NAME.metainfo.xml.in and desktop/NAME.svg, its manual pages from man/en/NAME.1.in and
# man/el/NAME.1.in. Embeds the icon, rendered at every size, in the executable (for its window
# icon; also as the object library NAME_icon, for tests), installs the program as part of the
# package COMPONENT (default suite), and registers it for the desktop tests (global property
# SUITE_PROGRAMS).
function(suite_program name)
  suite_component_argument(${ARGN})
  set(source ${PROJECT_SOURCE_DIR}/desktop)
  set(binary ${CMAKE_CURRENT_BINARY_DIR}/desktop)
  set(SUITE_APP_ID ${SUITE_APP_ID_PREFIX}.${name})
  set(SUITE_PROGRAM ${name})
  configure_file(${source}/${name}.desktop.in ${binary}/${SUITE_APP_ID}.desktop @ONLY)
  configure_file(${source}/${name}.metainfo.xml.in ${binary}/${SUITE_APP_ID}.metainfo.xml @ONLY)

  set(svg ${source}/${name}.svg)
  set(pngs)
  foreach(size IN LISTS SUITE_ICON_SIZES)
    set(png ${binary}/icon/${name}/${size}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${binary}/icon/${name}
      COMMAND ${SUITE_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${svg}
      DEPENDS ${svg}
      COMMENT "Rendering the ${size} px icon of ${name}"
      VERBATIM)
    list(APPEND pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${SUITE_APP_ID}.png COMPONENT ${ARG_COMPONENT})
  endforeach()
  add_library(${name}_icon OBJECT)
  qt_add_resources(${name}_icon ${name}_icon PREFIX /suite/icons BASE ${binary}/icon FILES ${pngs})
  target_link_libraries(${name} PRIVATE ${name}_icon)

  suite_install_executable(${name} COMPONENT ${ARG_COMPONENT})
  install(FILES ${binary}/${SUITE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          COMPONENT ${ARG_COMPONENT})
  install(FILES ${binary}/${SUITE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
          COMPONENT ${ARG_COMPONENT})
  install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${SUITE_APP_ID}.svg COMPONENT ${ARG_COMPONENT})

  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAMS ${name})
  set_property(GLOBAL PROPERTY SUITE_DESKTOP_FILE_${name} ${binary}/${SUITE_APP_ID}.desktop)
  set_property(GLOBAL PROPERTY SUITE_METAINFO_FILE_${name} ${binary}/${SUITE_APP_ID}.metainfo.xml)
endfunction()
