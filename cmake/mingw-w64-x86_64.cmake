# 64-bit Windows, for 64-bit Windows only (g++-mingw-w64-x86-64-posix).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(wine_loader wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
