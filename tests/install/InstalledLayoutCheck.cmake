# Installs the build into a scratch prefix and checks that the program, started through
# bin/valmora (a symlink), takes its help file from the folder the link points into; and
# that the installed AppStream metadata, desktop entry and icons validate together.
#
# The installed program is replaced by the scenario driver under the same name: the driver
# runs the same start-up and takes the executable path from the same Qt call as the
# program, and it reports the help file it was given, which the program cannot.
#
# Run as: cmake -DBUILD_DIR=<build> -DDRIVER=<valmora-scenario> -DWORK_DIR=<scratch>
#               -P InstalledLayoutCheck.cmake

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(REAL_PATH ${WORK_DIR} work)
set(prefix ${work}/prefix)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()

set(program ${prefix}/lib/valmora/valmora)
set(help ${prefix}/lib/valmora/valmora.hlp)
if(NOT EXISTS ${program} OR IS_SYMLINK ${program})
  message(FATAL_ERROR "the program is not installed as a file at ${program}")
endif()
if(NOT EXISTS ${help})
  message(FATAL_ERROR "the help file is not installed beside the program: ${help}")
endif()
if(NOT IS_SYMLINK ${prefix}/bin/valmora)
  message(FATAL_ERROR "bin/valmora is not a symlink")
endif()
file(READ_SYMLINK ${prefix}/bin/valmora link)
if(NOT link STREQUAL "../lib/valmora/valmora")
  message(FATAL_ERROR "bin/valmora points to '${link}', not to ../lib/valmora/valmora")
endif()

# The metadata, the desktop entry it launches and the icons, checked together as installed.
execute_process(COMMAND appstreamcli validate-tree --no-net ${prefix}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree: ${status}\n${output}${errors}")
endif()

file(COPY_FILE ${DRIVER} ${program})
file(WRITE ${work}/help.scenario "key F1\nshow\n")

# Expects one `show` line whose help file, and the file F1 opened, is the installed one.
function(check_started_as description)
  execute_process(COMMAND ${ARGN}
                  INPUT_FILE ${work}/help.scenario
                  WORKING_DIRECTORY ${work}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors
                  TIMEOUT 60)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${description}: exit status ${status}\n${output}${errors}")
  endif()
  string(JSON help_file ERROR_VARIABLE json_error GET "${output}" helpFile)
  string(JSON opened ERROR_VARIABLE json_error GET "${output}" help 0)
  if(json_error)
    message(FATAL_ERROR "${description}: unexpected output: ${output}${errors}")
  endif()
  if(NOT help_file STREQUAL help OR NOT opened STREQUAL help)
    message(FATAL_ERROR "${description}: help file '${help_file}', F1 opened '${opened}'; "
                        "expected ${help}")
  endif()
endfunction()

check_started_as("started by the link's path" ${prefix}/bin/valmora)
check_started_as("started by name from the search path"
                 ${CMAKE_COMMAND} -E env "PATH=${prefix}/bin:$ENV{PATH}" valmora)
