// The sample texts: words drawn by a fixed linear congruential sequence, so every run and every
// machine measures the same bytes. The words include 路线 and 道路, which share a first
// character or a byte with 路径, so the search meets near misses as real text would.
#include "bench/cp936_text.h"

#include <cstdint>
#include <iterator>

namespace {

constexpr char kPlaceholder[] = "\xC2\xB7\xBE\xB6";  // 路径

constexpr const char* kWords[] = {
    "\xD3\xCE\xCF\xB7",          // 游戏
    "\xC4\xBF\xC2\xBC",          // 目录
    "\xC9\xE8\xD6\xC3",          // 设置
    "\xCE\xC4\xBC\xFE",          // 文件
    "\xCA\xFD\xBE\xDD",          // 数据
    "\xBB\xBA\xB4\xE6",          // 缓存
    "\xD3\xEF\xD1\xD4",          // 语言
    "\xD6\xD0\xCE\xC4",          // 中文
    "\xC6\xF4\xB6\xAF\xC6\xF7",  // 启动器
    "\xC2\xB7\xCF\xDF",          // 路线
    "\xB5\xC0\xC2\xB7",          // 道路
    "\xCF\xBF\xB9\xC8",          // 峡谷
    "UserDir=", "CommonDir=", "\\Data", "\\Cache", "Language=zh", "\r\n", " ", ";",
};
constexpr std::size_t kLongestWord = 16;

}  // namespace

std::string MakeCp936Text(std::size_t size, std::size_t spacing) {
    std::string text;
    text.reserve(size);
    std::uint32_t state = 20240601;
    std::size_t nextPlaceholder = spacing / 2;
    while (text.size() + kLongestWord < size) {
        if (text.size() >= nextPlaceholder) {
            text += kPlaceholder;
            nextPlaceholder += spacing;
            continue;
        }
        state = state * 1664525u + 1013904223u;
        text += kWords[(state >> 16) % std::size(kWords)];
    }
    text.append(size - text.size(), '.');
    return text;
}
