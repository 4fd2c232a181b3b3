# Warnings (and, on request, sanitizers) for every target of the project. A fuzzing build
# instruments every library for libFuzzer's coverage as well.
if(ROZPOZNIK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ROZPOZNIK_FUZZ needs clang (CMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
  set(ROZPOZNIK_SANITIZE ON)
endif()
if(ROZPOZNIK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(rozpoznik_ostrzezenia cel)
  target_compile_options(${cel} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                        -Wnon-virtual-dtor -Wcast-qual -Wformat=2)
  if(ROZPOZNIK_WERROR)
    target_compile_options(${cel} PRIVATE -Werror)
  endif()
endfunction()
