# Cross-compiles for Windows with Debian's MinGW-w64 for MINGW_ARCH (i686 or x86_64) with the
# MINGW_THREADS compiler variant: "win32" needs no threading runtime in the exe, "posix" is the
# one whose libstdc++ has std::mutex, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})

set(CMAKE_C_COMPILER ${MINGW_ARCH}-w64-mingw32-gcc-${MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${MINGW_ARCH}-w64-mingw32-g++-${MINGW_THREADS})
set(CMAKE_RC_COMPILER ${MINGW_ARCH}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs of either architecture run under the Wine that set-up lays out in build/wine
# (tools/wine/layout.sh): its 64-bit loader hands a 32-bit program to its i386 loader. A start
# that fails before the test program runs is retried (tools/wine/run-test-program.sh).
set(WINE_PROGRAM ${CMAKE_CURRENT_LIST_DIR}/../build/wine/lib/wine/wine64)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine/run-test-program.sh)
