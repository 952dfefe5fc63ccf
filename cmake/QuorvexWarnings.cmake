# SPDX-License-Identifier: MIT
# Every target of ours gets the same warnings; third-party code is untouched.
function(quorvex_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  endif()
endfunction()

# quorvex_library(NAME SOURCES ... [PUBLIC ...] [PRIVATE ...]): one library per folder. PUBLIC
# names the libraries whose headers this library's own headers include (its users need them too);
# PRIVATE the ones only its sources use.
function(quorvex_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  quorvex_warnings(${name})
endfunction()
