// Command-line parsing for vostrel-cli, kept apart from main() so that it can
// be read as a table of the options.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vostrel::cli {

// A kill-pair or banker text: given inline, or the name of a file ("-" for
// standard input) whose raw bytes are the text.
struct TTextSource {
    enum class Kind { None, Inline, File };
    Kind kind = Kind::None;
    std::string value;
};

struct TOptions {
    std::string prev; // the previous draw, as given
    TTextSource kill;
    TTextSource banker;
    bool count = false;
    std::optional<std::string> check;
    std::optional<std::string> output;
    bool help = false;
    bool version = false;
};

struct TParsed {
    TOptions options;
    std::string error; // empty when the arguments were understood
};

TParsed ParseArguments(const std::vector<std::string> &args);

extern const char *const kUsage;

} // namespace vostrel::cli
