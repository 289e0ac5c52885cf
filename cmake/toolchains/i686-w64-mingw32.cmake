# Windows on i386. The build options add SSE2 arithmetic for this processor.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUILTRA_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
