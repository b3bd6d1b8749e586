# Installs the current build into a prefix under WORK_DIR and builds a host
# of its own against the installation twice: a CMake project that finds the
# package, and the same source compiled with the flags pkg-config gives.
# Both must run and print the rectangle the library computes.
#
#   cmake -DBUILD_DIR=... -DCONFIG=... -DWORK_DIR=... -DCONSUMER_DIR=...
#         -DHEADER=... -DGENERATOR=... -DMAKE_PROGRAM=... -DC_COMPILER=...
#         -DPKG_CONFIG=... -DREADELF=... -DLIBDIR=... -DINCLUDEDIR=...
#         -DVERSION=... -DSOVERSION=... -P install_consumer.cmake
#
# WORK_DIR is removed at the start and at the end (also on failure, unless
# the environment sets UNITCMN_KEEP_INSTALL_TEST).
cmake_minimum_required(VERSION 3.25)

foreach(input BUILD_DIR WORK_DIR CONSUMER_DIR HEADER GENERATOR C_COMPILER LIBDIR INCLUDEDIR
              VERSION SOVERSION)
  if("${${input}}" STREQUAL "")
    message(FATAL_ERROR "install_consumer.cmake: ${input} is not set")
  endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
set(name unitCmnAlignmentJobPosition)
set(library lib${name}.so)
set(expected_output
    "consumer rectangle: x=0.000000 y=0.000000 width=300.000000 height=410.000000")

# `cmake --install` writes its manifest into the build folder; the one a
# real installation left there is put back afterwards.
set(manifest ${BUILD_DIR}/install_manifest.txt)
set(had_manifest FALSE)
if(EXISTS ${manifest})
  set(had_manifest TRUE)
  file(READ ${manifest} manifest_content)
endif()

function(clean_up)
  if(had_manifest)
    file(WRITE ${manifest} "${manifest_content}")
  else()
    file(REMOVE ${manifest})
  endif()
  if(NOT DEFINED ENV{UNITCMN_KEEP_INSTALL_TEST})
    file(REMOVE_RECURSE ${WORK_DIR})
  endif()
endfunction()

function(fail)
  clean_up()
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "install_consumer: ${text}")
endfunction()

