# 32-bit Windows: the launcher that ships, built with the "win32" threads variant so that it
# needs no threading runtime; its test build asks for "posix", which GoogleTest needs.
set(MINGW_ARCH i686)
if(NOT MINGW_THREADS)
    set(MINGW_THREADS win32)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
