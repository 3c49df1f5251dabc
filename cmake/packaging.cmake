# The Debian package of the two programs: `make package`, or `cpack` in the
# build folder, writes package/mireto_<version>_<arch>.deb.
#
# What the package adds to the install rules of src/app (programs and data
# files in libexec/mireto, links in bin, the desktop entry, the 48 px icon):
# the icon theme's other sizes, the AppStream metadata, the manual pages,
# the documentation folder with the copyright file and the changelog, and
# lintian's notes on a tag that does not apply.
if(NOT TARGET mireto OR NOT TARGET mireto-chart)
  return()
endif()

set(MIRETO_APP_ID org.example.mireto)
set(MIRETO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(MIRETO_PACKAGE_OUTPUT_DIR ${CMAKE_BINARY_DIR}/package)
set(MIRETO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/mireto)

# Icon theme: assets/icon-<N>.png is the N x N icon; icon.png (48 px) is
# installed with the program.
file(GLOB MIRETO_THEME_ICONS ${PROJECT_SOURCE_DIR}/assets/icon-*.png)
foreach(icon IN LISTS MIRETO_THEME_ICONS)
  string(REGEX REPLACE ".*/icon-([0-9]+)\\.png$" "\\1" size_px ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size_px}x${size_px}/apps
          RENAME mireto.png)
endforeach()

install(FILES ${MIRETO_PACKAGING_DIR}/${MIRETO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MIRETO_PACKAGING_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME mireto)

# Manual pages (English in man1, Japanese in ja/man1) and the changelog are
# installed compressed, without a time stamp in the gzip header, so that two
# builds give the same package.
find_program(MIRETO_GZIP gzip REQUIRED)
set(MIRETO_MAN_PROGRAM_DIR ${CMAKE_INSTALL_FULL_LIBEXECDIR}/mireto)
set(MIRETO_MAN_LANGUAGES "." ja)
set(MIRETO_COMPRESSED_FILES)
foreach(language IN LISTS MIRETO_MAN_LANGUAGES)
  foreach(page mireto.1 mireto-chart.1)
    set(configured ${CMAKE_BINARY_DIR}/packaging/man/${language}/${page})
    configure_file(${MIRETO_PACKAGING_DIR}/man/${language}/${page}.in ${configured} @ONLY)
    list(APPEND MIRETO_COMPRESSED_FILES ${configured})
    install(FILES ${configured}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
  endforeach()
endforeach()
configure_file(${MIRETO_PACKAGING_DIR}/changelog ${CMAKE_BINARY_DIR}/packaging/changelog COPYONLY)
list(APPEND MIRETO_COMPRESSED_FILES ${CMAKE_BINARY_DIR}/packaging/changelog)
set(MIRETO_GZIPPED_FILES)
foreach(file IN LISTS MIRETO_COMPRESSED_FILES)
  add_custom_command(OUTPUT ${file}.gz
    COMMAND ${MIRETO_GZIP} -9 -n -f -k ${file}
    DEPENDS ${file}
    COMMENT "Compressing ${file}")
  list(APPEND MIRETO_GZIPPED_FILES ${file}.gz)
endforeach()
add_custom_target(mireto-package-docs ALL DEPENDS ${MIRETO_GZIPPED_FILES})
install(FILES ${MIRETO_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${MIRETO_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mireto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${MIRETO_PACKAGE_OUTPUT_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "ミレト開発チーム <mireto@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Four Pillars of Destiny chart calculator")
set(CPACK_PACKAGE_DESCRIPTION
  "Mireto computes the chart of the Four Pillars of Destiny (the eight
characters of a birth moment) from a birth date and time in Japan Standard
Time: the four pillars, the hidden stems, the element of the birth season
and the luck pillars with their starting age. The time is corrected to true
solar time with the birthplace's time difference, typed in or picked on a
map of Japan, and with the equation of time; month and year boundaries come
from the Sun's apparent longitude, computed from a classical solar theory.

The package holds the desktop program mireto, whose windows are all in
Japanese, and the command-line tool mireto-chart, which prints the same
charts as text or JSON.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/mireto/)
# Libraries as dpkg-shlibdeps finds them in the programs; the fonts are not
# linked but every window is drawn with them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont)
# Qt's Japanese texts of the standard buttons (OK, キャンセル).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# The package's own checks (tests/package): only where the tools that build
# and inspect a Debian package are installed, and not for the sanitizer
# build, whose programs are not what anyone installs.
set(MIRETO_PACKAGE_TOOLS dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli)
set(MIRETO_MISSING_PACKAGE_TOOLS)
foreach(tool IN LISTS MIRETO_PACKAGE_TOOLS)
  find_program(MIRETO_TOOL_${tool} ${tool})
  if(NOT MIRETO_TOOL_${tool})
    list(APPEND MIRETO_MISSING_PACKAGE_TOOLS ${tool})
  endif()
endforeach()
if(MIRETO_SANITIZE)
  message(STATUS "Package tests: not with the sanitizer build")
elseif(MIRETO_MISSING_PACKAGE_TOOLS)
  message(STATUS "Package tests: skipped, missing ${MIRETO_MISSING_PACKAGE_TOOLS}")
elseif(EXISTS ${PROJECT_SOURCE_DIR}/tests/package/CMakeLists.txt)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/package ${CMAKE_BINARY_DIR}/tests/package)
endif()
