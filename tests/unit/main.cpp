// The unit tests' entry. Run with one of the child modes below, the program plays a part in a
// test that must watch a process end: it never returns to GoogleTest then.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "runtime/system/program_end.h"
#include "runtime/text/concat_text.h"
#include "runtime/text/heap_handle.h"
#include "runtime/text/program_directory.h"
#include "tests/unit/child_modes.h"

namespace {

// Fills a small private heap with blocks of the size that will be asked for next, so that the
// program's next request of that size really fails in HeapAlloc.
[[noreturn]] void ExhaustHeap() {
    HANDLE heap = HeapCreate(0, 0, 64 * 1024);
    while (HeapAlloc(heap, 0, kExhaustedRequest)) {
    }
    UseProgramHeap(heap);
    const std::string part(kExhaustedRequest - 1, 'x');
    ConcatText(part.c_str());
    ExitProcess(kChildReturned);
}

void EndInsideEndCallback() { EndProgram(kSecondEndCode); }

}  // namespace

int main(int argc, char** argv) {
    TakeProgramHeap();
    DetermineProgramDirectory();
    if (argc == 2 && std::strcmp(argv[1], kExhaustHeapMode) == 0) ExhaustHeap();
    if (argc == 2 && std::strcmp(argv[1], kEndTwiceMode) == 0) {
        SetEndCallback(EndInsideEndCallback);
        EndProgram(kFirstEndCode);
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
