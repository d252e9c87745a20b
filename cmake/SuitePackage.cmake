# The suite's Debian packages (./dev package: cpack --preset package). Each package is one CPack
# component: suite_debian_package() declares it, with its name and description, and installs
# its copyright file and Debian changelog; every install rule names the component it belongs to
# (suite_program(... COMPONENT ...)). suite_make_packages(), at the end of the top-level
# CMakeLists, hands them all to CPack. dpkg-shlibdeps computes each package's run-time
# dependencies from its own binaries, so one package's libraries never burden another.

# Who answers for the packages: the Maintainer field and the changelog's signature. A distributor
# sets it; by default it is taken, at the first configure, from DEBFULLNAME and DEBEMAIL, the
# variables Debian's own tools (dch) read.
set(suite_maintainer_default "")
if(DEFINED ENV{DEBEMAIL} AND "$ENV{DEBEMAIL}" MATCHES "<")
  set(suite_maintainer_default "$ENV{DEBEMAIL}")
elseif(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(suite_maintainer_default "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
set(SUITE_PACKAGE_MAINTAINER "${suite_maintainer_default}" CACHE STRING
    "Maintainer of the Debian packages, \"Full Name <address>\"")
# The Debian revision of a package of this version: a distributor raises it for a new package
# of the same source.
set(SUITE_DEBIAN_REVISION 1 CACHE STRING "Debian revision of the packages")
set(SUITE_DEBIAN_VERSION ${PROJECT_VERSION}-${SUITE_DEBIAN_REVISION})
# The number of the Debian bug that asks for the package (the ITP), which its first changelog
# entry closes when it is uploaded to Debian's archive. Without one (a package built for
# installing at hand), the packages tell lintian that their first entry closes none.
set(SUITE_DEBIAN_ITP_BUG "" CACHE STRING "Debian bug number the first changelog entry closes")
set(SUITE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
# The release date and gzip come from the manual pages' module, which SuiteProgram.cmake includes.


# The years of the suite's work, for its copyright notice: from the first commit's year to the
# release's, when the source is a git checkout; else the release's year.
function(suite_copyright_years out)
  suite_release_timestamp(last "%Y")
  set(first ${last})
  find_package(Git QUIET)
  if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} log --max-parents=0 --format=%ad --date=format:%Y
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE roots RESULT_VARIABLE failed ERROR_QUIET)
    string(REGEX MATCHALL "[0-9][0-9][0-9][0-9]" years "${roots}")
    if(NOT failed AND years)
      list(SORT years)
      list(GET years 0 first)
    endif()
  endif()
  if(first STREQUAL last OR first GREATER last)
    set(${out} ${last} PARENT_SCOPE)
  else()
    set(${out} ${first}-${last} PARENT_SCOPE)
  endif()
endfunction()

# suite_debian_package(COMPONENT NAME package DESCRIPTION_FILE file [DEPENDS dependencies]
#                      [RECOMMENDS packages] [SUGGESTS packages]):
# the Debian package `package` of everything installed as COMPONENT. The description file holds
# the one-line summary and then the long description, lines of at most 79 characters; a line
# that starts with a blank is shown as it stands. DEPENDS adds dependencies to those
# dpkg-shlibdeps finds; RECOMMENDS and SUGGESTS fill those fields (Debian's comma-separated
# lists). Installs the package's copyright file and, into the package only, its
# changelog.Debian.gz, both in share/doc/<package>.
function(suite_debian_package component)
  cmake_parse_arguments(ARG "" "NAME;DESCRIPTION_FILE;DEPENDS;RECOMMENDS;SUGGESTS" "" ${ARGN})
  if(NOT ARG_NAME OR NOT ARG_DESCRIPTION_FILE)
    message(FATAL_ERROR "suite_debian_package(${component}) needs NAME and DESCRIPTION_FILE")
  endif()
  get_filename_component(description_file ${ARG_DESCRIPTION_FILE} ABSOLUTE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${description_file})
  file(READ ${description_file} description)

  set(SUITE_DEBIAN_PACKAGE ${ARG_NAME})
  set(out ${PROJECT_BINARY_DIR}/packaging/${ARG_NAME})
  set(docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${ARG_NAME})
  suite_copyright_years(SUITE_COPYRIGHT_YEARS)
  configure_file(${SUITE_PACKAGING_DIR}/copyright.in ${out}/copyright @ONLY)
  install(FILES ${out}/copyright DESTINATION ${docdir} COMPONENT ${component})

  # The changelog and lintian's overrides belong to the Debian package alone: a plain
  # cmake --install leaves them out, while CPack installs the component by name and takes them.
  suite_release_timestamp(SUITE_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000")
  set(SUITE_CHANGELOG_CLOSES "")
  if(SUITE_DEBIAN_ITP_BUG)
    set(SUITE_CHANGELOG_CLOSES " (Closes: #${SUITE_DEBIAN_ITP_BUG})")
  endif()
  configure_file(${SUITE_PACKAGING_DIR}/changelog.Debian.in ${out}/changelog.Debian @ONLY)
  execute_process(COMMAND ${SUITE_GZIP} -9 -n -f -k ${out}/changelog.Debian
                  COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${out}/changelog.Debian.gz DESTINATION ${docdir} COMPONENT ${component}
          EXCLUDE_FROM_ALL)
  if(NOT SUITE_DEBIAN_ITP_BUG)
    configure_file(${SUITE_PACKAGING_DIR}/lintian-overrides.in ${out}/lintian-overrides @ONLY)
    install(FILES ${out}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
            RENAME ${ARG_NAME} COMPONENT ${component} EXCLUDE_FROM_ALL)
  endif()

  set_property(GLOBAL APPEND PROPERTY SUITE_DEBIAN_COMPONENTS ${component})
  set_property(GLOBAL PROPERTY SUITE_DEBIAN_NAME_${component} ${ARG_NAME})
  set_property(GLOBAL PROPERTY SUITE_DEBIAN_DESCRIPTION_${component} "${description}")
  set_property(GLOBAL PROPERTY SUITE_DEBIAN_DEPENDS_${component} "${ARG_DEPENDS}")
  set_property(GLOBAL PROPERTY SUITE_DEBIAN_RECOMMENDS_${component} "${ARG_RECOMMENDS}")
  set_property(GLOBAL PROPERTY SUITE_DEBIAN_SUGGESTS_${component} "${ARG_SUGGESTS}")
  set_property(GLOBAL PROPERTY SUITE_DEBIAN_COPYRIGHT_${component} ${out}/copyright)
endfunction()

# Hands every declared package to CPack: one .deb per component, named
# <package>_<version>-<revision>_<architecture>.deb as Debian names them. A macro, so that CPack
# reads the settings in the top-level scope.
macro(suite_make_packages)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME ${SUITE_PACKAGE_NAME})
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_VENDOR "Photogrammetry teaching suite")
  set(CPACK_PACKAGE_CONTACT "${SUITE_PACKAGE_MAINTAINER}")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_DEBIAN_PACKAGE_RELEASE ${SUITE_DEBIAN_REVISION})
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Refuses, when a package is made, a maintainer that is missing or no real address.
  set(CPACK_PROJECT_CONFIG_FILE ${SUITE_PACKAGING_DIR}/check_maintainer.cmake)
  get_property(CPACK_COMPONENTS_ALL GLOBAL PROPERTY SUITE_DEBIAN_COMPONENTS)
  foreach(suite_component IN LISTS CPACK_COMPONENTS_ALL)
    string(TOUPPER ${suite_component} suite_upper)
    get_property(CPACK_DEBIAN_${suite_upper}_PACKAGE_NAME GLOBAL
                 PROPERTY SUITE_DEBIAN_NAME_${suite_component})
    get_property(CPACK_DEBIAN_${suite_upper}_DESCRIPTION GLOBAL
                 PROPERTY SUITE_DEBIAN_DESCRIPTION_${suite_component})
    get_property(CPACK_DEBIAN_${suite_upper}_PACKAGE_DEPENDS GLOBAL
                 PROPERTY SUITE_DEBIAN_DEPENDS_${suite_component})
    get_property(CPACK_DEBIAN_${suite_upper}_PACKAGE_RECOMMENDS GLOBAL
                 PROPERTY SUITE_DEBIAN_RECOMMENDS_${suite_component})
    get_property(CPACK_DEBIAN_${suite_upper}_PACKAGE_SUGGESTS GLOBAL
                 PROPERTY SUITE_DEBIAN_SUGGESTS_${suite_component})
  endforeach()
  include(CPack)
endmacro()
