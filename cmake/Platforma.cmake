# Operating-system calls live in one folder per platform; each library picks its own
# sources from ROZPOZNIK_PLATFORMA so that call sites stay free of conditionals.
if(WIN32)
  set(ROZPOZNIK_PLATFORMA windows)
else()
  set(ROZPOZNIK_PLATFORMA posix)
endif()

# Windows programs carry the manifest that lets them reach paths longer than 260 characters.
function(rozpoznik_program_windows cel)
  if(WIN32)
    target_sources(${cel} PRIVATE ${PROJECT_SOURCE_DIR}/install/windows/manifest.rc)
  endif()
endfunction()
