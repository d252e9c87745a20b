# Read by cpack before it makes the packages: a package names a maintainer who can be reached.
if(NOT CPACK_PACKAGE_CONTACT MATCHES "^[^<>@]+ <[^<>@ ]+@[^<>@ ]+\\.[^<>@ ]+>$"
   OR CPACK_PACKAGE_CONTACT MATCHES "@localhost")
  message(FATAL_ERROR
    "The Debian packages need a maintainer who can be reached, \"Full Name <address>\"; "
    "it is \"${CPACK_PACKAGE_CONTACT}\". Configure with "
    "-DSUITE_PACKAGE_MAINTAINER=\"Full Name <address>\" (./dev package takes the same option), "
    "or set DEBFULLNAME and DEBEMAIL before the first configure.")
endif()
