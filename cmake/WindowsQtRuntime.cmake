# The Windows window program and its tests find Qt's DLLs, the platform and
# style plugins and the MinGW runtime that Qt's DLLs need beside them in the
# program folder, as Windows looks for them there first.
get_filename_component(skyvex_qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)  # <prefix>/lib/cmake/Qt6
set(skyvex_bin ${CMAKE_BINARY_DIR}/bin)
file(COPY ${skyvex_qt_prefix}/bin/Qt6Core.dll ${skyvex_qt_prefix}/bin/Qt6Gui.dll ${skyvex_qt_prefix}/bin/Qt6Widgets.dll
          ${skyvex_qt_prefix}/bin/Qt6Test.dll DESTINATION ${skyvex_bin})
# qwindows for the program; qoffscreen draws the tests' windows without a display.
file(COPY ${skyvex_qt_prefix}/plugins/platforms/qwindows.dll ${skyvex_qt_prefix}/plugins/platforms/qoffscreen.dll
     DESTINATION ${skyvex_bin}/platforms)
file(COPY ${skyvex_qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION ${skyvex_bin}/styles)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS ${runtime_path})
    message(FATAL_ERROR "The MinGW runtime ${runtime} that Qt's DLLs need was not found")
  endif()
  file(COPY ${runtime_path} DESTINATION ${skyvex_bin})
endforeach()
