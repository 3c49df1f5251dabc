# The libraries of a Windows build (cross-compiled with MinGW-w64), made from
# Debian's sources instead of found on the system: GoogleTest from the
# sources Debian installs, SQLite from its amalgamation
# (scripts/windows/sqlite-amalgamation gives MIRETO_SQLITE_SOURCE), and
# nlohmann-json's headers copied into the build folder (the host's include
# folder must not be on the cross compiler's path).
enable_language(C)  # SQLite
set(MIRETO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(MIRETO_SQLITE_SOURCE "" CACHE PATH "Folder with sqlite3.c and sqlite3.h")
set(MIRETO_JSON_HEADERS /usr/include/nlohmann CACHE PATH "nlohmann-json headers")

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${MIRETO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(NOT TARGET GTest::gtest)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()

if(NOT EXISTS ${MIRETO_SQLITE_SOURCE}/sqlite3.c)
  message(FATAL_ERROR "MIRETO_SQLITE_SOURCE must name a folder with sqlite3.c (scripts/windows/sqlite-amalgamation)")
endif()
add_library(mireto_sqlite3 STATIC ${MIRETO_SQLITE_SOURCE}/sqlite3.c)
target_include_directories(mireto_sqlite3 SYSTEM PUBLIC ${MIRETO_SQLITE_SOURCE})
# Debian's options that change behaviour the roster can see; no extensions.
target_compile_definitions(mireto_sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_SECURE_DELETE SQLITE_USE_URI=1
  SQLITE_MAX_SCHEMA_RETRY=25 SQLITE_OMIT_LOAD_EXTENSION)
target_compile_options(mireto_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS mireto_sqlite3)

file(COPY ${MIRETO_JSON_HEADERS} DESTINATION ${CMAKE_BINARY_DIR}/third_party/include)
add_library(mireto_nlohmann_json INTERFACE)
target_include_directories(mireto_nlohmann_json SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/third_party/include)
add_library(nlohmann_json::nlohmann_json ALIAS mireto_nlohmann_json)

# Tests run under Wine: CTest and test discovery start every Windows
# executable through this wrapper. Discovery waits for the test run, so that
# building needs no Wine.
# (cmake/windows-package.cmake writes it once Qt has been found.)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
