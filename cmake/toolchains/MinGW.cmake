# Cross-compiling for Windows with mingw-w64 (the win32 thread model), for the
# processor whose triplet the including toolchain file names in
# QUILTRA_MINGW_TRIPLET. Programs built here run under Wine.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${QUILTRA_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${QUILTRA_MINGW_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${QUILTRA_MINGW_TRIPLET}-windres)

# Libraries and headers come from the cross environment only; programs run on
# the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QUILTRA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime goes into every module, so that Wine needs no
# DLL beyond the system's.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
endforeach()

# CTest and test discovery run the programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run.sh)
