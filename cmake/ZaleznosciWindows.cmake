# What the Windows build takes from Debian without letting the host's system headers in: the
# header-only CLI11 and nlohmann-json through a folder that holds only their own headers, and
# GoogleTest built from Debian's sources with the cross compiler. find_package then finds these
# before anything else, so the areas' own CMake files stay the same for both systems.

set(rozpoznik_naglowki ${CMAKE_BINARY_DIR}/naglowki-debiana)
file(COPY /usr/include/CLI /usr/include/nlohmann DESTINATION ${rozpoznik_naglowki})

set(rozpoznik_przekierowania ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR})
foreach(pakiet CLI11 nlohmann_json)
  string(TOLOWER ${pakiet} plik)
  set(cel ${pakiet}::${pakiet})
  file(WRITE ${rozpoznik_przekierowania}/${plik}-config.cmake
       "if(NOT TARGET ${cel})\n"
       "  add_library(${cel} INTERFACE IMPORTED)\n"
       "  set_target_properties(${cel} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${rozpoznik_naglowki})\n"
       "endif()\n")
endforeach()

# The test lists are read when CTest runs, under Wine, so that building needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
# GoogleTest's own build names its targets GTest::gtest and GTest::gtest_main, as the package's
# configuration does.
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
file(WRITE ${rozpoznik_przekierowania}/gtest-config.cmake "")
