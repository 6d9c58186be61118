# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread
# model, which std::thread and std::mutex need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SKYVEX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SKYVEX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SKYVEX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SKYVEX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SKYVEX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Tests and tools built here run under Wine on the build machine, quietly, in
# a Wine prefix of the build tree (scripts/test creates it and starts its server).
find_program(SKYVEX_WINE NAMES wine64 wine HINTS /usr/lib/wine)
if(SKYVEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all ${SKYVEX_WINE})
endif()
