# suite_library(NAME SOURCES a.cpp … LINKS lib … [WINDOWS]): a static library of the suite, whose
# headers are included by their path from the top folder ("gui/twips.h"). WINDOWS: a library of
# Qt windows, which moc reads; without it the library has no Qt, unless a library it links has.
# The fuzz build, which has no Qt, makes no library of windows.
function(suite_library name)
  cmake_parse_arguments(ARG "WINDOWS" "" "SOURCES;LINKS" ${ARGN})
  if(ARG_WINDOWS AND SUITE_FUZZ)
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  if(ARG_WINDOWS)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PUBLIC Qt6::Widgets)
  endif()
endfunction()

# suite_main(NAME): the program NAME, its main.cpp on its windows (the library NAME_window),
# installed as a desktop application (suite_program). None in the fuzz build.
function(suite_main name)
  if(SUITE_FUZZ)
    return()
  endif()
  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_window)
  suite_program(${name})
endfunction()
