# Cross-compiling for 64-bit Windows with Debian's mingw-w64 GCC (the posix
# thread model, which has std::thread). Libraries built for the target are
# found only under CMAKE_PREFIX_PATH, never in the host's /usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SB_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SB_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SB_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SB_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${SB_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${SB_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# The target's libraries are looked for in mingw-w64's own folder and in the
# install prefixes given on the command line, nowhere else.
set(CMAKE_FIND_ROOT_PATH /usr/${SB_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes (and the threads under std::thread) go into each
# binary, so that the only DLLs shipped are the game's libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc")
