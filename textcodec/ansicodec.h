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

}  // namespace vostrel
