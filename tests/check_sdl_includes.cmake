# Fails when a file outside src/platform/sdl/ (or the SDL platform's own tests
# and the asset tool) includes an SDL header.
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp
     ${SOURCE_DIR}/bench/*.h ${SOURCE_DIR}/bench/*.cpp)
set(offenders "")
foreach(f ${files})
  if(f MATCHES "/src/platform/sdl/")
    continue()
  endif()
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]SDL")
  if(lines)
    list(APPEND offenders ${f})
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "SDL headers included outside src/platform/sdl: ${offenders}")
endif()
