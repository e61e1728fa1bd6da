# 32-bit Windows, which runs on every Windows, 64-bit ones included (g++-mingw-w64-i686-posix).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(wine_loader wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
