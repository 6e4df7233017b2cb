# The build the tests and `make run` start: these machines run no 32-bit x86 code at all
# (docs/architecture.md, "Why two builds"), so it runs under Wine's 64-bit loader.
set(MINGW_ARCH x86_64)
set(MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

find_program(WINE_PROGRAM wine64 PATHS /usr/lib/wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
