# Renders the manual page PAGE (of the program PROGRAM, in LANGUAGE) as lintian does, with man's
# warnings on, and fails on any message of man or groff. An English page must also give whatis
# (lexgrog) the program's name and a one-line description.
cmake_minimum_required(VERSION 3.25)
set(ENV{LC_ALL} C.UTF-8)
set(ENV{MANROFFSEQ} "")
set(ENV{MANWIDTH} 80)
execute_process(COMMAND ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z ${PAGE}
                RESULT_VARIABLE failed OUTPUT_VARIABLE rendered ERROR_VARIABLE messages)
if(failed OR NOT messages STREQUAL "")
  message(FATAL_ERROR "man ${PAGE} (exit ${failed}):\n${messages}")
endif()
string(LENGTH "${rendered}" length)
if(length LESS 2000)
  message(FATAL_ERROR "${PAGE} renders to ${length} bytes only")
endif()
if(LANGUAGE STREQUAL "en")
  execute_process(COMMAND ${LEXGROG} ${PAGE} RESULT_VARIABLE failed OUTPUT_VARIABLE whatis)
  if(failed OR NOT whatis MATCHES ": \"${PROGRAM} - [^\"]+\"")
    message(FATAL_ERROR "whatis cannot read the NAME section of ${PAGE}: ${whatis}")
  endif()
endif()
message(STATUS "${PAGE} renders without a warning")
