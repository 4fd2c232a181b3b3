# Cross build for 64-bit Windows with Debian's mingw-w64, posix thread model (std::thread and
# std::mutex need it). Use: cmake -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(rozpoznik_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${rozpoznik_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${rozpoznik_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${rozpoznik_mingw}-windres)

# Only the mingw-w64 tree is searched for libraries, headers and packages, so that nothing of the
# host's own system leaks into the Windows programs; host tools are still found on the PATH.
set(CMAKE_FIND_ROOT_PATH /usr/${rozpoznik_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in, the C++ runtime and winpthread too, so that the programs run on a bare
# Windows with nothing but the system's own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The build and CTest run the Windows programs under Wine (Debian's wine64), in a Wine set-up of
# the build folder's own, which scripts/windows makes, with Wine's own chatter off.
find_program(ROZPOZNIK_WINE NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ROZPOZNIK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
      WINELOADER=${ROZPOZNIK_WINE} ${ROZPOZNIK_WINE})
endif()
