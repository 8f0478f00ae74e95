// File access for vostrel-cli: streaming input of any size, and output that
// replaces a file only once every byte is stored.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vostrel::cli {

// A source that never ends (a FIFO, a device) is cut off here with an error
// rather than read forever.
inline constexpr std::uint64_t kMaxInputBytes = std::uint64_t{1} << 30;

// Hands the bytes of FILE ("-" for standard input) to feed, piece by piece,
// until the end or until feed returns false. Returns an error text, or an
// empty text on success.
std::string StreamFile(const std::string &path, const std::function<bool(std::string_view)> &feed);

// Writes bytes to a temporary file beside path and renames it over path once
// complete, so a failure never leaves a cut-off or emptied file. "-" writes to
// standard output. Returns an error text, or an empty text on success.
std::string WriteFileReplacing(const std::string &path, std::string_view bytes);

// Writes all bytes to standard output; false on a write error.
bool WriteStdout(std::string_view bytes);

} // namespace vostrel::cli
