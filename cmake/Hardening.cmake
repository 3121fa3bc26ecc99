# SPDX-License-Identifier: MIT
# Debian's hardening flags (fortified functions, stack protector, relro and
# bind now), as dpkg-buildflags gives them for packages of the archive, so the
# program built here is as hard to exploit as one built by a distribution.
# Elsewhere, without dpkg-buildflags, the compiler's own defaults stand.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS OR CMAKE_CROSSCOMPILING)
    return()
endif()

# Only the hardening: the build type chooses optimisation and debug
# information, and the fortified functions would hide the faults that the
# sanitizers look for.
set(_hardening_env
    "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath optimize=-lto"
    "DEB_CXXFLAGS_MAINT_STRIP=-g -O2"
    "DEB_CPPFLAGS_MAINT_STRIP=-Wdate-time")
foreach(_kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env ${_hardening_env} ${DPKG_BUILDFLAGS} --get ${_kind}
        OUTPUT_VARIABLE _flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(_flags UNIX_COMMAND "${_flags}")
    if(VH_SANITIZE OR VH_FUZZ)
        list(FILTER _flags EXCLUDE REGEX "_FORTIFY_SOURCE")
    endif()
    if(_kind STREQUAL "LDFLAGS")
        add_link_options(${_flags})
    else()
        add_compile_options(${_flags})
    endif()
endforeach()
