# Writes OUTPUT, a CTest file with one entry per suite of EXECUTABLE (see
# gtest-suites.cmake); run after each build of a test executable.
cmake_minimum_required(VERSION 3.22)

set(exclude "")
if(EXCLUDE)
  set(exclude "-${EXCLUDE}")
endif()
set(command ${EXECUTABLE} --gtest_list_tests)
if(exclude)
  list(APPEND command "--gtest_filter=*${exclude}")
endif()
execute_process(COMMAND ${EMULATOR} ${command}
  WORKING_DIRECTORY ${WORKING_DIRECTORY}
  TIMEOUT 120
  OUTPUT_VARIABLE listing
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${EXECUTABLE} --gtest_list_tests failed (${result}):\n${listing}")
endif()

# "Suite." or "Prefix/Suite.  # GetParam..." starts a suite, "  Case" lists a case.
string(REPLACE ";" "" listing "${listing}")
string(REPLACE "\r" "" listing "${listing}")  # Windows' text-mode line ends
string(REPLACE "\n" ";" lines "${listing}")
set(suites "")
set(suite "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([A-Za-z0-9_/]+)\\.( *#.*)?$")
    set(suite "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  ([A-Za-z0-9_/]+)" AND suite)
    if(NOT CMAKE_MATCH_1 MATCHES "^DISABLED_" AND NOT suite MATCHES "(^|/)DISABLED_")
      list(APPEND suites "${suite}")
    endif()
  endif()
endforeach()
list(REMOVE_DUPLICATES suites)

string(REPLACE "," ";" labels "${LABELS}")
set(script "")
foreach(suite IN LISTS suites)
  set(name "${PREFIX}.${suite}")
  string(APPEND script
    "add_test([==[${name}]==] ${EMULATOR} [==[${EXECUTABLE}]==] [==[--gtest_filter=${suite}.*${exclude}]==])\n"
    "set_tests_properties([==[${name}]==] PROPERTIES WORKING_DIRECTORY [==[${WORKING_DIRECTORY}]==]"
    " LABELS [==[${labels}]==])\n")
endforeach()
file(WRITE ${OUTPUT} "${script}")
