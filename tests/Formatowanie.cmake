# Fails when a C++ source of the tree is not as clang-format writes it (.clang-format at the
# root). Run by CTest as `cmake -DZRODLA=<root> -DCLANG_FORMAT=<program> -P Formatowanie.cmake`.
cmake_minimum_required(VERSION 3.25)
# The project's own folders only: build folders, and the Wine set-ups in them, are not sources.
file(GLOB pliki LIST_DIRECTORIES false RELATIVE "${ZRODLA}" "${ZRODLA}/*.cpp" "${ZRODLA}/*.h")
foreach(folder bench catalogue cli engine fuzz install site tests text update window)
  file(GLOB_RECURSE wFolderze LIST_DIRECTORIES false RELATIVE "${ZRODLA}"
       "${ZRODLA}/${folder}/*.cpp" "${ZRODLA}/${folder}/*.h")
  list(APPEND pliki ${wFolderze})
endforeach()
# A wrong root would find nothing, and nothing is always well formatted.
list(LENGTH pliki ile)
if(ile LESS 100)
  message(FATAL_ERROR "only ${ile} C++ sources under ${ZRODLA}: is it the project's root?")
endif()
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${pliki}
                WORKING_DIRECTORY "${ZRODLA}" RESULT_VARIABLE wynik)
if(NOT wynik EQUAL 0)
  message(FATAL_ERROR "clang-format would change the files above: run clang-format -i on them")
endif()
