# Installs the build into a scratch prefix and checks the layout a desktop expects.
# Arguments: -DBUDOWA=<build folder> -DPREFIKS=<scratch prefix>
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIKS})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUDOWA} --prefix ${PREFIKS}
                RESULT_VARIABLE wynik OUTPUT_QUIET)
if(NOT wynik EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${wynik}")
endif()

function(wymagaj plik)
  if(NOT EXISTS ${PREFIKS}/${plik})
    message(FATAL_ERROR "not installed: ${plik}")
  endif()
endfunction()

wymagaj(lib/rozpoznik/rozpoznik)
wymagaj(lib/rozpoznik/readme.txt)
wymagaj(share/applications/rozpoznik.desktop)
wymagaj(share/icons/hicolor/64x64/apps/rozpoznik.png)

if(NOT IS_SYMLINK ${PREFIKS}/bin/rozpoznik)
  message(FATAL_ERROR "bin/rozpoznik is not a link")
endif()
file(READ_SYMLINK ${PREFIKS}/bin/rozpoznik cel)
if(IS_ABSOLUTE "${cel}")
  message(FATAL_ERROR "bin/rozpoznik points to an absolute path: ${cel}")
endif()
file(REAL_PATH ${PREFIKS}/bin/rozpoznik program)
file(REAL_PATH ${PREFIKS}/lib/rozpoznik/rozpoznik oczekiwany)
if(NOT program STREQUAL oczekiwany)
  message(FATAL_ERROR "bin/rozpoznik leads to ${program}, not to ${oczekiwany}")
endif()

file(STRINGS ${PREFIKS}/share/applications/rozpoznik.desktop wpis)
foreach(linia "[Desktop Entry]" "Type=Application" "Exec=rozpoznik" "Icon=rozpoznik")
  if(NOT linia IN_LIST wpis)
    message(FATAL_ERROR "rozpoznik.desktop lacks the line ${linia}")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIKS})
