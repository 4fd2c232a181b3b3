# What gets installed, in three components:
#  - Rozpoznik: what every install holds: rozpoznik-cli, the menu entry, KDE's context-menu
#    entry, the icons, the AppStream metainfo, the manual pages and the shell completion;
#  - ZeZrodel (cmake --install): the program in a folder of its own with readme.txt beside it
#    (the user's guide, and the marker whose date paces the weekly update check), and a link in
#    bin/ that starts it;
#  - Pakiet (only the Debian package, cmake/Pakiet.cmake): the program itself in bin/ with no
#    marker beside it, since the distribution updates it, and the guide, licence and changelog
#    in share/doc/rozpoznik/.

set(rozpoznik_zrodla_instalacji ${CMAKE_CURRENT_LIST_DIR}/../install)
set(rozpoznik_pliki_instalacji ${CMAKE_BINARY_DIR}/instalacja)

find_program(ROZPOZNIK_SCDOC scdoc REQUIRED)
find_program(ROZPOZNIK_GZIP gzip REQUIRED)

# Manual pages, compressed the way Debian ships them (-n keeps the build reproducible).
set(rozpoznik_strony_man rozpoznik-cli.1)
if(ROZPOZNIK_WINDOW)
  list(APPEND rozpoznik_strony_man rozpoznik.1)
endif()
set(rozpoznik_pliki_zbudowane)
foreach(strona ${rozpoznik_strony_man})
  set(zrodlo ${rozpoznik_zrodla_instalacji}/man/${strona}.scd)
  set(wynik ${rozpoznik_pliki_instalacji}/man/${strona}.gz)
  add_custom_command(
    OUTPUT ${wynik}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${rozpoznik_pliki_instalacji}/man
    COMMAND sh -c "\"$0\" < \"$1\" | \"$2\" -9n > \"$3\"" ${ROZPOZNIK_SCDOC} ${zrodlo}
            ${ROZPOZNIK_GZIP} ${wynik}
    DEPENDS ${zrodlo}
    COMMENT "Manual page ${strona}"
    VERBATIM)
  list(APPEND rozpoznik_pliki_zbudowane ${wynik})
  install(FILES ${wynik} DESTINATION share/man/man1 COMPONENT Rozpoznik)
endforeach()

install(TARGETS rozpoznik-cli RUNTIME DESTINATION bin COMPONENT Rozpoznik)
install(FILES ${rozpoznik_zrodla_instalacji}/completions/rozpoznik-cli.bash
        DESTINATION share/bash-completion/completions RENAME rozpoznik-cli COMPONENT Rozpoznik)
install(FILES ${rozpoznik_zrodla_instalacji}/completions/_rozpoznik-cli
        DESTINATION share/zsh/vendor-completions COMPONENT Rozpoznik)
install(FILES ${rozpoznik_zrodla_instalacji}/completions/rozpoznik-cli.fish
        DESTINATION share/fish/vendor_completions.d COMPONENT Rozpoznik)

