# The Windows release: `cmake --build build-windows --target wydanie` (or scripts/windows-release)
# writes Rozpoznik-VERSION-setup.exe and Rozpoznik-VERSION-portable.zip into build-windows/wydanie/.
# The target always runs: whether it signs depends on the environment of that build
# (ROZPOZNIK_CERT), which no dependency can track.

find_program(ROZPOZNIK_MAKENSIS makensis REQUIRED)

set(ROZPOZNIK_WYDANIE ${CMAKE_BINARY_DIR}/wydanie)
# Everything but the version and the output folder, so that the tests can build an older
# version elsewhere with the same command.
set(ROZPOZNIK_POLECENIE_WYDANIA
    ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:rozpoznik> -DCLI=$<TARGET_FILE:rozpoznik-cli>
    -DZRODLA=${PROJECT_SOURCE_DIR} -DMAKENSIS=${ROZPOZNIK_MAKENSIS} -DSTRIP=${CMAKE_STRIP}
    -DADRES=${ROZPOZNIK_ADRES_BAZOWY})
set(ROZPOZNIK_SKRYPT_WYDANIA ${CMAKE_CURRENT_LIST_DIR}/ZbudujWydanie.cmake)

add_custom_target(
  wydanie
  COMMAND ${ROZPOZNIK_POLECENIE_WYDANIA} -DWERSJA=${PROJECT_VERSION} -DWYNIK=${ROZPOZNIK_WYDANIE}
          -P ${ROZPOZNIK_SKRYPT_WYDANIA}
  DEPENDS rozpoznik rozpoznik-cli
  COMMENT "Windows installer and portable archive"
  VERBATIM USES_TERMINAL)
