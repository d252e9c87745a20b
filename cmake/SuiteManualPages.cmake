# suite_manual_pages(NAME [COMPONENT component]): installs the manual pages of the program NAME,
# man/en/NAME.1.in in English into man1 and man/el/NAME.1.in in Greek into el/man1, with the
# suite's version, release date and installed paths filled in and compressed as Debian asks
# (gzip -9 -n: best compression, no name or time stamp inside). COMPONENT is the package that
# ships them (default suite). The pages are registered for the tests (global property
# SUITE_MANUAL_PAGES: language:path pairs of the uncompressed pages).
find_program(SUITE_GZIP gzip REQUIRED)

set(SUITE_MANUAL_LANGUAGES en el)

# The release date on the pages, and on the Debian changelog: SOURCE_DATE_EPOCH when set (a
# reproducible build), else the time of the last commit when the source is a git checkout, else
# today. Either way the same source gives the same pages.
function(suite_release_timestamp out format)
  if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    find_package(Git QUIET)
    if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
      execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                      OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                      RESULT_VARIABLE failed ERROR_QUIET)
      if(NOT failed AND commit_time MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
        string(TIMESTAMP stamp "${format}" UTC)
        unset(ENV{SOURCE_DATE_EPOCH})
        set(${out} "${stamp}" PARENT_SCOPE)
        return()
      endif()
    endif()
  endif()
  string(TIMESTAMP stamp "${format}" UTC)
  set(${out} "${stamp}" PARENT_SCOPE)
endfunction()

function(suite_manual_pages name)
  suite_component_argument(${ARGN})
  # The values the pages name.
  suite_release_timestamp(SUITE_MANUAL_DATE "%Y-%m-%d")
  set(SUITE_SAMPLES_FULL_DIR ${CMAKE_INSTALL_PREFIX}/${SUITE_SAMPLES_INSTALL_DIR})
  set(SUITE_SAMPLES_README_FULL_PATH ${CMAKE_INSTALL_PREFIX}/${SUITE_SAMPLES_README_INSTALL_PATH})

  foreach(language IN LISTS SUITE_MANUAL_LANGUAGES)
    set(source ${PROJECT_SOURCE_DIR}/man/${language}/${name}.1.in)
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "The program ${name} has no manual page ${source}")
    endif()
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${language}/${name}.1)
    configure_file(${source} ${page} @ONLY)
    # Compressed here, at configure time, as configure_file writes the page: a changed page
    # configures again.
    execute_process(COMMAND ${SUITE_GZIP} -9 -n -f -k ${page} COMMAND_ERROR_IS_FATAL ANY)
    if(language STREQUAL "en")
      set(destination ${CMAKE_INSTALL_MANDIR}/man1)
    else()
      set(destination ${CMAKE_INSTALL_MANDIR}/${language}/man1)
    endif()
    install(FILES ${page}.gz DESTINATION ${destination} COMPONENT ${ARG_COMPONENT})
    set_property(GLOBAL APPEND PROPERTY SUITE_MANUAL_PAGES ${language}:${page})
  endforeach()
endfunction()
