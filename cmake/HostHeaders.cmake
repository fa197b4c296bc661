# SPDX-License-Identifier: MIT
# nlohmann_json and CLI11 are headers only. A cross build cannot take the build machine's
# packages (their include folder is /usr/include, whose C library headers are not the target's),
# so it sees just the two libraries' own folders through links in the build tree.

# formwright_host_headers(<imported target> <folder under /usr/include>)
function(formwright_host_headers target folder)
  if(TARGET ${target})
    return()
  endif()
  set(source /usr/include/${folder})
  if(NOT EXISTS ${source})
    return()
  endif()
  set(root ${CMAKE_BINARY_DIR}/host_include)
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${source} ${root}/${folder} COPY_ON_ERROR SYMBOLIC)
  endif()
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${root})
endfunction()

if(CMAKE_CROSSCOMPILING)
  formwright_host_headers(nlohmann_json::nlohmann_json nlohmann)
  formwright_host_headers(CLI11::CLI11 CLI)
endif()
