# Cross-compiles a self-contained Windows executable with Debian's MinGW-w64 (posix threads
# flavour) for CMAKE_SYSTEM_PROCESSOR, which the toolchain file that includes this one sets.
# Tests run it through Wine when it is there.
set(CMAKE_SYSTEM_NAME Windows)
set(mingw_triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Static C, C++ and thread runtimes: the executable needs no DLL beyond Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine's loader for the processor, named by the toolchain file that includes this one. Debian
# keeps each loader in /usr/lib/wine, the 32-bit one only where wine32 is installed; its
# `wine` starts the 32-bit loader whenever there is one, even for a 64-bit program (and a
# kernel that starts no 32-bit programs cannot run it), and the 64-bit loader where there is
# none, even for a 32-bit program, which it cannot run. Elsewhere the loaders are on the PATH.
if(IS_DIRECTORY /usr/lib/wine)
  find_program(WINE_PROGRAM ${wine_loader} PATHS /usr/lib/wine NO_DEFAULT_PATH)
else()
  find_program(WINE_PROGRAM NAMES ${wine_loader} wine)
endif()
# Wine maps parts of Windows at fixed addresses, and about once in a thousand starts the
# kernel's address space randomization has put something of its own there first ("failed to map
# the shared user data"); so the loader runs with randomization off where setarch can do that.
find_program(SETARCH_PROGRAM setarch)
if(WINE_PROGRAM AND SETARCH_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SETARCH_PROGRAM} -R ${WINE_PROGRAM})
elseif(WINE_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
endif()
