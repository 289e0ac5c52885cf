# Header-only libraries of the build machine (nlohmann-json, CLI11), also for
# cross builds. Their package files name the machine's /usr/include, which
# would bring its C library headers into a cross build; there the target sees
# a folder of the build tree that holds only the library's own headers.
#
#   quiltra_header_only_package(<package> <target> <folder under /usr/include>)
function(quiltra_header_only_package package target folder)
  if(TARGET ${target})
    return()
  endif()
  if(NOT CMAKE_CROSSCOMPILING)
    find_package(${package} REQUIRED)
    return()
  endif()
  set(source /usr/include/${folder})
  if(NOT IS_DIRECTORY ${source})
    message(FATAL_ERROR "${package}: ${source} not found (see scripts/install-packages.sh)")
  endif()
  set(stage ${PROJECT_BINARY_DIR}/header-only/${package})
  file(MAKE_DIRECTORY ${stage})
  file(CREATE_LINK ${source} ${stage}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${stage})
endfunction()
