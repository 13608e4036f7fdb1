# Cross-builds Tallowmere for 32-bit Windows with MinGW-w64; the tests run under Wine's 32-bit side.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TALLOWMERE_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
