# cmake -DWERSJA=... -DPROGRAM=... -DCLI=... -DZRODLA=... -DWYNIK=... -DMAKENSIS=... -DSTRIP=...
#       -DADRES=...
#       -P ZbudujWydanie.cmake
# Builds the Windows release into the folder WYNIK: Rozpoznik-WERSJA-setup.exe and
# Rozpoznik-WERSJA-portable.zip, both from the programs PROGRAM (the window) and CLI, the guide
# and the licence of the source tree ZRODLA. When the environment names a certificate
# (ROZPOZNIK_CERT, password in ROZPOZNIK_CERT_HASLO), both programs, the uninstaller and the
# installer are signed; without one everything is built unsigned, and the output says so.
# The target `wydanie` (cmake/Wydanie.cmake) runs it; the installer tests run it again with a
# lower WERSJA to have an older version to upgrade.

foreach(zmienna WERSJA PROGRAM CLI ZRODLA WYNIK MAKENSIS STRIP ADRES)
  if(NOT DEFINED ${zmienna} OR "${${zmienna}}" STREQUAL "")
    message(FATAL_ERROR "ZbudujWydanie.cmake needs -D${zmienna}=...")
  endif()
endforeach()
if(NOT WERSJA MATCHES "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?$")
  message(FATAL_ERROR "WERSJA must be one to four numbers joined by dots, not '${WERSJA}'")
endif()

set(instalator ${WYNIK}/Rozpoznik-${WERSJA}-setup.exe)
set(archiwum ${WYNIK}/Rozpoznik-${WERSJA}-portable.zip)
set(pliki ${WYNIK}/pliki-${WERSJA})
file(REMOVE ${instalator} ${archiwum})
file(REMOVE_RECURSE ${pliki})
file(MAKE_DIRECTORY ${pliki})

# The build keeps its debugging information; a user has no use for it, and it is most of the
# programs' size.
foreach(para "${PROGRAM}|rozpoznik.exe" "${CLI}|rozpoznik-cli.exe")
  string(REPLACE "|" ";" para "${para}")
  list(GET para 0 zrodlo)
  list(GET para 1 nazwa)
  execute_process(COMMAND ${STRIP} --strip-all -o ${pliki}/${nazwa} ${zrodlo} RESULT_VARIABLE kod)
  if(NOT kod EQUAL 0)
    message(FATAL_ERROR "Stripping ${zrodlo} failed")
  endif()
endforeach()

# Notepad before Windows 10 1903 takes a text without a byte-order mark for the system's code
# page, and before 1809 shows bare line feeds as nothing: UTF-8 with a BOM and CRLF lines read
# right on every Windows, whatever its code page. The update check never reads the marker's
# contents, so its form is free.
function(dla_notatnika zrodlo cel)
  file(READ ${zrodlo} tekst)
  string(REPLACE "\r\n" "\n" tekst "${tekst}")
  string(REPLACE "\n" "\r\n" tekst "${tekst}")
  string(ASCII 239 187 191 bom)
  file(WRITE ${cel} "${bom}${tekst}")
endfunction()
dla_notatnika(${ZRODLA}/install/readme.txt ${pliki}/readme.txt)
dla_notatnika(${ZRODLA}/LICENSE ${pliki}/licencja.txt)

set(podpisz ${ZRODLA}/install/windows/podpisz.sh)
function(podpisz_program program)
  execute_process(COMMAND ${podpisz} ${program} ${ADRES} RESULT_VARIABLE kod)
  if(NOT kod EQUAL 0)
    message(FATAL_ERROR "Signing ${program} failed")
  endif()
endfunction()

set(polecenie_makensis ${MAKENSIS} -V2 -WX -INPUTCHARSET UTF8)
if(NOT "$ENV{ROZPOZNIK_CERT}" STREQUAL "")
  set(podpisane ON)
  podpisz_program(${pliki}/rozpoznik.exe)
  podpisz_program(${pliki}/rozpoznik-cli.exe)
  # makensis runs this on the uninstaller before it packs it into the installer.
  list(APPEND polecenie_makensis "-DPODPIS=\"${podpisz}\" \"%1\" \"${ADRES}\"")
else()
  set(podpisane OFF)
endif()

string(REGEX MATCHALL "[0-9]+" numery "${WERSJA}.0.0.0")
list(SUBLIST numery 0 4 numery)
list(JOIN numery "." wersja_pliku)
execute_process(
  COMMAND ${polecenie_makensis} -DWERSJA=${WERSJA} -DWERSJA_PLIKU=${wersja_pliku}
          -DPLIKI=${pliki} -DINSTALATOR=${instalator} ${ZRODLA}/install/windows/rozpoznik.nsi
  RESULT_VARIABLE kod)
if(NOT kod EQUAL 0)
  message(FATAL_ERROR "makensis failed")
endif()
if(podpisane)
  podpisz_program(${instalator})
endif()

# The archive holds the files at its top level: Windows' "Extract all" puts them in a folder
# named after the archive.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${archiwum} --format=zip rozpoznik.exe rozpoznik-cli.exe
          readme.txt licencja.txt
  WORKING_DIRECTORY ${pliki} RESULT_VARIABLE kod)
if(NOT kod EQUAL 0)
  message(FATAL_ERROR "Packing ${archiwum} failed")
endif()

foreach(artefakt ${instalator} ${archiwum})
  file(SIZE ${artefakt} rozmiar)
  math(EXPR kib "(${rozmiar} + 1023) / 1024")
  message(STATUS "${artefakt}: ${kib} KiB")
endforeach()
if(podpisane)
  message(STATUS "Signed with the certificate $ENV{ROZPOZNIK_CERT}")
else()
  message(STATUS "UNSIGNED: no certificate in ROZPOZNIK_CERT, so neither the programs nor the installer carry a signature")
endif()
