// The run-time services' own texts, as code page 936 bytes.
#pragma once

// 分配 %d 字节内存失败!  (allocating %d bytes of memory failed)
inline constexpr char kAllocationFailedFormat[] =
    "\xB7\xD6\xC5\xE4 %d \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";

// 运行时出错!\r\n\r\n错误信息：  (run-time error, then: error message:)
inline constexpr char kErrorReportHead[] =
    "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";

// 错误  (error): the caption of the error report
inline constexpr char kErrorReportCaption[] = "\xB4\xED\xCE\xF3";

// 信息：  (information:) the caption of a notice that brings none of its own
inline constexpr char kDefaultNoticeCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";
