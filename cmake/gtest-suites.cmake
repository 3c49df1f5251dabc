# One CTest entry per GoogleTest suite of an executable, not one per case:
# each case run as its own process costs more in process starts than the
# whole executable takes. The suites are listed after each build (through
# the cross-compiling emulator when there is one), and a failed entry's
# output names the failing case.
#
#   mireto_add_gtest_suites(target LABELS label... [EXCLUDE pattern:pattern]
#                           [WORKING_DIRECTORY dir])
#
# EXCLUDE takes GoogleTest filter patterns of cases not to run; a suite left
# without cases gets no entry. Suites and cases named DISABLED_ are left out.
set(MIRETO_GTEST_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/gtest-suites-list.cmake)

function(mireto_add_gtest_suites target)
  cmake_parse_arguments(arg "" "EXCLUDE;WORKING_DIRECTORY" "LABELS" ${ARGN})
  if(NOT arg_WORKING_DIRECTORY)
    set(arg_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites_include.cmake)
  string(REPLACE ";" "," labels "${arg_LABELS}")
  add_custom_command(TARGET ${target} POST_BUILD
    BYPRODUCTS ${list_file}
    COMMAND ${CMAKE_COMMAND}
      -D EXECUTABLE=$<TARGET_FILE:${target}>
      -D EMULATOR=$<TARGET_PROPERTY:${target},CROSSCOMPILING_EMULATOR>
      -D PREFIX=${target}
      -D LABELS=${labels}
      -D EXCLUDE=${arg_EXCLUDE}
      -D WORKING_DIRECTORY=${arg_WORKING_DIRECTORY}
      -D OUTPUT=${list_file}
      -P ${MIRETO_GTEST_SUITES_SCRIPT}
    VERBATIM)
  file(WRITE ${include_file}
    "if(EXISTS \"${list_file}\")\n"
    "  include(\"${list_file}\")\n"
    "else()\n"
    "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
