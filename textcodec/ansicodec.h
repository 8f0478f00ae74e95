// Conversion between UTF-8 and the ANSI code page the filter texts use (GBK,
// code page 936). One implementation for the window and the command-line tool,
// so both hand the engine the same bytes for the same text.
#pragma once

#include <string>
#include <string_view>

namespace vostrel {

// A character GBK lacks, or a byte that is no valid UTF-8, becomes "?".
std::string Utf8ToAnsi(std::string_view utf8);

// A byte sequence that is no valid GBK becomes "?".
std::string AnsiToUtf8(std::string_view ansi);

// The same for the encoding of the current locale (as set by setlocale),
// which is how command-line arguments and terminal output are encoded. A
// locale that names no encoding beyond ASCII (such as "C") is taken as UTF-8,
// which is what such terminals nearly always carry.
std::string LocaleToAnsi(std::string_view text);
std::string AnsiToLocale(std::string_view ansi);

} // namespace vostrel
