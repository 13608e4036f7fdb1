# What both MinGW-w64 toolchains share: the posix-thread compilers (std::thread for the tests;
# linked statically, so no threading DLL), the resource compiler and Wine
# as the emulator through which CTest and GoogleTest's discovery run the test programs.
find_program(CMAKE_C_COMPILER NAMES ${TALLOWMERE_TRIPLE}-gcc-posix ${TALLOWMERE_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TALLOWMERE_TRIPLE}-g++-posix ${TALLOWMERE_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TALLOWMERE_TRIPLE}-windres REQUIRED)
find_program(TALLOWMERE_OBJDUMP NAMES ${TALLOWMERE_TRIPLE}-objdump REQUIRED)
find_program(TALLOWMERE_STRIP NAMES ${TALLOWMERE_TRIPLE}-strip REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${TALLOWMERE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# scripts/wine.sh sets up the project's own Wine prefix before it runs a program.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine.sh)
