# Warnings (and, on request, sanitizers) for every target of the project.
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
