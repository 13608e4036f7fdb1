# The Windows build: Tallowmere.exe, statically linked so it imports only Windows' own DLLs,
# with its unit and end-to-end tests.

# Small and reproducible: no exceptions or RTTI in the program, unused functions dropped, no
# timestamp in the PE header. No -fdata-sections: for PE targets it gives every writable
# variable a .data$ section of its own, zero-initialised ones included, so the 64 KiB of path
# buffers would be stored in the file as zeros instead of taking room only in .bss.
set(TALLOWMERE_PROGRAM_FLAGS -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                             -ffunction-sections)
set(TALLOWMERE_LINK_FLAGS -static -static-libgcc -static-libstdc++ -Wl,--gc-sections
                          -Wl,--no-insert-timestamp)

add_library(tallowmere_core STATIC
    ${TALLOWMERE_BYTE_SOURCES}
    runtime/text/program_heap.cpp
    runtime/text/program_directory.cpp
    runtime/system/fatal_error.cpp
    runtime/system/files.cpp
    runtime/system/notice.cpp
    runtime/system/program_end.cpp
    launcher/config_writer.cpp
    launcher/game_directory_check.cpp
    shell/events.cpp
    shell/main_window.cpp
    shell/main_window_description.cpp
    shell/message_loop.cpp
    shell/startup.cpp
    shell/window_icons.cpp)
target_include_directories(tallowmere_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(tallowmere_core PRIVATE ${TALLOWMERE_PROGRAM_FLAGS})
target_compile_definitions(tallowmere_core PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(tallowmere_core PUBLIC comctl32 ole32 gdi32 user32 kernel32)

add_executable(Tallowmere WIN32 shell/win_main.cpp resources/tallowmere.rc)
target_compile_options(Tallowmere PRIVATE ${TALLOWMERE_PROGRAM_FLAGS})
target_link_options(Tallowmere PRIVATE ${TALLOWMERE_LINK_FLAGS} -s)
target_link_libraries(Tallowmere PRIVATE tallowmere_core)

if(TALLOWMERE_TESTS)
    enable_testing()
    add_subdirectory(tests)
endif()

# Real keys and clicks from outside a program, for the demo driver and the test drivers.
add_library(win32_driving STATIC tools/win32/real_input.cpp)
target_include_directories(win32_driving PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(win32_driving PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(win32_driving PUBLIC user32)

# Plays the user in the headless demo of scripts/run.sh.
add_executable(demo_driver tools/demo/demo_driver.cpp)
target_link_options(demo_driver PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(demo_driver PRIVATE win32_driving gdi32)

# The start-up, size, memory and click benchmarks of scripts/bench.sh, only when it asks for them.
option(TALLOWMERE_BENCH "Build the benchmarks" OFF)
if(TALLOWMERE_BENCH)
    add_subdirectory(bench)
endif()
