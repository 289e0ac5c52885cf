# Compiler settings shared by every target of the project.
#
# Colours must come out identical on every build, so floating point is strict
# everywhere: each operation rounded on its own (no contraction into fused
# multiply-adds, no fast-math) and SSE2 arithmetic also on 32-bit x86, where
# the default would be the x87 stack with its wider intermediates.

option(QUILTRA_WERROR "Treat compiler warnings as errors" OFF)
set(QUILTRA_SANITIZE "" CACHE STRING "Sanitizers to build with: address, undefined, thread (comma separated)")

add_library(quiltra_build_options INTERFACE)
# C++ only: on Windows the resource compiler shares the targets' flags.
target_compile_options(quiltra_build_options INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-ffp-contract=off;-fno-fast-math>
  $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${QUILTRA_WERROR}>>:-Werror>)

if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$")
  target_compile_options(quiltra_build_options INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-msse2;-mfpmath=sse>)
endif()

if(QUILTRA_SANITIZE)
  target_compile_options(quiltra_build_options INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-fsanitize=${QUILTRA_SANITIZE};-fno-omit-frame-pointer;-fno-sanitize-recover=all>)
  target_link_options(quiltra_build_options INTERFACE -fsanitize=${QUILTRA_SANITIZE})
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
# Libraries export only what is marked: the host its interfaces, the plug-in
# its entry points.
set(CMAKE_CXX_VISIBILITY_PRESET hidden)

set(QUILTRA_HOST_RELEASE 11000 CACHE STRING "Host release the plug-in is built for: 9000, 11000 or 12000")
set_property(CACHE QUILTRA_HOST_RELEASE PROPERTY STRINGS 9000 11000 12000)
