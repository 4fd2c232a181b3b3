# The Debian package (cpack -G DEB, run by scripts/package): the components Rozpoznik and
# Pakiet of cmake/Instalacja.cmake under /usr, with the files Debian asks of every package.

set(ROZPOZNIK_OPIEKUN "Rozpoznik <rozpoznik@rozpoznik.example>" CACHE STRING
    "The Debian package's maintainer: a name and an e-mail address in angle brackets")
if(NOT ROZPOZNIK_OPIEKUN MATCHES "^[^<>]+ <[^<>@ ]+@[^<> ]+>$")
  message(FATAL_ERROR "ROZPOZNIK_OPIEKUN must read: Name <address@domain>")
endif()

# Debian's changelog names the version the package carries; a release must add its entry.
set(rozpoznik_zmiany_zrodlo ${rozpoznik_zrodla_instalacji}/debian/changelog.in)
file(STRINGS ${rozpoznik_zmiany_zrodlo} rozpoznik_pierwsza_linia LIMIT_COUNT 1)
if(NOT rozpoznik_pierwsza_linia MATCHES "^rozpoznik \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "install/debian/changelog.in has no entry for version ${PROJECT_VERSION}")
endif()
configure_file(${rozpoznik_zmiany_zrodlo} ${rozpoznik_pliki_instalacji}/debian/changelog @ONLY)
set(rozpoznik_zmiany ${rozpoznik_pliki_instalacji}/debian/changelog.gz)
add_custom_command(
  OUTPUT ${rozpoznik_zmiany}
  COMMAND ${ROZPOZNIK_GZIP} -9n -c ${rozpoznik_pliki_instalacji}/debian/changelog > ${rozpoznik_zmiany}
  DEPENDS ${rozpoznik_pliki_instalacji}/debian/changelog
  COMMENT "Debian changelog")
list(APPEND rozpoznik_pliki_zbudowane ${rozpoznik_zmiany})
install(FILES ${rozpoznik_zmiany} ${rozpoznik_zrodla_instalacji}/debian/copyright
        DESTINATION share/doc/rozpoznik COMPONENT Pakiet EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rozpoznik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Rozpoznik Pakiet)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ROZPOZNIK_OPIEKUN})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ROZPOZNIK_ADRES_BAZOWY})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tells what a file really is from its first bytes")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Rozpoznik identifies a file by its first 80 bytes, matched against a built-in
catalogue of 576 file-type descriptions and behind them a supplement of 595 of
today's formats, whatever the file's name says. Its window shows the file's
type, category and the programs that open it; when several descriptions fit, a
scroll bar steps through them. rozpoznik-cli does the same from the command
line for many files at once, as text or JSON.
.
The interface and the descriptions are in Polish.")

# Libraries come from the binaries (dpkg-shlibdeps). What they load at run time can't be seen
# there: the Qt platform plugins, without which the window can't open; the Tahoma-compatible
# font (DejaVu Sans stands in), the MIME database for the report's type name, and xdg-open for
# the browser.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, shared-mime-info, xdg-utils")

include(CPack)
