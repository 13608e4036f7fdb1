// Which heap the program heap is, for start-up and for the tests that exhaust a heap of their own.
#pragma once

#include <windows.h>

// Takes the process's default heap as the program heap; start-up does this before any block
// is requested.
void TakeProgramHeap();

// Makes `heap` the program heap, so a test can watch or exhaust it.
void UseProgramHeap(HANDLE heap);
