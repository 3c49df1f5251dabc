# The output windows: pop-up chart, text preview, chart details, About box and its sound.
add_library(mireto_output_windows STATIC
  ${CMAKE_CURRENT_LIST_DIR}/secondary_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/popup_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/export_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notify_sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notify_sound_$<IF:$<BOOL:${WIN32}>,windows,linux>.cpp
  ${CMAKE_CURRENT_LIST_DIR}/details_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/five_element_diagram.cpp
  ${CMAKE_CURRENT_LIST_DIR}/details_controller.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pillar_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/compat_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calendar_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calendar_controller.cpp
)
target_link_libraries(mireto_output_windows PUBLIC mireto_gui mireto_print Qt6::Widgets Qt6::PrintSupport mireto_output_text mireto_chart)
target_include_directories(mireto_output_windows PUBLIC ${PROJECT_SOURCE_DIR}/src)

if(WIN32)
  target_link_libraries(mireto_output_windows PRIVATE winmm)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CANBERRA REQUIRED IMPORTED_TARGET libcanberra)
  # ALSA only to keep its error reports off standard error (notify_sound_linux.cpp).
  pkg_check_modules(ALSA REQUIRED IMPORTED_TARGET alsa)
  find_package(Threads REQUIRED)
  target_link_libraries(mireto_output_windows PRIVATE PkgConfig::CANBERRA PkgConfig::ALSA Threads::Threads)
  # The notification sound is played from a real file beside the program.
  set(MIRETO_NOTIFY_WAV ${PROJECT_SOURCE_DIR}/assets/notify.wav)
  if(EXISTS ${MIRETO_NOTIFY_WAV})
    configure_file(${MIRETO_NOTIFY_WAV} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/notify.wav COPYONLY)
  endif()
endif()
