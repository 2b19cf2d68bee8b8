# Builds valmora_*.deb and checks it from outside, with dpkg-deb and lintian.
#
# Run as: cmake -DCPACK=<cpack> -DCPACK_CONFIG=<build>/CPackConfig.cmake -DVERSION=<4.00>
#               -DWORK_DIR=<scratch> -DTAG_NOTES=<docs/packaging.md> -P DebianPackageCheck.cmake

set(failures "")
macro(fail text)
  string(APPEND failures "\n  ${text}")
endmacro()

function(run output_variable)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                  ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed (${status}):\n${output}${errors}")
  endif()
  set(${output_variable} "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run(ignored ${CPACK} --config ${CPACK_CONFIG} -G DEB -B ${WORK_DIR})
file(GLOB packages ${WORK_DIR}/valmora_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one valmora_*.deb in ${WORK_DIR}, found ${count}")
endif()
set(deb ${packages})

# --- control fields ------------------------------------------------------------------------

function(field name output_variable)
  run(value dpkg-deb --field ${deb} ${name})
  string(STRIP "${value}" value)
  set(${output_variable} "${value}" PARENT_SCOPE)
endfunction()

run(architecture dpkg --print-architecture)
string(STRIP "${architecture}" architecture)
field(Package package)
field(Version version)
field(Architecture package_architecture)
field(Section section)
field(Maintainer maintainer)
field(Depends depends)
field(Description description)

if(NOT package STREQUAL "valmora")
  fail("Package is '${package}'")
endif()
if(NOT version STREQUAL VERSION)
  fail("Version is '${version}', the project's is '${VERSION}'")
endif()
if(NOT package_architecture STREQUAL architecture)
  fail("Architecture is '${package_architecture}', dpkg says '${architecture}'")
endif()
if(NOT section STREQUAL "math")
  fail("Section is '${section}'")
endif()
if(NOT maintainer MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  fail("Maintainer '${maintainer}' is not a name with an address")
endif()
# The libraries come from dpkg-shlibdeps; the platform plugins are named by hand.
foreach(dependency IN ITEMS libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6
                            libqt6svg6 qt6-qpa-plugins)
  if(NOT depends MATCHES "(^|, )${dependency}( |,|$)")
    fail("Depends lacks ${dependency}: ${depends}")
  endif()
endforeach()
string(REGEX MATCH "^[^\n]*" synopsis "${description}")
if(synopsis STREQUAL "" OR description STREQUAL synopsis)
  fail("Description needs a synopsis and a long text:\n${description}")
endif()

# --- files -----------------------------------------------------------------------------------

# Everything but directories, as "<mode> <path>" (a link with its target).
run(listing dpkg-deb --contents ${deb})
string(REPLACE "\n" ";" lines "${listing}")
set(entries "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([-l][rwx-]+) [^ ]+ +[0-9]+ [0-9-]+ [0-9:]+ \\./(.*)$")
    list(APPEND entries "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}")
  endif()
endforeach()
list(SORT entries)

set(expected
  "-rw-r--r-- usr/lib/valmora/valmora.hlp"
  "-rw-r--r-- usr/share/applications/org.valmora.Valmora.desktop"
  "-rw-r--r-- usr/share/doc/valmora/changelog.gz"
  "-rw-r--r-- usr/share/doc/valmora/copyright"
  "-rw-r--r-- usr/share/icons/hicolor/scalable/apps/org.valmora.Valmora.svg"
  "-rw-r--r-- usr/share/man/man1/valmora.1.gz"
  "-rw-r--r-- usr/share/metainfo/org.valmora.Valmora.metainfo.xml"
  "-rwxr-xr-x usr/lib/valmora/valmora"
  "lrwxrwxrwx usr/bin/valmora -> ../lib/valmora/valmora")
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
  list(APPEND expected
       "-rw-r--r-- usr/share/icons/hicolor/${size}x${size}/apps/org.valmora.Valmora.png")
endforeach()
list(SORT expected)

set(missing ${expected})
list(REMOVE_ITEM missing ${entries})
set(unexpected ${entries})
list(REMOVE_ITEM unexpected ${expected})
foreach(entry IN LISTS missing)
  fail("missing from the package: ${entry}")
endforeach()
foreach(entry IN LISTS unexpected)
  fail("not expected in the package: ${entry}")
endforeach()

# --- lintian ---------------------------------------------------------------------------------

# Errors and warnings fail; every tag that stays (down to the experimental ones) must be
# explained in docs/packaging.md, so that a new one is looked at.
execute_process(COMMAND lintian --fail-on error,warning --pedantic --display-info
                        --display-experimental ${deb}
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE errors)
message(STATUS "lintian:\n${report}")
if(NOT status MATCHES "^[0-9]+$")
  fail("lintian could not run: ${status} ${errors}")
elseif(NOT status EQUAL 0)
  fail("lintian reports errors or warnings")
endif()
file(READ ${TAG_NOTES} notes)
string(REGEX MATCHALL "(^|\n)[A-Z]: valmora: [a-z0-9.+-]+" tags "${report}")
foreach(tag IN LISTS tags)
  string(REGEX REPLACE ".*: " "" tag "${tag}")
  string(FIND "${notes}" "`${tag}`" at)
  if(at EQUAL -1)
    fail("lintian tag ${tag} is not explained in ${TAG_NOTES}")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${deb}:${failures}")
endif()
message(STATUS "${deb}: control fields, ${count} package, file list and lintian as expected")
