// A notice that nobody has to answer: it returns OK at once. Linked in place of the real one.
#include "runtime/system/notice.h"

std::int32_t ShowNotice(const char*, std::int32_t, const char*) { return 0; }
