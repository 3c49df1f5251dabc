# The Windows installer and the portable zip (make windows): the icon and the
# version information in both executables, then `windows-package`, which
# gathers the files to install (windows-stage.cmake), runs makensis on
# packaging/windows/mireto.nsi and zips the same files.
# The runtime libraries: the compiler's, and Qt's when the program is built.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE MIRETO_LIBSTDCXX OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(MIRETO_GCC_RUNTIME_DIR ${MIRETO_LIBSTDCXX} DIRECTORY)
set(MIRETO_MINGW_RUNTIME_DIR /usr/x86_64-w64-mingw32/lib CACHE PATH "Folder of libwinpthread-1.dll")
set(MIRETO_RUNTIME_DIRS ${MIRETO_GCC_RUNTIME_DIR} ${MIRETO_MINGW_RUNTIME_DIR})
if(Qt6_DIR)
  # The Qt prefix this build uses (…/lib/cmake/Qt6 -> the prefix).
  get_filename_component(MIRETO_QT_PREFIX ${Qt6_DIR}/../../.. ABSOLUTE)
  list(APPEND MIRETO_RUNTIME_DIRS ${MIRETO_QT_PREFIX}/bin)
endif()

# The wrapper that runs the tests under Wine (CMAKE_CROSSCOMPILING_EMULATOR):
# the prefix in the build folder, the runtime libraries found through WINEPATH.
set(MIRETO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
list(TRANSFORM MIRETO_RUNTIME_DIRS PREPEND "Z:" OUTPUT_VARIABLE MIRETO_WINEPATH)
list(JOIN MIRETO_WINEPATH "|" MIRETO_WINEPATH)
string(REPLACE "/" "\\" MIRETO_WINEPATH "${MIRETO_WINEPATH}")
string(REPLACE "|" ";" MIRETO_WINEPATH "${MIRETO_WINEPATH}")
configure_file(${PROJECT_SOURCE_DIR}/scripts/windows/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
               @ONLY)

if(NOT TARGET mireto-chart)
  return()
endif()

set(MIRETO_WINDOWS_DIR ${PROJECT_SOURCE_DIR}/packaging/windows)

# The icon, from the icon theme's pictures.
set(MIRETO_ICO ${CMAKE_BINARY_DIR}/mireto.ico)
set(MIRETO_ICON_PNGS)
foreach(size 16 24 32 64 128 256)
  list(APPEND MIRETO_ICON_PNGS ${PROJECT_SOURCE_DIR}/assets/icon-${size}.png)
endforeach()
find_program(MIRETO_CONVERT convert REQUIRED)
execute_process(COMMAND ${MIRETO_CONVERT} ${MIRETO_ICON_PNGS} ${MIRETO_ICO} RESULT_VARIABLE converted)
if(NOT converted EQUAL 0)
  message(FATAL_ERROR "convert could not make ${MIRETO_ICO}")
endif()

function(mireto_windows_resources target description)
  set(MIRETO_RC_NAME ${target})
  set(MIRETO_RC_FILE ${target}.exe)
  set(MIRETO_RC_DESCRIPTION "${description}")
  configure_file(${MIRETO_WINDOWS_DIR}/mireto.rc.in ${CMAKE_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/${target}.rc)
  set_source_files_properties(${CMAKE_BINARY_DIR}/${target}.rc PROPERTIES OBJECT_DEPENDS ${MIRETO_ICO})
endfunction()

mireto_windows_resources(mireto-chart "ミレト 命式計算（コマンドライン）")
if(NOT TARGET mireto)
  return()
endif()
mireto_windows_resources(mireto "ミレト 四柱推命の命式")
# A window program: no console opens beside it.
set_target_properties(mireto PROPERTIES WIN32_EXECUTABLE ON)

set(MIRETO_PACKAGE_NAME mireto-${PROJECT_VERSION})
set(MIRETO_STAGE ${CMAKE_BINARY_DIR}/package/${MIRETO_PACKAGE_NAME})
set(MIRETO_SETUP ${CMAKE_BINARY_DIR}/${MIRETO_PACKAGE_NAME}-win64-setup.exe)
set(MIRETO_ZIP ${CMAKE_BINARY_DIR}/${MIRETO_PACKAGE_NAME}-win64-portable.zip)
find_program(MIRETO_MAKENSIS makensis REQUIRED)
find_program(MIRETO_ZIP_PROGRAM zip REQUIRED)

add_custom_target(windows-package
  COMMAND ${CMAKE_COMMAND}
          -DSTAGE=${MIRETO_STAGE}
          -DPROGRAMS=$<TARGET_FILE:mireto>|$<TARGET_FILE:mireto-chart>
          -DSOURCE=${PROJECT_SOURCE_DIR}
          -DQT_PREFIX=${MIRETO_QT_PREFIX}
          -DRUNTIME_DIRS=${MIRETO_GCC_RUNTIME_DIR}|${MIRETO_MINGW_RUNTIME_DIR}
          -DSTRIP=${CMAKE_STRIP}
          -P ${PROJECT_SOURCE_DIR}/cmake/windows-stage.cmake
  COMMAND ${MIRETO_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSTAGE=${MIRETO_STAGE}
          -DOUTFILE=${MIRETO_SETUP} -DICON=${MIRETO_ICO} ${MIRETO_WINDOWS_DIR}/mireto.nsi
  COMMAND ${CMAKE_COMMAND} -E rm -f ${MIRETO_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package
          ${MIRETO_ZIP_PROGRAM} -q -r -X ${MIRETO_ZIP} ${MIRETO_PACKAGE_NAME}
  DEPENDS mireto mireto-chart
  COMMENT "Writing ${MIRETO_SETUP} and ${MIRETO_ZIP}"
  VERBATIM)
