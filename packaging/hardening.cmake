# Debian's hardening flags (stack protector, fortified C library calls, read-only relocations
# bound at start), as dpkg-buildflags gives them, for every target of the build. Included from
# the top level before the subdirectories; does nothing unless NUMO_HARDENING is on.
#
# The optimisation and debug flags of dpkg-buildflags are left out: the build type sets those.
# Fortification needs an optimising build, and the sanitizers replace the checked functions with
# their own, so it is left out of unoptimised builds and of the sanitizer and fuzzing builds.

if(NOT NUMO_HARDENING)
    return()
endif()

find_program(NUMO_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT NUMO_DPKG_BUILDFLAGS)
    message(WARNING "NUMO_HARDENING: dpkg-buildflags not found, building without hardening flags")
    return()
endif()

function(numo_buildflags variable out)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${NUMO_DPKG_BUILDFLAGS} --get ${variable}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^(-g.*|-O.*)$")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

numo_buildflags(CXXFLAGS numo_hardening_cxxflags)
numo_buildflags(CPPFLAGS numo_hardening_cppflags)
numo_buildflags(LDFLAGS numo_hardening_ldflags)

# Level 2 checks a call only where the compiler knows the destination's size at compile time.
# The program calls no C library string function itself: its memcpy, memmove and memset calls come
# from the standard library's and Qt's inline container code, and copy into heap buffers whose
# size only the running program knows, so level 2 leaves every one of them unchecked. Level 3 also
# uses the sizes known at run time; the C library takes it from GCC 12 and clang 9 on.
if((CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12)
    OR (CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 9))
    list(TRANSFORM numo_hardening_cppflags REPLACE "^-D_FORTIFY_SOURCE=2$" "-D_FORTIFY_SOURCE=3")
endif()

string(TOUPPER "${CMAKE_BUILD_TYPE}" numo_build_type)
if(NUMO_SANITIZE OR NUMO_FUZZ OR numo_build_type STREQUAL "DEBUG" OR numo_build_type STREQUAL "")
    list(FILTER numo_hardening_cppflags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
endif()

add_compile_options(${numo_hardening_cxxflags} ${numo_hardening_cppflags})
add_link_options(${numo_hardening_ldflags})
message(STATUS "Hardening: ${numo_hardening_cxxflags} ${numo_hardening_cppflags} ${numo_hardening_ldflags}")
