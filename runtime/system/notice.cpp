// ShowNotice over MessageBoxA.
#include "runtime/system/notice.h"

#include <windows.h>

#include "runtime/system/notice_style.h"
#include "runtime/texts.h"

std::int32_t ShowNotice(const char* message, std::int32_t flags, const char* caption) {
    const int result = MessageBoxA(nullptr, message ? message : "",
                                   caption ? caption : kDefaultNoticeCaption,
                                   static_cast<UINT>(NoticeStyle(flags)));
    return ButtonCode(flags, result);
}
