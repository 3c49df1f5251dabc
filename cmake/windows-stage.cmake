# Gathers what the Windows installer and the portable zip hold into STAGE
# (cmake -P; the arguments come from windows-package.cmake): both programs
# (stripped), the data files, Qt's libraries and the plugins the program
# loads, the compiler's runtime libraries, Qt's Japanese texts, the IPA fonts
# with their licence, and qt.conf. Beside STAGE it writes STAGE.uninstall.nsh
# (the uninstaller's list of exactly these files) and STAGE.info.nsh.
string(REPLACE "|" ";" PROGRAMS "${PROGRAMS}")
string(REPLACE "|" ";" RUNTIME_DIRS "${RUNTIME_DIRS}")
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})

function(stage_file source destination)
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "missing: ${source}")
  endif()
  file(MAKE_DIRECTORY ${STAGE}/${destination})
  file(COPY ${source} DESTINATION ${STAGE}/${destination})
endfunction()

foreach(program IN LISTS PROGRAMS)
  stage_file(${program} .)
endforeach()
stage_file(${SOURCE}/data/planet.txt .)
stage_file(${SOURCE}/data/latitude.txt .)
stage_file(${SOURCE}/packaging/windows/qt.conf .)

foreach(module Core Gui Widgets PrintSupport)
  stage_file(${QT_PREFIX}/bin/Qt6${module}.dll .)
endforeach()
stage_file(${QT_PREFIX}/plugins/platforms/qwindows.dll platforms)
stage_file(${QT_PREFIX}/plugins/styles/qwindowsvistastyle.dll styles)

foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  set(found "")
  foreach(dir IN LISTS RUNTIME_DIRS)
    if(NOT found AND EXISTS ${dir}/${dll})
      set(found ${dir}/${dll})
    endif()
  endforeach()
  stage_file("${found}" .)
endforeach()

# Qt's own Japanese texts (Debian's qt6-translations-l10n, the same Qt version).
stage_file(/usr/share/qt6/translations/qtbase_ja.qm translations)

# Where Windows has no ＭＳ ゴシック: the IPA fonts, and the licence that must
# travel with them (Debian's copyright file holds the IPA Font License v1.0).
stage_file(/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf fonts)
stage_file(/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf fonts)
configure_file(/usr/share/doc/fonts-ipafont-gothic/copyright ${STAGE}/fonts/IPA_Font_License.txt COPYONLY)
configure_file(/usr/share/doc/fonts-ipafont-gothic/Readme_IPAfont00303.txt ${STAGE}/fonts/Readme_IPAfont00303.txt
               COPYONLY)

# No debugging symbols in what is shipped (Debian's libstdc++-6.dll alone
# carries 20 MB of them).
file(GLOB_RECURSE binaries ${STAGE}/*.exe ${STAGE}/*.dll)
foreach(binary IN LISTS binaries)
  execute_process(COMMAND ${STRIP} --strip-unneeded ${binary} RESULT_VARIABLE stripped)
  if(NOT stripped EQUAL 0)
    message(FATAL_ERROR "strip failed on ${binary}")
  endif()
endforeach()

# The uninstaller removes these files, then the folders they were in (each
# only when empty), deepest first.
file(GLOB_RECURSE staged RELATIVE ${STAGE} ${STAGE}/*)
list(SORT staged)
set(lines "")
set(folders "")
set(bytes 0)
foreach(relative IN LISTS staged)
  string(REPLACE "/" "\\" windows ${relative})
  string(APPEND lines "Delete \"$INSTDIR\\${windows}\"\n")
  file(SIZE ${STAGE}/${relative} size)
  math(EXPR bytes "${bytes} + ${size}")
  get_filename_component(folder ${relative} DIRECTORY)
  if(folder)
    list(APPEND folders ${folder})
  endif()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" windows ${folder})
  string(APPEND lines "RMDir \"$INSTDIR\\${windows}\"\n")
endforeach()
file(WRITE ${STAGE}.uninstall.nsh "${lines}")
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
file(WRITE ${STAGE}.info.nsh "!define SIZE_KB ${kilobytes}\n")
