# cmake -DOBJDUMP=... -DPROGRAM=... -P SprawdzImporty.cmake
# A Windows program of ours must start on a bare Windows: every DLL it imports is one that
# Windows itself ships, never the compiler's runtime (libstdc++, libgcc, libwinpthread).
cmake_minimum_required(VERSION 3.25)

set(dll_windows kernel32.dll msvcrt.dll user32.dll shell32.dll advapi32.dll wininet.dll gdi32.dll
                comctl32.dll comdlg32.dll)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE naglowki RESULT_VARIABLE wynik)
if(NOT wynik EQUAL 0)
  message(FATAL_ERROR "objdump -p ${PROGRAM} failed")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" importy "${naglowki}")
if(NOT importy)
  message(FATAL_ERROR "${PROGRAM} imports no DLL at all: not a program objdump can read")
endif()
foreach(import ${importy})
  string(REGEX REPLACE "DLL Name: " "" dll "${import}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST dll_windows)
    message(FATAL_ERROR "${PROGRAM} needs ${dll}, which Windows does not ship")
  endif()
  message(STATUS "${dll}")
endforeach()
