# Fails when a C++ source of the tree is not as clang-format writes it (.clang-format at the
# root). Run by CTest as `cmake -DZRODLA=<root> -DCLANG_FORMAT=<program> -P Formatowanie.cmake`.
file(GLOB_RECURSE pliki LIST_DIRECTORIES false RELATIVE "${ZRODLA}" "${ZRODLA}/*.cpp" "${ZRODLA}/*.h")
# Build folders and what the tools put beside the sources are not the tree's own.
list(FILTER pliki EXCLUDE REGEX "^(build[^/]*|\\.[^/]*)/")
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${pliki}
                WORKING_DIRECTORY "${ZRODLA}" RESULT_VARIABLE wynik)
if(NOT wynik EQUAL 0)
  message(FATAL_ERROR "clang-format would change the files above: run clang-format -i on them")
endif()
