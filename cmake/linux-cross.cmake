# Cross-compiles for Linux on another processor with Debian's cross compilers, and runs what it
# builds through qemu-user with the target's libraries. Two cache variables choose the target:
# TAVIREL_TRIPLET, the compilers' prefix (aarch64-linux-gnu, with g++-aarch64-linux-gnu), and
# TAVIREL_QEMU, the emulator (qemu-aarch64, from qemu-user).
set(CMAKE_SYSTEM_NAME Linux)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${TAVIREL_TRIPLET}")
# The compiler checks configure projects of their own, which need the target too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAVIREL_TRIPLET TAVIREL_QEMU)

set(CMAKE_C_COMPILER ${TAVIREL_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TAVIREL_TRIPLET}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${TAVIREL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVIREL_QEMU} -L /usr/${TAVIREL_TRIPLET})
