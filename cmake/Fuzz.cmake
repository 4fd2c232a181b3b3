# With ROZPOZNIK_FUZZ (clang only) everything is built for libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, and the targets in fuzz/ are added.
if(ROZPOZNIK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ROZPOZNIK_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The catalogue checks its rows at compile time, which takes clang more steps than it allows by
# default.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-fconstexpr-steps=100000000)
endif()
