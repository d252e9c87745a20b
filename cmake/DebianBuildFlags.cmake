# SUITE_DEBIAN_BUILD_FLAGS: compile and link with the flags Debian builds its packages with, as
# dpkg-buildflags gives them, with every hardening feature (DEB_BUILD_MAINT_OPTIONS
# hardening=+all unless the environment says otherwise): stack protector, _FORTIFY_SOURCE,
# format-string checks, read-only relocations bound at start (-z relro -z now). The package
# preset turns it on. The flags go before the build type's own, as a distributor's CXXFLAGS do.
option(SUITE_DEBIAN_BUILD_FLAGS "Compile and link with Debian's hardened build flags" OFF)
if(SUITE_DEBIAN_BUILD_FLAGS)
  find_program(SUITE_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  set(maint_options "hardening=+all")
  if(DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
    set(maint_options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # From the source folder: the file-prefix map dpkg-buildflags adds maps it to ".".
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=${maint_options}
              ${SUITE_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  string(PREPEND CMAKE_CXX_FLAGS "${debian_CPPFLAGS} ${debian_CXXFLAGS} ")
  string(PREPEND CMAKE_EXE_LINKER_FLAGS "${debian_LDFLAGS} ")
  string(PREPEND CMAKE_SHARED_LINKER_FLAGS "${debian_LDFLAGS} ")
  string(PREPEND CMAKE_MODULE_LINKER_FLAGS "${debian_LDFLAGS} ")
  message(STATUS "Debian build flags: ${debian_CPPFLAGS} ${debian_CXXFLAGS} | ${debian_LDFLAGS}")
endif()
