# The native build: the byte algorithms on the build machine, under AddressSanitizer and
# UndefinedBehaviorSanitizer, with a property test, libFuzzer targets and benchmarks.
add_library(tallowmere_bytes STATIC ${TALLOWMERE_BYTE_SOURCES} tests/native/native_heap.cpp)
target_include_directories(tallowmere_bytes PUBLIC ${CMAKE_SOURCE_DIR})

if(TALLOWMERE_TESTS)
    enable_testing()
    add_subdirectory(tests/native)
endif()

# The text benchmarks of scripts/bench.sh, only when it asks for them.
option(TALLOWMERE_BENCH "Build the benchmarks" OFF)
if(TALLOWMERE_BENCH)
    add_subdirectory(bench)
endif()
