# Install layout: the program in a folder of its own with readme.txt beside it (the user's
# guide, and the marker whose date paces the weekly update check), a link in bin/ that starts
# it, and a menu entry with its icon.

if(ROZPOZNIK_WINDOW)
  set(ROZPOZNIK_KATALOG_PROGRAMU lib/rozpoznik)
  set(rozpoznik_zrodla_instalacji ${CMAKE_CURRENT_LIST_DIR}/../install)

  install(TARGETS rozpoznik RUNTIME DESTINATION ${ROZPOZNIK_KATALOG_PROGRAMU})
  install(FILES ${rozpoznik_zrodla_instalacji}/readme.txt
          DESTINATION ${ROZPOZNIK_KATALOG_PROGRAMU})

  # A relative link, made in the build tree and installed as a link, so that the installed tree
  # can be moved and DESTDIR staging works.
  set(rozpoznik_lacze ${CMAKE_BINARY_DIR}/instalacja/bin/rozpoznik)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/instalacja/bin)
  file(CREATE_LINK ../${ROZPOZNIK_KATALOG_PROGRAMU}/rozpoznik ${rozpoznik_lacze} SYMBOLIC)
  install(FILES ${rozpoznik_lacze} DESTINATION bin)

  install(FILES ${rozpoznik_zrodla_instalacji}/rozpoznik.desktop DESTINATION share/applications)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/../window/qt/zasoby/ikona.png
          DESTINATION share/icons/hicolor/64x64/apps RENAME rozpoznik.png)
endif()
