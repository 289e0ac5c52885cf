# Fails if any object of the shading library calls a power, exponential or
# logarithm of the maths library: the runtimes' versions differ in their last
# bits, so colours would differ from build to build.
#
# cmake -DNM=<nm> -DLIBRARY=<static library> -P NoMathsLibraryPower.cmake

execute_process(COMMAND "${NM}" -u "${LIBRARY}"
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} -u ${LIBRARY} failed: ${errors}")
endif()
# A listing without the power function's own object would pass for nothing.
if(NOT listing MATCHES "GammaPower\\.cpp\\.o(bj)?:")
  message(FATAL_ERROR "no GammaPower object in the listing of ${LIBRARY}:\n${listing}")
endif()

set(object "")
set(found "")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "^(.+):$")
    set(object "${CMAKE_MATCH_1}")
  elseif(line MATCHES "U +_*((pow|exp|exp2|exp10|expm1|log|log2|log10|log1p)(f|l)?(_finite)?)(@.*)?$")
    list(APPEND found "${object}: ${CMAKE_MATCH_1}")
  endif()
endforeach()
if(found)
  list(JOIN found "\n  " found)
  message(FATAL_ERROR "shading calls the maths library:\n  ${found}")
endif()
