# Builds for the web with Debian's Emscripten (package emscripten): tavirel.js with
# tavirel.wasm beside it, run by node, and the page (web/). Tests run the program with plain
# node, not with the flags that Emscripten's own toolchain file gives it.
find_program(EMCC_PROGRAM emcc REQUIRED)
find_program(NODE_PROGRAM node REQUIRED)
file(REAL_PATH ${EMCC_PROGRAM} emcc_file)
get_filename_component(emscripten_root ${emcc_file} DIRECTORY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE_PROGRAM})
include(${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)