# run(OUT <var> COMMAND ...): runs the command, fails on a non-zero exit and
# hands back standard output.
function(run)
  cmake_parse_arguments(ARG "" "OUT" "COMMAND" ${ARGN})
  execute_process(COMMAND ${ARG_COMMAND}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    string(JOIN " " shown ${ARG_COMMAND})
    fail("`${shown}` failed (${result}):\n${out}\n${err}")
  endif()
  if(ARG_OUT)
    set(${ARG_OUT} "${out}" PARENT_SCOPE)
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

# --- (a) the installation ----------------------------------------------------
set(install_command ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
if(CONFIG)
  list(APPEND install_command --config ${CONFIG})
endif()
run(COMMAND ${install_command})

# Exactly the header, the library with its two links and the package files:
# no static component, test or tool.
set(expected_files
    ${INCLUDEDIR}/${name}.h
    ${LIBDIR}/${library}
    ${LIBDIR}/${library}.${SOVERSION}
    ${LIBDIR}/${library}.${VERSION}
    ${LIBDIR}/cmake/${name}/${name}Config.cmake
    ${LIBDIR}/cmake/${name}/${name}ConfigVersion.cmake
    ${LIBDIR}/pkgconfig/${name}.pc)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
list(SORT installed)
list(SORT expected_files)
if(NOT installed STREQUAL expected_files)
  string(REPLACE ";" "\n  " got "${installed}")
  string(REPLACE ";" "\n  " want "${expected_files}")
  fail("installed files differ.\nInstalled:\n  ${got}\nExpected:\n  ${want}")
endif()

file(SHA256 ${HEADER} source_header)
file(SHA256 ${prefix}/${INCLUDEDIR}/${name}.h installed_header)
if(NOT source_header STREQUAL installed_header)
  fail("the installed header is not include/${name}.h")
endif()

# The development link points at the SONAME link, which points at the file.
foreach(link_target IN ITEMS "${library}|${library}.${SOVERSION}"
                             "${library}.${SOVERSION}|${library}.${VERSION}")
  string(REPLACE "|" ";" link_target "${link_target}")
  list(GET link_target 0 link)
  list(GET link_target 1 target)
  if(NOT IS_SYMLINK ${prefix}/${LIBDIR}/${link})
    fail("${LIBDIR}/${link} is not a symbolic link")
  endif()
  file(READ_SYMLINK ${prefix}/${LIBDIR}/${link} points_to)
  if(NOT points_to STREQUAL target)
    fail("${LIBDIR}/${link} points to ${points_to}, not ${target}")
  endif()
endforeach()

# The installed library names itself by its SONAME and does not look for
# anything in the build folder.
if(READELF)
  run(OUT dynamic COMMAND ${READELF} -d ${prefix}/${LIBDIR}/${library}.${VERSION})
  if(NOT dynamic MATCHES "\\(SONAME\\)[^\n]*\\[${library}\\.${SOVERSION}\\]")
    fail("the installed library has no SONAME ${library}.${SOVERSION}:\n${dynamic}")
  endif()
  if(dynamic MATCHES "(RPATH|RUNPATH)[^\n]*${BUILD_DIR}")
    fail("the installed library searches the build folder:\n${dynamic}")
  endif()
endif()

# The version file accepts what a host of this major version asks for.
set(version_file ${prefix}/${LIBDIR}/cmake/${name}/${name}ConfigVersion.cmake)
function(check_version requested expect_compatible)
  set(PACKAGE_FIND_VERSION ${requested})
  string(REGEX MATCH "^[0-9]+" PACKAGE_FIND_VERSION_MAJOR ${requested})
  include(${version_file})
  if(NOT PACKAGE_VERSION STREQUAL VERSION)
    fail("the package says version ${PACKAGE_VERSION}, the build is ${VERSION}")
  endif()
  if((PACKAGE_VERSION_COMPATIBLE AND NOT expect_compatible)
     OR (NOT PACKAGE_VERSION_COMPATIBLE AND expect_compatible))
    fail("version ${VERSION} answers compatible=${PACKAGE_VERSION_COMPATIBLE} "
         "to a request for ${requested}")
  endif()
endfunction()
check_version(${SOVERSION} TRUE)
check_version(${VERSION} TRUE)
math(EXPR next_major "${SOVERSION} + 1")
check_version(${next_major}.0 FALSE)
string(REGEX MATCH "^[0-9]+\\.[0-9]+" major_minor ${VERSION})
string(REGEX MATCH "[0-9]+$" minor ${major_minor})
math(EXPR next_minor "${minor} + 1")
check_version(${SOVERSION}.${next_minor} FALSE)

# --- (b) a CMake host that finds the package ---------------------------------
# Nothing but the prefix tells it where the library is; it runs without
# LD_LIBRARY_PATH (CMake gives the executable the library's folder as its
# run path).
set(consumer_build ${WORK_DIR}/consumer-build)
set(configure_command ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${consumer_build}
                      -G ${GENERATOR} -DCMAKE_C_COMPILER=${C_COMPILER}
                      -DCMAKE_PREFIX_PATH=${prefix}
                      -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
if(MAKE_PROGRAM)
  list(APPEND configure_command -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM})
endif()
if(CONFIG)
  list(APPEND configure_command -DCMAKE_BUILD_TYPE=${CONFIG})
endif()
run(COMMAND ${configure_command})
file(STRINGS ${consumer_build}/CMakeCache.txt package_dir REGEX "^${name}_DIR:")
if(NOT package_dir STREQUAL "${name}_DIR:PATH=${prefix}/${LIBDIR}/cmake/${name}")
  fail("the consumer found the package elsewhere: ${package_dir}")
endif()
run(COMMAND ${CMAKE_COMMAND} --build ${consumer_build})

unset(ENV{LD_LIBRARY_PATH})
run(OUT output COMMAND ${consumer_build}/consumer)
string(FIND "${output}" "${expected_output}\n" found)
if(found EQUAL -1)
  fail("the CMake consumer printed:\n${output}\nexpected the line:\n${expected_output}")
endif()

# It needs the library by its SONAME and nothing of what the library needs.
if(READELF)
  run(OUT needed COMMAND ${READELF} -d ${consumer_build}/consumer)
  if(NOT needed MATCHES "\\(NEEDED\\)[^\n]*\\[${library}\\.${SOVERSION}\\]")
    fail("the consumer does not need ${library}.${SOVERSION}:\n${needed}")
  endif()
  if(needed MATCHES "boost")
    fail("the consumer links Boost itself:\n${needed}")
  endif()
endif()

# --- (c) the same host built with pkg-config's flags --------------------------
if(NOT PKG_CONFIG)
  fail("pkg-config was not found (scripts/install-deps.sh installs it)")
endif()
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
run(OUT modversion COMMAND ${PKG_CONFIG} --modversion ${name})
string(STRIP "${modversion}" modversion)
if(NOT modversion STREQUAL VERSION)
  fail("pkg-config says version ${modversion}, the build is ${VERSION}")
endif()
run(OUT flags COMMAND ${PKG_CONFIG} --cflags --libs ${name})
separate_arguments(flags UNIX_COMMAND "${flags}")
run(COMMAND ${C_COMPILER} -std=c99 -Wall -Wextra -Werror -pedantic
            ${CONSUMER_DIR}/main.c -o ${WORK_DIR}/consumer-pc ${flags})

set(ENV{LD_LIBRARY_PATH} ${prefix}/${LIBDIR})
run(OUT output COMMAND ${WORK_DIR}/consumer-pc)
unset(ENV{LD_LIBRARY_PATH})
string(FIND "${output}" "${expected_output}\n" found)
if(found EQUAL -1)
  fail("the pkg-config consumer printed:\n${output}\nexpected the line:\n${expected_output}")
endif()

clean_up()
message(STATUS "install_consumer: installed, found by CMake and by pkg-config, both hosts ran")