if(ROZPOZNIK_WINDOW)
  # Software centres want a reverse-DNS id, and the project's domain is its web site's.
  string(REGEX REPLACE "^http://([^/:]*).*$" "\\1" rozpoznik_domena "${ROZPOZNIK_ADRES_BAZOWY}")
  string(TOLOWER "${rozpoznik_domena}" rozpoznik_domena)
  string(REGEX REPLACE "^www\\." "" rozpoznik_domena "${rozpoznik_domena}")
  string(REPLACE "." ";" rozpoznik_czlony "${rozpoznik_domena}")
  list(REVERSE rozpoznik_czlony)
  list(JOIN rozpoznik_czlony "." rozpoznik_domena_odwrotnie)
  set(ROZPOZNIK_APPSTREAM_ID ${rozpoznik_domena_odwrotnie}.Rozpoznik)
  set(rozpoznik_metainfo ${rozpoznik_pliki_instalacji}/${ROZPOZNIK_APPSTREAM_ID}.metainfo.xml)
  configure_file(${rozpoznik_zrodla_instalacji}/rozpoznik.metainfo.xml.in ${rozpoznik_metainfo}
                 @ONLY)
  install(FILES ${rozpoznik_metainfo} DESTINATION share/metainfo COMPONENT Rozpoznik)
  install(FILES ${rozpoznik_zrodla_instalacji}/rozpoznik.desktop DESTINATION share/applications
          COMPONENT Rozpoznik)
  # "Rozpoznaj typ pliku" on every file's context menu in Dolphin and Konqueror, where the menu
  # entry above is offered only under "Open with".
  install(FILES ${rozpoznik_zrodla_instalacji}/rozpoznik-rozpoznaj.desktop
          DESTINATION share/kio/servicemenus COMPONENT Rozpoznik)

  # The icon in the sizes desktops ask for, drawn from the one scalable picture.
  find_program(ROZPOZNIK_RSVG_CONVERT rsvg-convert REQUIRED)
  set(rozpoznik_ikona_svg ${rozpoznik_zrodla_instalacji}/ikony/rozpoznik.svg)
  install(FILES ${rozpoznik_ikona_svg} DESTINATION share/icons/hicolor/scalable/apps
          COMPONENT Rozpoznik)
  foreach(rozmiar 16 22 24 32 48 64 128 256)
    set(ikona ${rozpoznik_pliki_instalacji}/ikony/${rozmiar}/rozpoznik.png)
    add_custom_command(
      OUTPUT ${ikona}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${rozpoznik_pliki_instalacji}/ikony/${rozmiar}
      COMMAND ${ROZPOZNIK_RSVG_CONVERT} -w ${rozmiar} -h ${rozmiar} -o ${ikona}
              ${rozpoznik_ikona_svg}
      DEPENDS ${rozpoznik_ikona_svg}
      COMMENT "Icon ${rozmiar}x${rozmiar}"
      VERBATIM)
    list(APPEND rozpoznik_pliki_zbudowane ${ikona})
    install(FILES ${ikona} DESTINATION share/icons/hicolor/${rozmiar}x${rozmiar}/apps
            COMPONENT Rozpoznik)
  endforeach()

  set(ROZPOZNIK_KATALOG_PROGRAMU lib/rozpoznik)
  install(TARGETS rozpoznik RUNTIME DESTINATION ${ROZPOZNIK_KATALOG_PROGRAMU} COMPONENT ZeZrodel)
  install(FILES ${rozpoznik_zrodla_instalacji}/readme.txt DESTINATION ${ROZPOZNIK_KATALOG_PROGRAMU}
          COMPONENT ZeZrodel)
  # A relative link, made in the build tree and installed as a link, so that the installed tree
  # can be moved and DESTDIR staging works.
  set(rozpoznik_lacze ${rozpoznik_pliki_instalacji}/bin/rozpoznik)
  file(MAKE_DIRECTORY ${rozpoznik_pliki_instalacji}/bin)
  file(CREATE_LINK ../${ROZPOZNIK_KATALOG_PROGRAMU}/rozpoznik ${rozpoznik_lacze} SYMBOLIC)
  install(FILES ${rozpoznik_lacze} DESTINATION bin COMPONENT ZeZrodel)

  install(TARGETS rozpoznik RUNTIME DESTINATION bin COMPONENT Pakiet EXCLUDE_FROM_ALL)
  install(FILES ${rozpoznik_zrodla_instalacji}/readme.txt DESTINATION share/doc/rozpoznik
          COMPONENT Pakiet EXCLUDE_FROM_ALL)

  include(${CMAKE_CURRENT_LIST_DIR}/Pakiet.cmake)
endif()

add_custom_target(rozpoznik_pliki_instalacji ALL DEPENDS ${rozpoznik_pliki_zbudowane})
