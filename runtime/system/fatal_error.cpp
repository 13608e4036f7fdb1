// The error report of a fatal error and the end that follows it.
#include "runtime/system/fatal_error.h"

#include <windows.h>

#include "runtime/system/program_end.h"
#include "runtime/texts.h"

void EndWithFatalError(const char* message) {
    EnterFatalEnd();
    char report[1024];
    wsprintfA(report, "%s%s\r\n", kErrorReportHead, message);
    MessageBoxA(nullptr, report, kErrorReportCaption, MB_ICONERROR);
    EndProgram(-1);
}
