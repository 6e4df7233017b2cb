# 32-bit Windows: the launcher that ships, built with the "win32" threads variant so that it
# needs no threading runtime; its test build asks for "posix", which GoogleTest needs.
set(MINGW_ARCH i686)
if(NOT MINGW_THREADS)
    set(MINGW_THREADS win32)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# An emulated start can fail before the test program runs; the i386 tests retry such a start.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine/run-test-program.sh)
