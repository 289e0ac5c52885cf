# Runs the quiltra tool of a Linux build and of this Windows build with the
# same arguments ("|"-separated in ARGUMENTS) and requires the same output,
# byte for byte: the same pick and the same floats for every key.
#
#   cmake -DLINUX_TOOL=... -DWINDOWS_TOOL=... -DRUN=<wine runner> -DARGUMENTS=... -P SameSamples.cmake
cmake_policy(VERSION 3.25)
string(REPLACE "|" ";" arguments "${ARGUMENTS}")

if(NOT EXISTS "${LINUX_TOOL}")
  message(FATAL_ERROR "no Linux quiltra tool at ${LINUX_TOOL}: build the ci preset first "
                      "(or set QUILTRA_LINUX_TOOL)")
endif()

execute_process(COMMAND "${LINUX_TOOL}" ${arguments}
  OUTPUT_VARIABLE linux ERROR_VARIABLE linux_errors RESULT_VARIABLE linux_status)
execute_process(COMMAND "${RUN}" "${WINDOWS_TOOL}" ${arguments}
  OUTPUT_VARIABLE windows ERROR_VARIABLE windows_errors RESULT_VARIABLE windows_status)

if(NOT linux_status EQUAL 0 OR NOT windows_status EQUAL 0)
  message(FATAL_ERROR "exit status: Linux ${linux_status}, Windows ${windows_status}\n"
                      "${linux_errors}${windows_errors}")
endif()
if(linux STREQUAL "")
  message(FATAL_ERROR "the Linux tool printed nothing")
endif()

string(STRIP "${linux}" linux_text)
string(STRIP "${windows}" windows_text)
string(REPLACE "\n" ";" linux_lines "${linux_text}")
string(REPLACE "\n" ";" windows_lines "${windows_text}")
list(LENGTH linux_lines linux_count)
list(LENGTH windows_lines windows_count)
if(NOT linux STREQUAL windows)
  set(shown 0)
  set(report "")
  math(EXPR last "${linux_count} - 1")
  foreach(i RANGE ${last})
    list(GET linux_lines ${i} l)
    if(i LESS windows_count)
      list(GET windows_lines ${i} w)
    else()
      set(w "(missing)")
    endif()
    if(NOT l STREQUAL w)
      string(APPEND report "  Linux:   ${l}\n  Windows: ${w}\n")
      math(EXPR shown "${shown} + 1")
      if(shown EQUAL 5)
        break()
      endif()
    endif()
  endforeach()
  message(FATAL_ERROR "samples differ (${linux_count} and ${windows_count} lines); first "
                      "differences (key pick r g b a mono):\n${report}")
endif()
message(STATUS "${linux_count} lines identical")
