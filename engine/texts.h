// Shared text helpers and the program's own messages, as GBK bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vostrel {

// GBK byte strings. The readable text is given beside each one.
namespace msg {
inline constexpr std::string_view kEnterDraw = // 请输入三位数上期开奖号码
    "\xC7\xEB\xCA\xE4\xC8\xEB\xC8\xFD\xCE\xBB\xCA\xFD\xC9\xCF\xC6\xDA\xBF\xAA\xBD\xB1\xBA\xC5\xC2\xEB";
inline constexpr std::string_view kNotAnInteger = // '%s' 不是一个有效的整形值
    "'%s' \xB2\xBB\xCA\xC7\xD2\xBB\xB8\xF6\xD3\xD0\xD0\xA7\xB5\xC4\xD5\xFB\xD0\xCE\xD6\xB5";
inline constexpr std::string_view kCountCaption = "\xCB\xF5\xCB\xAE\xBD\xE1\xB9\xFB\xA3\xBA"; // 缩水结果：
inline constexpr std::string_view kCountUnit = "\xD7\xA2";                                    // 注
inline constexpr std::string_view kPrevCaption = "\xC9\xCF\xC6\xDA\xA3\xBA";                  // 上期：
inline constexpr std::string_view kHit = "\xD6\xD0";                                          // 中
inline constexpr std::string_view kMiss = "X";
inline constexpr std::string_view kSaved = "\xB3\xC9\xB9\xA6\xB1\xA3\xB4\xE6\xA3\xA1"; // 成功保存！
inline constexpr std::string_view kCannotCreate = // 不能创建文件 %s
    "\xB2\xBB\xC4\xDC\xB4\xB4\xBD\xA8\xCE\xC4\xBC\xFE %s";
inline constexpr std::string_view kWriteError = "\xD0\xB4\xC1\xF7\xB3\xF6\xB4\xED"; // 写流出错
inline constexpr std::string_view kBadDataType = // '%s' 的数据类型是无效的
    "'%s' \xB5\xC4\xCA\xFD\xBE\xDD\xC0\xE0\xD0\xCD\xCA\xC7\xCE\xDE\xD0\xA7\xB5\xC4";
} // namespace msg

// Drops every leading and trailing byte of value 0x20 or lower.
std::string_view Trim(std::string_view text);

// The candidate index 0-999 as three digits with leading zeros.
std::string CandidateText(int index);

// Replaces the first "%s" of a message pattern.
std::string FormatMessage(std::string_view pattern, std::string_view arg);

// What the error box shows for an error text: a full stop is added when the
// last byte sorts after '.'.
std::string ErrorDisplayText(std::string_view text);

// The platform's text-to-integer conversion: leading blanks, then a signed
// decimal or a hexadecimal number after "$", "x", "X", "0x" or "0X"; nothing
// may follow and the value must fit a signed 32-bit integer.
std::optional<std::int32_t> StrToInt(std::string_view text);

// "缩水结果：" + count + "注", and "上期：" + the draw text as typed.
std::string CountCaption(int count);
std::string PrevDrawCaption(std::string_view drawtext);

} // namespace vostrel
