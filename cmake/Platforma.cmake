# Operating-system calls live in one folder per platform; each library picks its own
# sources from ROZPOZNIK_PLATFORMA so that call sites stay free of conditionals.
if(WIN32)
  set(ROZPOZNIK_PLATFORMA windows)
else()
  set(ROZPOZNIK_PLATFORMA posix)
endif()
