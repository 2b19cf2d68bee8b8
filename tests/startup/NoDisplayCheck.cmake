# Started where no display can be reached, the program says so in one line and fails.
# Run as: cmake -DPROGRAM=<path to valmora> -P NoDisplayCheck.cmake
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ${PROGRAM}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  TIMEOUT 30)
if(status EQUAL 0)
  message(FATAL_ERROR "exit status 0 without a display")
endif()
string(STRIP "${errors}" errors)
string(REGEX MATCHALL "\n" newlines "${errors}")
list(LENGTH newlines lines)
if(NOT lines EQUAL 0 OR NOT errors MATCHES "^valmora: cannot open a window")
  message(FATAL_ERROR "expected one clear line, got:\n${errors}")
endif()
